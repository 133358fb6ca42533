#include "workspace/diagrammbild.h"

#include "basis/dateizugriff.h"
#include "basis/fehler.h"
#include "basis/zahltext.h"

#include <QBuffer>
#include <QChart>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

namespace diagrammbild {

namespace {

constexpr int Rand = 8;

// The room the text takes below the widget, wrapped to its width.
QRect Textfeld(const QWidget& w, const QString& unterschrift) {
    if (unterschrift.isEmpty()) return {};
    const QRect feld(Rand, 0, std::max(1, w.width() - 2 * Rand), 10000);
    const QRect text = w.fontMetrics().boundingRect(feld, Qt::TextWordWrap, unterschrift);
    return {Rand, w.height() + Rand / 2, feld.width(), text.height() + Rand};
}

// The widget and the text below it, on the widget's background.
void Male(QPainter& maler, QWidget& w, const QString& unterschrift, const QRect& feld) {
    const QSize groesse(w.width(), feld.isNull() ? w.height() : feld.bottom() + 1);
    maler.fillRect(QRect(QPoint(), groesse), w.palette().window());
    w.render(&maler);
    if (feld.isNull()) return;
    maler.setFont(w.font());
    maler.setPen(w.palette().windowText().color());
    maler.drawText(feld, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, unterschrift);
}

QSize Groesse(const QWidget& w, const QRect& feld) {
    return {w.width(), feld.isNull() ? w.height() : feld.bottom() + 1};
}

} // namespace

QByteArray Png(QWidget& w, const QString& unterschrift) {
    const QRect feld = Textfeld(w, unterschrift);
    QImage bild(Groesse(w, feld), QImage::Format_RGB32);
    {
        QPainter maler(&bild);
        Male(maler, w, unterschrift, feld);
    }
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return bytes;
}

QByteArray Svg(QWidget& w, const QString& titel, const QString& unterschrift) {
    const QRect feld = Textfeld(w, unterschrift);
    const QSize groesse = Groesse(w, feld);
    QByteArray bytes;
    QBuffer puffer(&bytes);
    QSvgGenerator gen;
    gen.setOutputDevice(&puffer);
    gen.setSize(groesse);
    gen.setViewBox(QRect(QPoint(), groesse));
    gen.setTitle(titel);
    QPainter maler(&gen);
    Male(maler, w, unterschrift, feld);
    maler.end();
    return bytes;
}

QString Schreibe(std::span<const std::pair<QString, QByteArray>> dateien) {
    for (const auto& [pfad, bytes] : dateien) {
        bool belegt = false;
        if (!dateizugriff::Ersetze(
                pfad, [&](const QByteArray&) { return bytes; }, &belegt))
            return SchreibFehler(pfad, belegt).meldung();
    }
    return {};
}

void Zahlenformat(QChart& c) {
    QLocale ort = zahltext::Dezimaltrenner() == u',' ? QLocale(QLocale::German) : QLocale::c();
    ort.setNumberOptions(QLocale::OmitGroupSeparator);
    c.setLocale(ort);
    c.setLocalizeNumbers(true);
}

} // namespace diagrammbild
