#include "workspace/diagrammbild.h"

#include "basis/dateizugriff.h"

#include <QBuffer>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace diagrammbild {

QByteArray Png(QWidget& w) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    w.grab().save(&puffer, "PNG");
    return bytes;
}

QByteArray Svg(QWidget& w, const QString& titel) {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    QSvgGenerator gen;
    gen.setOutputDevice(&puffer);
    gen.setSize(w.size());
    gen.setViewBox(QRect(QPoint(), w.size()));
    gen.setTitle(titel);
    QPainter maler(&gen);
    w.render(&maler);
    maler.end();
    return bytes;
}

QString Schreibe(std::span<const std::pair<QString, QByteArray>> dateien) {
    for (const auto& [pfad, bytes] : dateien)
        if (!dateizugriff::Ersetze(pfad, [&](const QByteArray&) { return bytes; })) return pfad;
    return {};
}

} // namespace diagrammbild
