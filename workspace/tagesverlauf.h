#pragma once
// "Ansicht" > "Tagesverlauf": the UTC day of the main window's date at its site and geometry
// as a chart: sun elevation and azimuth, the tracker position as drawn, the correction
// (degrees, left axis), the shadow and the overlap (metres, right axis); a vertical line at
// the time in the edits, sunrise, sunset and the Sonnenwende marked. It follows every
// calculation of the main window while shown. "Speichern" writes the chart as PNG and SVG (with
// the marks named below it) and the values as CSV (the columns of heliowendler-calc --tabelle).
// With a weather file (Wetter): one UTC date of its rows, chosen in a date field, at the file's
// site with the main window's geometry: the measured irradiance and the effective irradiance
// with and without backtracking (W/m^2, an axis of their own on the right).
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"
#include "geometry/wetterjahr.h"
#include "wetter/wetterdatei.h"

#include <QDate>
#include <QDialog>
#include <QHash>
#include <QList>
#include <QPointF>
#include <array>
#include <memory>
#include <optional>

class QChart;
class QChartView;
class QDateEdit;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

class TFormTagesverlauf : public QDialog {
    Q_OBJECT
public:
    // Minutes between the day's instants: 480 calculations.
    static constexpr int Schritt = 3;

    explicit TFormTagesverlauf(QWidget* parent = nullptr);

    // The main window calculated with these inputs (anschlaege: "Anschläge verwenden").
    // Drawn at once while shown, else when shown next.
    void Berechnet(const RechenlaufEingabe& e, bool anschlaege);

    const jahresstudie::Tag& Werte() const { return tag_; }
    // The values as CSV, one line per instant.
    QString Csv() const;
    // Writes basis.png, basis.svg and basis.csv; false with the message of the file that
    // failed.
    bool Speichere(const QString& basis, QString& fehler);
    QChart* Diagramm() const { return chart_; }
    // The values at stunden (UTC) itself, not at the nearest instant of the chart: what
    // hovering there and the line below the chart for the time entered show.
    QString Hinweis(double stunden) const;

    // The stretches of a curve within [unten, oben], cut where it crosses a bound (linearly
    // between the two instants). Drawn into an SVG a chart is not clipped, so a point beyond
    // its axis would land on the title and the legend.
    static QList<QList<QPointF>> Abschnitte(const QList<QPointF>& punkte, double unten,
                                            double oben);

    // The weather day's rows as drawn (empty without a file or on a day without rows).
    const wetterjahr::Tagesverlauf& Wetterwerte() const { return wetter_; }

public slots:
    // The weather file of the year window (nullptr: none, the chart as without). The day shown
    // is the file's with the main window's month and day, else its first.
    void Wetter(std::shared_ptr<const wetter::Datei> datei, wetterjahr::Optionen optionen);

protected:
    void showEvent(QShowEvent* ev) override;

private:
    QLineSeries* NeueReihe(const QString& name, QValueAxis* achse, const QPen& stift);
    // The curve's points within its axis: the first stretch in r, the others in series of the
    // same look without a legend entry.
    void Setze(QLineSeries* r, const QList<QPointF>& punkte, QValueAxis* achse);
    void Zeichne();
    void ZeichneWetter();
    // The file's day with the main window's month and day, if it has one.
    std::optional<QDate> TagDerEingabe() const;
    void Speichern();

    RechenlaufEingabe eingabe_;
    bool anschlaege_ = false, veraltet_ = true, hatEingabe_ = false;
    jahresstudie::Tag tag_;
    // The date's searches, for the values between the instants (lazily runs a neighbouring
    // day's when the sun is up in it).
    mutable std::optional<Tagessuchen> suchen_;
    QChart* chart_ = nullptr;
    QChartView* ansicht_ = nullptr;
    QValueAxis *zeitachse_ = nullptr, *grad_ = nullptr, *meter_ = nullptr;
    QLineSeries *hoehe_ = nullptr, *azimut_ = nullptr, *position_ = nullptr, *winkel_ = nullptr,
                *schatten_ = nullptr, *verschattung_ = nullptr, *jetzt_ = nullptr,
                *aufgang_ = nullptr, *untergang_ = nullptr, *wende_ = nullptr;
    QHash<QLineSeries*, QList<QLineSeries*>> weitere_; // further stretches of a curve
    QPushButton* Sichern = nullptr;
    QLabel *Zeile = nullptr, *Marken = nullptr;

    std::shared_ptr<const wetter::Datei> datei_;
    wetterjahr::Optionen optionen_;
    wetterjahr::Tagesverlauf wetter_;
    QValueAxis* einstrahlung_ = nullptr; // in the chart only with a file
    // Global, direct, diffuse; effective with and without backtracking.
    std::array<QLineSeries*, 5> wetterReihen_{};
    QDateEdit* WetterTag = nullptr;
    QLabel* WetterZeile = nullptr;
    int monatTag_ = 0; // the main window's month and day the day shown followed (Monat*100+Tag)
};
