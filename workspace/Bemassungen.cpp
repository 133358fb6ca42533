#include "workspace/Bemassungen.h"

TFormHilfe::TFormHilfe(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Bemaßungen"));
}
