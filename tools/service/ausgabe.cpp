#include "tools/service/ausgabe.h"

#include "geraet/sichtbar.h"

#include <QStringList>
#include <cstdio>

namespace dienst {

namespace {

// Line feeds and tabs (the columns of "ports") are the text's own.
QString Druckbar(const QString& text) {
    QStringList zeilen = text.split(u'\n');
    for (QString& z : zeilen) {
        QStringList spalten = z.split(u'\t');
        for (QString& s : spalten)
            s = sichtbar::Text(s);
        z = spalten.join(u'\t');
    }
    return zeilen.join(u'\n');
}

void Schreibe(std::FILE* wohin, const QString& text) {
    std::fputs(Druckbar(text).toUtf8().constData(), wohin);
    std::fflush(wohin);
}

} // namespace

void Aus(const QString& text) {
    Schreibe(stdout, text);
}

void Fehlermeldung(const QString& text) {
    Schreibe(stderr, QStringLiteral("heliowendler-service: ") + text + u'\n');
}

void Fortschritt(const QString& zeile) {
    Schreibe(stderr, zeile + u'\n');
}

} // namespace dienst
