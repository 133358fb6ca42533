#include "workspace/ABOUT.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Programm Info"));
}
