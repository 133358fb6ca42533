#pragma once
// What the chart windows share: a widget saved as PNG and as SVG (with a line of text below it
// where the chart's marks are named outside its legend), several files written at once, and
// the axes' numbers with the decimal separator the edits use.
#include <QByteArray>
#include <QString>
#include <span>
#include <utility>

class QChart;
class QWidget;

namespace diagrammbild {

// The widget as it is drawn, with unterschrift (when not empty) in its font below it.
QByteArray Png(QWidget& w, const QString& unterschrift = {});
QByteArray Svg(QWidget& w, const QString& titel = {}, const QString& unterschrift = {});
// Writes each file through dateizugriff::Ersetze, up to the first that fails; that failure's
// message (SchreibFehler's: which file, and whether another program held its folder), else
// empty.
QString Schreibe(std::span<const std::pair<QString, QByteArray>> dateien);
// The chart's axis labels with zahltext's decimal separator (the user's LC_NUMERIC), no
// thousands separator.
void Zahlenformat(QChart& c);

} // namespace diagrammbild
