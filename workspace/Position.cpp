#include "workspace/Position.h"

TPositionDlg::TPositionDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Position Editieren"));
}
