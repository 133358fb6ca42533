#include "workspace/tagesverlauf.h"

#include "basis/zahltext.h"
#include "widgets/dialoge.h"
#include "workspace/diagrammbild.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

QString Zeit(double stunden) {
    const int minuten = static_cast<int>(std::lround(stunden * 60));
    return QStringLiteral("%1:%2")
        .arg(minuten / 60, 2, 10, QLatin1Char('0'))
        .arg(minuten % 60, 2, 10, QLatin1Char('0'));
}

QDate AlsQDate(const messreihe::Messung& m) {
    return QDate(m.jahr, m.monat, m.tag);
}

} // namespace

TFormTagesverlauf::TFormTagesverlauf(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTagesverlauf"));
    setWindowTitle(tr("Tagesverlauf"));
    resize(900, 560);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    diagrammbild::Zahlenformat(*chart_);
    zeitachse_ = new QValueAxis;
    zeitachse_->setRange(0, 24);
    zeitachse_->setTickCount(9);
    zeitachse_->setLabelFormat(QStringLiteral("%.0f")); // localized, "%d" shows nothing
    zeitachse_->setTitleText(tr("Zeit (UTC) in h"));
    grad_ = new QValueAxis;
    grad_->setTitleText(tr("Winkel in °"));
    grad_->setLabelFormat(QStringLiteral("%.0f"));
    meter_ = new QValueAxis;
    meter_->setTitleText(tr("Länge in m"));
    meter_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(zeitachse_, Qt::AlignBottom);
    chart_->addAxis(grad_, Qt::AlignLeft);
    chart_->addAxis(meter_, Qt::AlignRight);

    const auto stift = [](QColor farbe, Qt::PenStyle stil = Qt::SolidLine) {
        QPen s(farbe);
        s.setWidthF(1.8);
        s.setStyle(stil);
        return s;
    };
    hoehe_ = NeueReihe(tr("Sonnenhöhe"), grad_, stift(QColor(230, 160, 0)));
    azimut_ = NeueReihe(tr("Azimut"), grad_, stift(QColor(200, 60, 40)));
    position_ = NeueReihe(tr("Trackerposition"), grad_, stift(QColor(30, 90, 200)));
    winkel_ = NeueReihe(tr("WinkelZurSonne"), grad_, stift(QColor(120, 40, 160)));
    schatten_ = NeueReihe(tr("Schatten (m)"), meter_, stift(QColor(90, 90, 90), Qt::DashLine));
    verschattung_ =
        NeueReihe(tr("Verschattung (m)"), meter_, stift(QColor(0, 140, 70), Qt::DashLine));
    jetzt_ = NeueReihe(tr("Zeit der Eingabe"), grad_, stift(Qt::black, Qt::DotLine));
    aufgang_ = NeueReihe(tr("Sonnenaufgang"), grad_, stift(QColor(230, 160, 0), Qt::DotLine));
    untergang_ = NeueReihe(tr("Sonnenuntergang"), grad_, stift(QColor(150, 100, 0), Qt::DotLine));
    wende_ = NeueReihe(tr("Sonnenwende"), grad_, stift(QColor(200, 60, 40), Qt::DotLine));

    // The marks are named below the chart (and below the saved pictures); the legend keeps to
    // the curves.
    for (QLineSeries* r : {aufgang_, untergang_, wende_})
        for (QLegendMarker* m : chart_->legend()->markers(r))
            m->setVisible(false);

    ansicht_ = new QChartView(chart_, this);
    ansicht_->setObjectName(QStringLiteral("Diagramm"));
    ansicht_->setRenderHint(QPainter::Antialiasing);
    Sichern = new QPushButton(tr("&Speichern"), this);
    Sichern->setObjectName(QStringLiteral("Speichern"));
    Sichern->setAutoDefault(false);
    Zeile = new QLabel(this);
    Zeile->setObjectName(QStringLiteral("Zeile"));
    Marken = new QLabel(this);
    Marken->setObjectName(QStringLiteral("Marken"));
    auto* texte = new QVBoxLayout;
    texte->addWidget(Marken);
    texte->addWidget(Zeile);
    auto* leiste = new QHBoxLayout;
    leiste->addLayout(texte, 1);
    leiste->addWidget(Sichern);
    // The weather day's choice, shown only with a file.
    auto* wetterLeiste = new QWidget(this);
    wetterLeiste->setObjectName(QStringLiteral("Wetterleiste"));
    WetterTag = new QDateEdit(wetterLeiste);
    WetterTag->setObjectName(QStringLiteral("WetterTag"));
    WetterTag->setCalendarPopup(true);
    WetterTag->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    WetterZeile = new QLabel(wetterLeiste);
    WetterZeile->setObjectName(QStringLiteral("WetterZeile"));
    auto* wetterTitel = new QLabel(tr("Tag der Wetterdatei (UTC):"), wetterLeiste);
    wetterTitel->setBuddy(WetterTag);
    auto* wetterZeilen = new QHBoxLayout(wetterLeiste);
    wetterZeilen->setContentsMargins(0, 0, 0, 0);
    wetterZeilen->addWidget(wetterTitel);
    wetterZeilen->addWidget(WetterTag);
    wetterZeilen->addWidget(WetterZeile, 1);
    wetterLeiste->hide();
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(ansicht_, 1);
    spalte->addWidget(wetterLeiste);
    spalte->addLayout(leiste);
    connect(Sichern, &QPushButton::clicked, this, &TFormTagesverlauf::Speichern);
    connect(WetterTag, &QDateEdit::dateChanged, this, [this] {
        if (!datei_) return;
        if (isVisible() && hatEingabe_)
            ZeichneWetter();
        else
            veraltet_ = true;
    });
}

void TFormTagesverlauf::Wetter(std::shared_ptr<const wetter::Datei> datei,
                               wetterjahr::Optionen optionen) {
    datei_ = std::move(datei);
    optionen_ = optionen;
    wetter_ = {};
    if (!datei_ || datei_->reihe.messungen.empty()) {
        // The chart as without a file: its curves and axis leave it.
        datei_.reset();
        for (QLineSeries*& r : wetterReihen_) {
            if (r) chart_->removeSeries(r);
            delete r;
            r = nullptr;
        }
        if (einstrahlung_) chart_->removeAxis(einstrahlung_);
        delete einstrahlung_;
        einstrahlung_ = nullptr;
        WetterTag->parentWidget()->hide();
        chart_->legend()->setAlignment(Qt::AlignBottom);
        return;
    }
    // Twelve curves do not fit in one row below the chart: a column beside it names them.
    chart_->legend()->setAlignment(Qt::AlignRight);
    if (!einstrahlung_) {
        // Added after the metre axis, so it stands outside it and the rest keeps its place.
        einstrahlung_ = new QValueAxis;
        einstrahlung_->setTitleText(tr("Einstrahlung in W/m²"));
        einstrahlung_->setLabelFormat(QStringLiteral("%.0f"));
        einstrahlung_->setGridLineVisible(false);
        chart_->addAxis(einstrahlung_, Qt::AlignRight);
        struct Art {
            const char* name;
            QColor farbe;
            double breite;
            Qt::PenStyle stil;
        };
        const Art arten[] = {
            {QT_TR_NOOP("Global gemessen (W/m²)"), QColor(0, 150, 170), 1.6, Qt::SolidLine},
            {QT_TR_NOOP("Direkt normal gemessen (W/m²)"), QColor(220, 90, 170), 1.6, Qt::SolidLine},
            {QT_TR_NOOP("Diffus gemessen (W/m²)"), QColor(110, 160, 230), 1.6, Qt::SolidLine},
            {QT_TR_NOOP("Wirksam mit Backtracking (W/m²)"), QColor(20, 20, 20), 2.6, Qt::SolidLine},
            {QT_TR_NOOP("Wirksam ohne Backtracking (W/m²)"), QColor(150, 150, 150), 2.6,
             Qt::DashDotLine},
        };
        for (std::size_t k = 0; k < wetterReihen_.size(); ++k) {
            auto* r = new QLineSeries;
            r->setName(tr(arten[k].name));
            QPen stift(arten[k].farbe);
            stift.setWidthF(arten[k].breite);
            stift.setStyle(arten[k].stil);
            r->setPen(stift);
            r->setPointsVisible(true); // the rows, not a curve between them, were measured
            chart_->addSeries(r);
            r->attachAxis(zeitachse_);
            r->attachAxis(einstrahlung_);
            wetterReihen_[k] = r;
        }
    }
    // The UTC dates the rows stand at (a typical year's months come from different years).
    QDate erster = AlsQDate(datei_->reihe.messungen.front()), letzter = erster;
    for (const messreihe::Messung& m : datei_->reihe.messungen) {
        const QDate d = AlsQDate(m);
        erster = std::min(erster, d);
        letzter = std::max(letzter, d);
    }
    {
        const QSignalBlocker still(WetterTag);
        WetterTag->setDateRange(erster, letzter);
        monatTag_ = eingabe_.Monat * 100 + eingabe_.Tag;
        const QDate ersterTag(datei_->erster.jahr, datei_->erster.monat, datei_->erster.tag);
        WetterTag->setDate(TagDerEingabe().value_or(
            std::clamp(ersterTag.isValid() ? ersterTag : erster, erster, letzter)));
    }
    WetterTag->parentWidget()->show();
    if (isVisible() && hatEingabe_)
        ZeichneWetter();
    else
        veraltet_ = true;
}

std::optional<QDate> TFormTagesverlauf::TagDerEingabe() const {
    for (const messreihe::Messung& m : datei_->reihe.messungen)
        if (m.monat == eingabe_.Monat && m.tag == eingabe_.Tag) return AlsQDate(m);
    return std::nullopt;
}

void TFormTagesverlauf::ZeichneWetter() {
    const QDate d = WetterTag->date();
    try {
        wetter_ = wetterjahr::Tag(wetterjahr::AmOrt(eingabe_, datei_->reihe.ort), datei_->reihe,
                                  d.year(), d.month(), d.day(), optionen_);
    } catch (const std::invalid_argument&) {
        wetter_ = {};
    }
    const std::vector<double>* werte[] = {&wetter_.ghi, &wetter_.dni, &wetter_.dhi,
                                          &wetter_.wirksamMit, &wetter_.wirksamOhneBacktracking};
    double groesste = 0;
    for (std::size_t k = 0; k < wetterReihen_.size(); ++k) {
        QList<QPointF> punkte;
        punkte.reserve(static_cast<qsizetype>(wetter_.stunden.size()));
        for (std::size_t i = 0; i < wetter_.stunden.size(); ++i) {
            punkte.append({wetter_.stunden[i], (*werte[k])[i]});
            groesste = std::max(groesste, (*werte[k])[i]);
        }
        wetterReihen_[k]->replace(punkte);
    }
    // Every 100 W/m^2 on a dim day, every 200 above 600; at least up to 200.
    const double schritt = groesste > 600 ? 200 : 100;
    const double oben = std::max(200.0, std::ceil(groesste / schritt) * schritt);
    einstrahlung_->setRange(0, oben);
    einstrahlung_->setTickCount(static_cast<int>(oben / schritt) + 1);
    const QString datum = d.toString(Qt::ISODate);
    WetterZeile->setText(
        wetter_.stunden.empty()
            ? tr("Die Wetterdatei hat am %1 (UTC) keine Zeilen.").arg(datum)
            : tr("Zeilen am %1 (UTC): %2, am Ort der Wetterdatei (Breite %3°, Länge %4°)")
                  .arg(datum, QString::number(wetter_.stunden.size()),
                       zahltext::Allgemein(datei_->reihe.ort.breite),
                       zahltext::Allgemein(-datei_->reihe.ort.laengeOst)));
}

QLineSeries* TFormTagesverlauf::NeueReihe(const QString& name, QValueAxis* achse,
                                          const QPen& stift) {
    auto* r = new QLineSeries;
    r->setName(name);
    r->setPen(stift);
    chart_->addSeries(r);
    r->attachAxis(zeitachse_);
    r->attachAxis(achse);
    connect(r, &QLineSeries::hovered, this, [this](const QPointF& p, bool drin) {
        if (drin) QToolTip::showText(QCursor::pos(), Hinweis(p.x()), ansicht_);
    });
    return r;
}

QList<QList<QPointF>> TFormTagesverlauf::Abschnitte(const QList<QPointF>& punkte, double unten,
                                                    double oben) {
    QList<QList<QPointF>> teile;
    QList<QPointF> teil;
    const auto schliesse = [&] {
        if (teil.size() >= 2) teile.append(teil);
        teil.clear();
    };
    // A rounding's worth beyond a bound still counts as on it (an overlap of -2e-16 m).
    const double rand = 1e-9 * std::max(1.0, oben - unten);
    const double innen = unten - rand, aussen = oben + rand;
    bool offen = false; // the last stretch reached the end of its segment
    for (qsizetype i = 1; i < punkte.size(); ++i) {
        const QPointF v = punkte[i - 1], p = punkte[i];
        // The part of the segment v-p within the band, as t0 ... t1 of its length.
        double t0 = 0, t1 = 1;
        bool sichtbar = std::isfinite(v.y()) && std::isfinite(p.y());
        const double dy = p.y() - v.y();
        if (sichtbar && dy == 0) {
            sichtbar = v.y() >= innen && v.y() <= aussen;
        } else if (sichtbar) {
            const double ta = (innen - v.y()) / dy, tb = (aussen - v.y()) / dy;
            t0 = std::max(t0, std::min(ta, tb));
            t1 = std::min(t1, std::max(ta, tb));
            sichtbar = t0 <= t1;
        }
        if (!sichtbar) {
            schliesse();
            offen = false;
            continue;
        }
        const auto bei = [&](double t) {
            // Within the axis exactly, so that no point lies a hair outside it.
            const double y = t == 0 ? v.y() : t == 1 ? p.y() : v.y() + t * dy;
            return QPointF(t == 0   ? v.x()
                           : t == 1 ? p.x()
                                    : v.x() + t * (p.x() - v.x()),
                           std::clamp(y, unten, oben));
        };
        if (!(offen && t0 == 0)) {
            schliesse();
            teil.append(bei(t0));
        }
        teil.append(bei(t1));
        offen = t1 == 1;
    }
    schliesse();
    return teile;
}

void TFormTagesverlauf::Setze(QLineSeries* r, const QList<QPointF>& punkte, QValueAxis* achse) {
    const QList<QList<QPointF>> teile = Abschnitte(punkte, achse->min(), achse->max());
    r->replace(teile.value(0));
    QList<QLineSeries*>& weitere = weitere_[r];
    while (weitere.size() + 1 < teile.size()) {
        QLineSeries* w = NeueReihe(r->name(), achse, r->pen());
        for (QLegendMarker* m : chart_->legend()->markers(w))
            m->setVisible(false);
        weitere.append(w);
    }
    for (qsizetype k = 0; k < weitere.size(); ++k)
        weitere[k]->replace(teile.value(k + 1));
}

void TFormTagesverlauf::Berechnet(const RechenlaufEingabe& e, bool anschlaege) {
    eingabe_ = e;
    // The weather day follows a new month and day of the main window where the file has it,
    // not every calculation (a day chosen in the field stays while the time runs).
    if (datei_ && e.Monat * 100 + e.Tag != monatTag_) {
        monatTag_ = e.Monat * 100 + e.Tag;
        if (const std::optional<QDate> d = TagDerEingabe()) {
            const QSignalBlocker still(WetterTag);
            WetterTag->setDate(*d);
        }
    }
    anschlaege_ = anschlaege;
    hatEingabe_ = true;
    veraltet_ = true;
    if (isVisible()) Zeichne();
}

void TFormTagesverlauf::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    if (veraltet_ && hatEingabe_) Zeichne();
}

void TFormTagesverlauf::Zeichne() {
    veraltet_ = false;
    tag_ = jahresstudie::BerechneTag(eingabe_, Schritt, anschlaege_);
    suchen_.emplace(eingabe_);

    // The degree axis spans every angle shown; the metre axis the shadow (long shadows at
    // sunrise are cut at 20 m so the day stays readable).
    double lo = -90, hi = 90;
    for (const auto* v : {&tag_.hoehe, &tag_.azimut, &tag_.position, &tag_.winkel})
        for (double x : *v) {
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
    lo = std::floor(lo / 45) * 45;
    hi = std::ceil(hi / 45) * 45;
    grad_->setRange(lo, hi);
    grad_->setTickCount(static_cast<int>((hi - lo) / 45) + 1); // every 45 degrees
    double m = 1;
    for (const auto* v : {&tag_.schatten, &tag_.verschattung})
        for (double x : *v)
            m = std::max(m, std::min(x, 20.0));
    const double meter = std::ceil(m / 5) * 5;
    meter_->setRange(0, meter);
    meter_->setTickCount(static_cast<int>(meter / 5) + 1);

    const auto fuelle = [this](QLineSeries* r, const std::vector<double>& werte,
                               QValueAxis* achse) {
        QList<QPointF> punkte;
        punkte.reserve(static_cast<qsizetype>(werte.size()));
        for (std::size_t i = 0; i < werte.size(); ++i)
            punkte.append({tag_.stunden[i], werte[i]});
        Setze(r, punkte, achse);
    };
    fuelle(hoehe_, tag_.hoehe, grad_);
    fuelle(azimut_, tag_.azimut, grad_);
    fuelle(position_, tag_.position, grad_);
    fuelle(winkel_, tag_.winkel, grad_);
    fuelle(schatten_, tag_.schatten, meter_);
    fuelle(verschattung_, tag_.verschattung, meter_);

    const auto senkrecht = [&](QLineSeries* r, double stunden) {
        if (stunden < 0)
            r->clear();
        else
            r->replace(QList<QPointF>{{stunden, lo}, {stunden, hi}});
    };
    const double jetzt = Augenblick(eingabe_);
    senkrecht(jetzt_, jetzt);
    senkrecht(aufgang_, tag_.aufgang);
    senkrecht(untergang_, tag_.untergang);
    senkrecht(wende_, tag_.wendeStunde + tag_.wendeMinute / 60.0);
    chart_->setTitle(tr("%1-%2-%3 (UTC), Breite %4°, Länge %5°")
                         .arg(QString::number(eingabe_.Jahr),
                              QStringLiteral("%1").arg(eingabe_.Monat, 2, 10, QLatin1Char('0')),
                              QStringLiteral("%1").arg(eingabe_.Tag, 2, 10, QLatin1Char('0')),
                              zahltext::Allgemein(eingabe_.Phi),
                              zahltext::Allgemein(eingabe_.Lam)));
    Zeile->setText(Hinweis(jetzt));
    // What the day holds: at a site whose daylight crosses 0:00 UTC the evening it begins with
    // is no sunrise, and at midnight sun neither happens.
    const QString wende = Zeit(tag_.wendeStunde + tag_.wendeMinute / 60.0);
    const bool auf = tag_.aufgang >= 0, unter = tag_.untergang >= 0;
    Marken->setText(
        auf && unter ? tr("Gepunktet: Sonnenaufgang %1, Sonnenwende %2, Sonnenuntergang %3")
                           .arg(Zeit(tag_.aufgang), wende, Zeit(tag_.untergang))
        : auf ? tr("Gepunktet: Sonnenaufgang %1, Sonnenwende %2").arg(Zeit(tag_.aufgang), wende)
        : unter
            ? tr("Gepunktet: Sonnenwende %1, Sonnenuntergang %2").arg(wende, Zeit(tag_.untergang))
            : tr("Gepunktet: Sonnenwende %1").arg(wende));
    if (datei_) ZeichneWetter();
}

QString TFormTagesverlauf::Hinweis(double stunden) const {
    if (tag_.stunden.empty()) return {};
    // As BerechneTag draws an instant, on the path of the chart's sample before it.
    std::optional<double> weg;
    for (std::size_t i = 0; i < tag_.stunden.size() && tag_.stunden[i] <= stunden; ++i)
        weg = tag_.hoehe[i] < 0 ? std::optional<double>() : tag_.trackerPos[i];
    const jahresstudie::Gezeichnet g =
        jahresstudie::Zeichne(*suchen_, eingabe_, stunden, anschlaege_, weg);
    const RechenlaufErgebnis& r = g.r;
    const double position = g.position;
    using zahltext::Fest;
    return tr("%1 UTC: Höhe %2°, Azimut %3°, Position %4°, WinkelZurSonne %5°, Schatten %6 m, "
              "Verschattung %7 m")
        .arg(Zeit(stunden), Fest(r.Hoehe, 2), Fest(r.Azimut, 2), Fest(position, 2),
             Fest(r.WinkelZurSonne, 2), Fest(r.Schatten, 3), Fest(r.Verschattung, 3));
}

QString TFormTagesverlauf::Csv() const {
    QString t = QStringLiteral("Zeit,Azimut,Hoehe,Schatten,WinkelZurSonne,TrackerPos,Verschattung");
    // With a weather file its day's rows stand beside the chart's instants, line by line from
    // the first, with their own date and UTC hours: their instants are not the chart's.
    if (datei_)
        t += QStringLiteral(",Wetterdatum,Wetterstunden,GHI,DNI,DHI,WirksamMitBacktracking,"
                            "WirksamOhneBacktracking");
    t += QLatin1Char('\n');
    const std::size_t zeilen =
        datei_ ? std::max(tag_.stunden.size(), wetter_.stunden.size()) : tag_.stunden.size();
    const QString datum = datei_ ? WetterTag->date().toString(Qt::ISODate) : QString();
    for (std::size_t i = 0; i < zeilen; ++i) {
        if (i < tag_.stunden.size())
            t += QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                     .arg(Zeit(tag_.stunden[i]))
                     .arg(tag_.azimut[i], 0, 'g', 17)
                     .arg(tag_.hoehe[i], 0, 'g', 17)
                     .arg(tag_.schatten[i], 0, 'g', 17)
                     .arg(tag_.winkel[i], 0, 'g', 17)
                     .arg(tag_.trackerPos[i], 0, 'g', 17)
                     .arg(tag_.verschattung[i], 0, 'g', 17);
        else
            t += QStringLiteral(",,,,,,");
        if (datei_ && i < wetter_.stunden.size())
            t += QStringLiteral(",%1,%2,%3,%4,%5,%6,%7")
                     .arg(datum)
                     .arg(wetter_.stunden[i], 0, 'g', 17)
                     .arg(wetter_.ghi[i], 0, 'g', 17)
                     .arg(wetter_.dni[i], 0, 'g', 17)
                     .arg(wetter_.dhi[i], 0, 'g', 17)
                     .arg(wetter_.wirksamMit[i], 0, 'g', 17)
                     .arg(wetter_.wirksamOhneBacktracking[i], 0, 'g', 17);
        else if (datei_)
            t += QStringLiteral(",,,,,,,");
        t += QLatin1Char('\n');
    }
    return t;
}

bool TFormTagesverlauf::Speichere(const QString& basis, QString& fehler) {
    const QString marken = Marken->text();
    const std::pair<QString, QByteArray> dateien[] = {
        {basis + QStringLiteral(".png"), diagrammbild::Png(*ansicht_, marken)},
        {basis + QStringLiteral(".svg"), diagrammbild::Svg(*ansicht_, chart_->title(), marken)},
        {basis + QStringLiteral(".csv"), Csv().toUtf8()}};
    fehler = diagrammbild::Schreibe(dateien);
    return fehler.isEmpty();
}

void TFormTagesverlauf::Speichern() {
    QString pfad =
        dialoge::DateiSpeichern(this, tr("Tagesverlauf speichern"),
                                QStringLiteral("tagesverlauf.png"), QStringLiteral("*.png"));
    if (pfad.isEmpty()) return;
    // One name for the three files: the picture, the drawing and the values.
    for (const char* endung : {".png", ".svg", ".csv"})
        if (pfad.endsWith(QLatin1String(endung), Qt::CaseInsensitive)) pfad.chop(4);
    QString fehler;
    if (!Speichere(pfad, fehler)) dialoge::Meldung(this, tr("Tagesverlauf"), fehler);
}
