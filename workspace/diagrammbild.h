#pragma once
// What the chart windows save: a widget as PNG and as SVG, and several files written at once.
#include <QByteArray>
#include <QString>
#include <span>
#include <utility>

class QWidget;

namespace diagrammbild {

QByteArray Png(QWidget& w);
QByteArray Svg(QWidget& w, const QString& titel = {});
// Writes each file through dateizugriff::Ersetze; the first path that failed, else empty.
QString Schreibe(std::span<const std::pair<QString, QByteArray>> dateien);

} // namespace diagrammbild
