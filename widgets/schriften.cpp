#include "widgets/schriften.h"

namespace schriften {

namespace {
QFont Schrift(const char* familie, int pixel) {
    QFont f(QString::fromLatin1(familie));
    f.setStyleHint(QFont::SansSerif); // still readable where the face is missing
    f.setPixelSize(pixel);
    return f;
}
} // namespace

QFont Fenster() {
    return Schrift(FensterFamilie, 11);
}

QFont Szene() {
    return Schrift(SzenenFamilie, 13);
}

} // namespace schriften
