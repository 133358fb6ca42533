#include "workspace/tagesverlauf.h"

#include "widgets/dialoge.h"
#include "workspace/diagrammbild.h"

#include <QChart>
#include <QChartView>
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

namespace {

QString Zeit(double stunden) {
    const int minuten = static_cast<int>(std::lround(stunden * 60));
    return QStringLiteral("%1:%2")
        .arg(minuten / 60, 2, 10, QLatin1Char('0'))
        .arg(minuten % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TFormTagesverlauf::TFormTagesverlauf(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTagesverlauf"));
    setWindowTitle(tr("Tagesverlauf"));
    resize(900, 560);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    zeitachse_ = new QValueAxis;
    zeitachse_->setRange(0, 24);
    zeitachse_->setTickCount(9);
    zeitachse_->setLabelFormat(QStringLiteral("%d"));
    zeitachse_->setTitleText(tr("Zeit (UTC) in h"));
    grad_ = new QValueAxis;
    grad_->setTitleText(tr("Winkel in °"));
    meter_ = new QValueAxis;
    meter_->setTitleText(tr("Länge in m"));
    chart_->addAxis(zeitachse_, Qt::AlignBottom);
    chart_->addAxis(grad_, Qt::AlignLeft);
    chart_->addAxis(meter_, Qt::AlignRight);

    const auto reihe = [this](const QString& name, QValueAxis* achse, QColor farbe,
                              Qt::PenStyle stil = Qt::SolidLine) {
        auto* r = new QLineSeries;
        r->setName(name);
        QPen stift(farbe);
        stift.setWidthF(1.8);
        stift.setStyle(stil);
        r->setPen(stift);
        chart_->addSeries(r);
        r->attachAxis(zeitachse_);
        r->attachAxis(achse);
        connect(r, &QLineSeries::hovered, this, [this](const QPointF& p, bool drin) {
            if (drin) QToolTip::showText(QCursor::pos(), Hinweis(p.x()), ansicht_);
        });
        return r;
    };
    hoehe_ = reihe(tr("Sonnenhöhe"), grad_, QColor(230, 160, 0));
    azimut_ = reihe(tr("Azimut"), grad_, QColor(200, 60, 40));
    position_ = reihe(tr("Trackerposition"), grad_, QColor(30, 90, 200));
    winkel_ = reihe(tr("WinkelZurSonne"), grad_, QColor(120, 40, 160));
    schatten_ = reihe(tr("Schatten (m)"), meter_, QColor(90, 90, 90), Qt::DashLine);
    verschattung_ = reihe(tr("Verschattung (m)"), meter_, QColor(0, 140, 70), Qt::DashLine);
    jetzt_ = reihe(tr("Zeit der Eingabe"), grad_, Qt::black, Qt::DotLine);
    aufgang_ = reihe(tr("Sonnenaufgang"), grad_, QColor(230, 160, 0), Qt::DotLine);
    untergang_ = reihe(tr("Sonnenuntergang"), grad_, QColor(150, 100, 0), Qt::DotLine);
    wende_ = reihe(tr("Sonnenwende"), grad_, QColor(200, 60, 40), Qt::DotLine);

    // The marks are named below the chart; the legend keeps to the curves.
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
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(ansicht_, 1);
    spalte->addLayout(leiste);
    connect(Sichern, &QPushButton::clicked, this, &TFormTagesverlauf::Speichern);
}

void TFormTagesverlauf::Berechnet(const RechenlaufEingabe& e, bool anschlaege) {
    eingabe_ = e;
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
    const auto fuelle = [this](QLineSeries* r, const std::vector<double>& werte) {
        QList<QPointF> punkte;
        punkte.reserve(static_cast<qsizetype>(werte.size()));
        for (std::size_t i = 0; i < werte.size(); ++i)
            punkte.append({tag_.stunden[i], werte[i]});
        r->replace(punkte);
    };
    fuelle(hoehe_, tag_.hoehe);
    fuelle(azimut_, tag_.azimut);
    fuelle(position_, tag_.position);
    fuelle(winkel_, tag_.winkel);
    fuelle(schatten_, tag_.schatten);
    fuelle(verschattung_, tag_.verschattung);

    // The degree axis spans every angle shown; the metre axis the shadow (long shadows at
    // sunrise are capped at 20 m so the day stays readable).
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
    meter_->setLabelFormat(QStringLiteral("%.0f"));
    grad_->setLabelFormat(QStringLiteral("%.0f"));

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
                         .arg(eingabe_.Jahr)
                         .arg(eingabe_.Monat, 2, 10, QLatin1Char('0'))
                         .arg(eingabe_.Tag, 2, 10, QLatin1Char('0'))
                         .arg(eingabe_.Phi)
                         .arg(eingabe_.Lam));
    Zeile->setText(Hinweis(jetzt));
    Marken->setText(
        tag_.aufgang < 0
            ? tr("Gepunktet: Sonnenwende %1").arg(Zeit(tag_.wendeStunde + tag_.wendeMinute / 60.0))
            : tr("Gepunktet: Sonnenaufgang %1, Sonnenwende %2, Sonnenuntergang %3")
                  .arg(Zeit(tag_.aufgang), Zeit(tag_.wendeStunde + tag_.wendeMinute / 60.0),
                       Zeit(tag_.untergang)));
}

QString TFormTagesverlauf::Hinweis(double stunden) const {
    if (tag_.stunden.empty()) return {};
    const auto i = static_cast<std::size_t>(std::clamp(std::lround(stunden * 60 / Schritt), 0L,
                                                       static_cast<long>(tag_.stunden.size() - 1)));
    return tr("%1 UTC: Höhe %2°, Azimut %3°, Position %4°, WinkelZurSonne %5°, Schatten %6 m, "
              "Verschattung %7 m")
        .arg(Zeit(tag_.stunden[i]))
        .arg(tag_.hoehe[i], 0, 'f', 2)
        .arg(tag_.azimut[i], 0, 'f', 2)
        .arg(tag_.position[i], 0, 'f', 2)
        .arg(tag_.winkel[i], 0, 'f', 2)
        .arg(tag_.schatten[i], 0, 'f', 3)
        .arg(tag_.verschattung[i], 0, 'f', 3);
}

QString TFormTagesverlauf::Csv() const {
    QString t =
        QStringLiteral("Zeit,Azimut,Hoehe,Schatten,WinkelZurSonne,TrackerPos,Verschattung\n");
    for (std::size_t i = 0; i < tag_.stunden.size(); ++i)
        t += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                 .arg(Zeit(tag_.stunden[i]))
                 .arg(tag_.azimut[i], 0, 'g', 17)
                 .arg(tag_.hoehe[i], 0, 'g', 17)
                 .arg(tag_.schatten[i], 0, 'g', 17)
                 .arg(tag_.winkel[i], 0, 'g', 17)
                 .arg(tag_.trackerPos[i], 0, 'g', 17)
                 .arg(tag_.verschattung[i], 0, 'g', 17);
    return t;
}

bool TFormTagesverlauf::Speichere(const QString& basis, QString& fehler) {
    const std::pair<QString, QByteArray> dateien[] = {
        {basis + QStringLiteral(".png"), diagrammbild::Png(*ansicht_)},
        {basis + QStringLiteral(".svg"), diagrammbild::Svg(*ansicht_, chart_->title())},
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
    if (!Speichere(pfad, fehler))
        dialoge::Meldung(this, tr("Tagesverlauf"),
                         tr("In %1 kann nicht geschrieben werden").arg(fehler));
}
