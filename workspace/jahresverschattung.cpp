#include "workspace/jahresverschattung.h"

#include "basis/zahltext.h"
#include "geometry/jahrescsv.h"
#include "geometry/variationsgroessen.h"
#include "widgets/dialoge.h"
#include "workspace/diagrammbild.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>
#include <pthread.h>
#include <sched.h>
#include <stdexcept>
#include <tuple>

namespace {

using jahresstudie::Summe;

const char* const Monate[] = {QT_TRANSLATE_NOOP("TFormJahresverschattung", "Jan"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Feb"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Mär"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Apr"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Mai"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Jun"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Jul"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Aug"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Sep"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Okt"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Nov"),
                              QT_TRANSLATE_NOOP("TFormJahresverschattung", "Dez")};

// The three ways, in the table's, the bars' and the CSV's order.
constexpr Summe jahresstudie::Drei::*Arten[] = {&jahresstudie::Drei::mitBacktracking,
                                                &jahresstudie::Drei::ohneFehler,
                                                &jahresstudie::Drei::ohneBacktracking};

// Puts the calling thread in the idle scheduling class: the study's threads then take only
// what the GUI thread leaves. With every core computing at normal priority the main window's
// recalculation and the day chart once waited up to 23 ms for a core, at nice 10 still 17 ms.
// Any user may lower a thread to this class; if it fails the study just runs as before.
void Nachrangig() {
    sched_param p{};
    p.sched_priority = 0;
    ::pthread_setschedparam(::pthread_self(), SCHED_IDLE, &p);
}

// An axis from 0 to a round value above hoechster, with ticks at round steps.
void RundeAchse(QValueAxis& achse, double hoechster) {
    // The finest of the steps 1, 2, 5 times a power of ten that needs at most 8 of them.
    double stufe = 1000;
    int stellen = 0;
    for (const auto& [s, n] : {std::pair{0.01, 2},
                               {0.02, 2},
                               {0.05, 2},
                               {0.1, 1},
                               {0.2, 1},
                               {0.5, 1},
                               {1.0, 0},
                               {2.0, 0},
                               {5.0, 0},
                               {10.0, 0},
                               {20.0, 0},
                               {50.0, 0},
                               {100.0, 0},
                               {200.0, 0},
                               {500.0, 0}})
        if (std::ceil(hoechster / s - 1e-9) <= 8) {
            stufe = s;
            stellen = n;
            break;
        }
    const double oben = std::max(stufe, std::ceil(hoechster / stufe - 1e-9) * stufe);
    achse.setRange(0, oben);
    achse.setTickCount(static_cast<int>(std::lround(oben / stufe)) + 1);
    achse.setLabelFormat(QStringLiteral("%.%1f").arg(stellen));
}

// A logarithmic percent axis over the decades from the smallest loss above zero to the
// largest, so that backtracking's hundredths of a percent show beside the tens of percent
// without it. A loss of 0 has no bar.
double LogAchse(QLogValueAxis& achse, double kleinster, double hoechster) {
    const double unten =
        kleinster > 0 ? std::pow(10.0, std::max(-4.0, std::floor(std::log10(kleinster)))) : 1e-3;
    const double oben =
        std::max(unten * 10, hoechster > 0 ? std::pow(10.0, std::ceil(std::log10(hoechster))) : 1);
    achse.setBase(10);
    achse.setRange(unten, std::min(oben, 100.0));
    // With a precision: the toolkit's localized labels drop a bare "%g".
    achse.setLabelFormat(QStringLiteral("%.3g"));
    achse.setMinorTickCount(-1);
    return unten;
}

QTableWidgetItem* Zelle(const QString& text) {
    auto* z = new QTableWidgetItem(text);
    z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return z;
}

// A chart with its title, numbers as the edits show them, in a view of that object name.
QChartView* NeueAnsicht(const QString& titel, const char* name, QWidget* eltern) {
    auto* c = new QChart;
    c->setTitle(titel);
    c->legend()->setAlignment(Qt::AlignBottom);
    diagrammbild::Zahlenformat(*c);
    auto* ansicht = new QChartView(c, eltern);
    ansicht->setObjectName(QString::fromLatin1(name));
    ansicht->setRenderHint(QPainter::Antialiasing);
    ansicht->setMinimumHeight(200);
    return ansicht;
}

void Leere(QChart& c) {
    c.removeAllSeries();
    for (QAbstractAxis* a : c.axes())
        c.removeAxis(a);
}

} // namespace

TFormJahresverschattung::TFormJahresverschattung(QWidget* parent) : QDialog(parent) {
    Baue();
}

TFormJahresverschattung::~TFormJahresverschattung() {
    abbruch_ = true;
    if (thread_.joinable()) thread_.join();
}

void TFormJahresverschattung::Baue() {
    setObjectName(QStringLiteral("FormJahresverschattung"));
    setWindowTitle(tr("Jahresverschattung"));
    resize(1000, 700);

    Schritt = new QSpinBox(this);
    Schritt->setObjectName(QStringLiteral("Schritt"));
    Schritt->setRange(1, 60);
    Schritt->setValue(5);
    Schritt->setSuffix(tr(" min"));
    Start = new QPushButton(tr("&Rechnen"), this);
    Start->setObjectName(QStringLiteral("Rechnen"));
    Abbrechen = new QPushButton(tr("A&bbrechen"), this);
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    Abbrechen->setEnabled(false);
    Sichern = new QPushButton(tr("&Speichern"), this);
    Sichern->setObjectName(QStringLiteral("Speichern"));
    Sichern->setEnabled(false); // nothing computed yet
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, 365);
    Fortschritt->setValue(0);
    for (QPushButton* k : {Start, Abbrechen, Sichern})
        k->setAutoDefault(false);
    Uhr = new QTimer(this);
    Uhr->setObjectName(QStringLiteral("Uhr"));
    Uhr->setInterval(100);
    connect(Uhr, &QTimer::timeout, this, [this] { Fortschritt->setValue(tage_.load()); });

    Tabelle = new QTableWidget(13, 12, this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Each column: the way, the figure, its unit.
    const QString arten[] = {tr("mit BT"), tr("ohne Fehler"), tr("ohne BT")};
    const QString groessen[] = {tr("Strahlung\nkWh/m²"), tr("Verlust\n%"), tr("unversch.\nkWh/m²"),
                                tr("teilv.\nh")};
    const QString erklaerungen[] = {
        tr("Strahlung auf dem Modul in kWh/m²"),
        tr("Anteil der Strahlung, den der Schatten der Nachbarreihe nimmt, in %"),
        tr("Strahlung auf dem unverschatteten Teil des Moduls in kWh/m²"),
        tr("Stunden, in denen das Modul teilweise verschattet ist")};
    const QString artErklaerungen[] = {tr("mit Backtracking, mit den Aufstellfehlern"),
                                       tr("mit Backtracking, ohne Aufstellfehler"),
                                       tr("ohne Backtracking, mit den Aufstellfehlern")};
    for (int a = 0; a < 3; ++a)
        for (int g = 0; g < 4; ++g) {
            auto* kopf = new QTableWidgetItem(arten[a] + u'\n' + groessen[g]);
            kopf->setToolTip(erklaerungen[g] + QStringLiteral(" (") + artErklaerungen[a] + u')');
            Tabelle->setHorizontalHeaderItem(4 * a + g, kopf);
        }
    // Rows as high as their text, so that the twelve months and the year show without
    // scrolling on a 1024x768 screen.
    Tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QStringList zeilen;
    for (const char* m : Monate)
        zeilen << tr(m);
    zeilen << tr("Jahr");
    Tabelle->setVerticalHeaderLabels(zeilen);
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* erklaerung =
        new QLabel(tr("BT: Backtracking. Ohne Fehler: ohne Aufstellfehler. Verlust: Anteil der "
                      "Strahlung auf dem verschatteten Teil. Unversch.: Strahlung auf dem "
                      "unverschatteten Teil. Teilv.: Stunden mit teilverschattetem Modul."),
                   this);
    erklaerung->setObjectName(QStringLiteral("Erklaerung"));
    erklaerung->setWordWrap(true);

    Monatsbilder = new QWidget;
    Monatsbilder->setObjectName(QStringLiteral("Monatsbilder"));
    auto* bilder = new QVBoxLayout(Monatsbilder);
    for (auto [titel, name, chart] :
         {std::tuple{tr("Verlust durch Verschattung je Monat in % (logarithmisch)"), "Balken",
                     &Balken},
          {tr("Teilverschattete Stunden je Monat"), "Stunden", &Stunden}}) {
        QChartView* ansicht = NeueAnsicht(titel, name, Monatsbilder);
        *chart = ansicht->chart();
        bilder->addWidget(ansicht, 1);
    }

    Groesse = new QComboBox(this);
    Groesse->setObjectName(QStringLiteral("Groesse"));
    for (const variation::Groesse& g : variation::Groessen)
        Groesse->addItem(QCoreApplication::translate("variation", g.text));
    Von = new QLineEdit(QStringLiteral("-20"), this);
    Von->setObjectName(QStringLiteral("Von"));
    Bis = new QLineEdit(QStringLiteral("20"), this);
    Bis->setObjectName(QStringLiteral("Bis"));
    Weite = new QLineEdit(QStringLiteral("1"), this);
    Weite->setObjectName(QStringLiteral("Weite"));
    Variieren = new QPushButton(tr("&Variieren"), this);
    Variieren->setObjectName(QStringLiteral("Variieren"));
    Variieren->setAutoDefault(false);
    Variationstabelle = new QTableWidget(0, 4, this);
    Variationstabelle->setObjectName(QStringLiteral("Variationstabelle"));
    Variationstabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Variationstabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Variationstabelle->verticalHeader()->hide();
    Variationstabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Variationstabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Extreme = new QLabel(this);
    Extreme->setObjectName(QStringLiteral("Extreme"));
    Extreme->setWordWrap(true);

    auto* oben = new QHBoxLayout;
    auto* schrittText = new QLabel(tr("S&chritt:"), this);
    schrittText->setBuddy(Schritt);
    oben->addWidget(schrittText);
    oben->addWidget(Schritt);
    oben->addWidget(Start);
    oben->addWidget(Abbrechen);
    oben->addWidget(Fortschritt, 1);
    oben->addWidget(Sichern);
    auto* variation = new QHBoxLayout;
    auto* groesseText = new QLabel(tr("&Größe:"), this);
    groesseText->setBuddy(Groesse);
    variation->addWidget(groesseText);
    variation->addWidget(Groesse);
    for (auto [text, feld] :
         {std::pair{tr("vo&n"), Von}, {tr("b&is"), Bis}, {tr("Schri&tt"), Weite}}) {
        auto* l = new QLabel(text, this);
        l->setBuddy(feld);
        variation->addWidget(l);
        feld->setMaximumWidth(70);
        variation->addWidget(feld);
    }
    variation->addWidget(Variieren);
    variation->addStretch();
    QChartView* kurve = NeueAnsicht(tr("Jahresverlust mit Backtracking in %"), "Kurve", this);
    Kurve = kurve->chart();
    Kurve->legend()->hide();
    auto* unten = new QHBoxLayout;
    unten->addWidget(Variationstabelle, 1);
    unten->addWidget(kurve, 2);

    // Three pages, so that each has the height it needs on a 1024x768 screen: the months (the
    // whole table), their charts, and the sensitivity (the sweep, its table and curve).
    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    auto* monatsSeite = new QWidget;
    auto* monatsSpalte = new QVBoxLayout(monatsSeite);
    monatsSpalte->addWidget(Tabelle);
    monatsSpalte->addWidget(erklaerung);
    monatsSpalte->addStretch(1);
    Seiten->addTab(monatsSeite, tr("&Monate"));
    Seiten->addTab(Monatsbilder, tr("&Diagramme"));
    auto* variationsSeite = new QWidget;
    auto* variationsSpalte = new QVBoxLayout(variationsSeite);
    variationsSpalte->addLayout(variation);
    variationsSpalte->addLayout(unten, 1);
    Seiten->addTab(variationsSeite, tr("&Empfindlichkeit"));
    const int hoehe = Tabelle->horizontalHeader()->sizeHint().height() +
                      13 * Tabelle->verticalHeader()->defaultSectionSize() +
                      2 * Tabelle->frameWidth();
    Tabelle->setMinimumHeight(hoehe);
    Tabelle->setMaximumHeight(hoehe);
    Tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(Extreme);
    spalte->addWidget(Seiten, 1);

    connect(Start, &QPushButton::clicked, this, &TFormJahresverschattung::Rechne);
    connect(Variieren, &QPushButton::clicked, this, &TFormJahresverschattung::Variiere);
    connect(Abbrechen, &QPushButton::clicked, this, [this] { abbruch_ = true; });
    connect(Sichern, &QPushButton::clicked, this, &TFormJahresverschattung::Speichern);
}

void TFormJahresverschattung::Berechnet(const RechenlaufEingabe& e, bool) {
    eingabe_ = e;
}

void TFormJahresverschattung::Warte() {
    if (thread_.joinable()) thread_.join();
}

void TFormJahresverschattung::Rechne() {
    if (Laeuft()) return;
    Beginne(jahresstudie::TageImJahr(eingabe_.Jahr));
    const RechenlaufEingabe e = eingabe_;
    const int schritt = Schritt->value();
    thread_ = std::thread([this, e, schritt] {
        Nachrangig();
        jahresstudie::Ergebnis r =
            jahresstudie::Rechne(e, schritt, &abbruch_, [this](int t) { tage_ = t; });
        fertig_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, r = std::move(r), jahr = e.Jahr] {
                if (!r.abgebrochen) studie_ = Studie{r, jahr};
                Ende();
                if (!r.abgebrochen) {
                    Zeige();
                    Seiten->setCurrentIndex(0);
                }
            },
            Qt::QueuedConnection);
    });
}

void TFormJahresverschattung::Variiere() {
    if (Laeuft()) return;
    double von = 0, bis = 0, weite = 0;
    try {
        von = zahltext::AlsGleitkomma(Von->text());
        bis = zahltext::AlsGleitkomma(Bis->text());
        weite = zahltext::AlsGleitkomma(Weite->text());
    } catch (const zahltext::KonvertierFehler& f) {
        dialoge::Meldung(this, tr("Jahresverschattung"), f.meldung());
        return;
    }
    std::vector<double> werte;
    try {
        werte = jahresstudie::Werte(von, bis, weite);
    } catch (const jahresstudie::WerteFehler&) {
        werte.clear();
    }
    if (werte.empty()) {
        dialoge::Meldung(this, tr("Jahresverschattung"),
                         tr("Von, bis und Schritt: von <= bis, Schritt > 0 und groß genug, den "
                            "Wert zu ändern, höchstens 1001 Werte"));
        return;
    }
    Beginne(static_cast<int>(werte.size()));
    const RechenlaufEingabe e = eingabe_;
    const int schritt = Schritt->value();
    const int groesse = std::max(0, Groesse->currentIndex());
    const auto feld = variation::Groessen[groesse].feld;
    thread_ = std::thread([this, e, schritt, feld, groesse, werte = std::move(werte)] {
        std::vector<Summe> summen = jahresstudie::Variiere(e, feld, werte, schritt, &abbruch_,
                                                           Nachrangig, [this] { ++tage_; });
        const bool abgebrochen = abbruch_;
        fertig_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, v = Variation{werte, std::move(summen), groesse}, abgebrochen] {
                if (!abgebrochen) variation_ = v;
                Ende();
                if (!abgebrochen) {
                    ZeigeVariation();
                    Seiten->setCurrentIndex(2);
                }
            },
            Qt::QueuedConnection);
    });
}

void TFormJahresverschattung::Beginne(int schritte) {
    Warte();
    abbruch_ = false;
    fertig_ = false;
    tage_ = 0;
    Fortschritt->setRange(0, schritte);
    Fortschritt->setValue(0);
    Start->setEnabled(false);
    Variieren->setEnabled(false);
    Sichern->setEnabled(false);
    Abbrechen->setEnabled(true);
    Uhr->start();
}

void TFormJahresverschattung::Ende() {
    Warte();
    Uhr->stop();
    Fortschritt->setValue(tage_.load());
    Start->setEnabled(true);
    Variieren->setEnabled(true);
    Sichern->setEnabled(studie_ || variation_);
    Abbrechen->setEnabled(false);
    emit fertig();
}

void TFormJahresverschattung::Zeige() {
    const jahresstudie::Ergebnis& r = studie_->ergebnis;
    const auto zeile = [this](int z, const jahresstudie::Drei& d) {
        int s = 0;
        for (const auto art : Arten)
            for (const double x : {(d.*art).strahlung, (d.*art).VerlustProzent(),
                                   (d.*art).Unverschattet(), (d.*art).teilverschattet}) {
                Tabelle->setItem(z, s, Zelle(zahltext::Fest(x, s % 4 == 1 ? 3 : 1)));
                ++s;
            }
    };
    for (int m = 0; m < 12; ++m)
        zeile(m, r.monate[static_cast<std::size_t>(m)]);
    zeile(12, r.jahr);

    // The losses on a logarithmic axis, the partly shaded hours beside them.
    const QString namen[] = {tr("mit Backtracking"), tr("ohne Aufstellfehler"),
                             tr("ohne Backtracking")};
    double kleinster = 0, hoechster = 0, stunden = 0;
    for (const jahresstudie::Drei& m : r.monate)
        for (const auto art : Arten) {
            const double v = (m.*art).VerlustProzent();
            if (v > 0 && (kleinster == 0 || v < kleinster)) kleinster = v;
            hoechster = std::max(hoechster, v);
            stunden = std::max(stunden, (m.*art).teilverschattet);
        }
    for (QChart* c : {Balken, Stunden}) {
        Leere(*c);
        auto* reihe = new QBarSeries;
        auto* monate = new QBarCategoryAxis;
        for (const char* m : Monate)
            monate->append(tr(m));
        c->addAxis(monate, Qt::AlignBottom);
        QAbstractAxis* werte = nullptr;
        double unten = 0;
        if (c == Balken) {
            auto* log = new QLogValueAxis;
            unten = LogAchse(*log, kleinster, hoechster);
            log->setTitleText(tr("Verlust %"));
            werte = log;
        } else {
            auto* linear = new QValueAxis;
            RundeAchse(*linear, stunden);
            linear->setTitleText(tr("Stunden"));
            werte = linear;
        }
        for (int a = 0; a < 3; ++a) {
            auto* satz = new QBarSet(namen[a]);
            for (const jahresstudie::Drei& m : r.monate)
                *satz << (c == Balken ? std::max(unten, (m.*Arten[a]).VerlustProzent())
                                      : (m.*Arten[a]).teilverschattet);
            reihe->append(satz);
        }
        c->addSeries(reihe);
        c->addAxis(werte, Qt::AlignLeft);
        reihe->attachAxis(monate);
        reihe->attachAxis(werte);
    }

    const auto datum = [&](const jahresstudie::Extrem& x) {
        const int min = static_cast<int>(std::lround(x.stunden * 60));
        return QStringLiteral("%1-%2-%3 %4:%5")
            .arg(studie_->jahr)
            .arg(x.monat, 2, 10, QLatin1Char('0'))
            .arg(x.tag, 2, 10, QLatin1Char('0'))
            .arg(min / 60, 2, 10, QLatin1Char('0'))
            .arg(min % 60, 2, 10, QLatin1Char('0'));
    };
    using zahltext::Fest;
    Extreme->setText(tr("Trackerposition im Jahr: größte %1° (%2 UTC), kleinste %3° (%4 UTC); "
                        "aus den Sonnenwendtagen: max.STOP West %5°, max.STOP Ost %6°; Weg im "
                        "Jahr %7°")
                         .arg(Fest(r.groesste.position, 1), datum(r.groesste),
                              Fest(r.kleinste.position, 1), datum(r.kleinste), Fest(r.stop.West, 1),
                              Fest(r.stop.Ost, 1), Fest(r.weg, 0)));
}

void TFormJahresverschattung::ZeigeVariation() {
    const Variation& v = *variation_;
    const variation::Groesse& g = variation::Groessen[v.groesse];
    Variationstabelle->setHorizontalHeaderLabels({tr("Wert\n%1").arg(QString::fromUtf8(g.einheit)),
                                                  tr("Verlust\n%"), tr("unversch.\nkWh/m²"),
                                                  tr("teilv.\nh")});
    Variationstabelle->setRowCount(static_cast<int>(v.werte.size()));
    auto* reihe = new QLineSeries;
    double hoechster = 0;
    for (std::size_t i = 0; i < v.werte.size(); ++i) {
        const Summe& s = v.summen[i];
        const QString texte[] = {
            zahltext::Allgemein(v.werte[i]), zahltext::Fest(s.VerlustProzent(), 3),
            zahltext::Fest(s.Unverschattet(), 1), zahltext::Fest(s.teilverschattet, 1)};
        for (int k = 0; k < 4; ++k)
            Variationstabelle->setItem(static_cast<int>(i), k, Zelle(texte[k]));
        reihe->append(v.werte[i], s.VerlustProzent());
        hoechster = std::max(hoechster, s.VerlustProzent());
    }
    Leere(*Kurve);
    Kurve->addSeries(reihe);
    // Both axes with what they count and its unit.
    auto* wert = new QValueAxis;
    wert->setTitleText(QCoreApplication::translate("variation", g.text));
    wert->setLabelFormat(QStringLiteral("%.6g"));
    auto* verlust = new QValueAxis;
    verlust->setTitleText(tr("Verlust %"));
    Kurve->addAxis(wert, Qt::AlignBottom);
    Kurve->addAxis(verlust, Qt::AlignLeft);
    reihe->attachAxis(wert);
    reihe->attachAxis(verlust);
    const double von = v.werte.front(), bis = v.werte.back();
    wert->setRange(von, von < bis ? bis : von + 1);
    RundeAchse(*verlust, hoechster);
}

QString TFormJahresverschattung::Csv() const {
    return studie_
               ? QString::fromStdString(jahrescsv::Jahresstudie(studie_->ergebnis, studie_->jahr))
               : QString();
}

QString TFormJahresverschattung::VariationCsv() const {
    return variation_
               ? QString::fromStdString(jahrescsv::Variation(variation_->werte, variation_->summen))
               : QString();
}

QString TFormJahresverschattung::Speichere(const QString& basis) {
    // A page not shown is laid out at the size of the one shown first, so that its chart is
    // drawn at a real size (a page never shown has none yet).
    QWidget* gezeigt = Seiten->currentWidget();
    for (int i = 0; i < Seiten->count(); ++i)
        if (QWidget* seite = Seiten->widget(i); seite != gezeigt) {
            seite->resize(gezeigt->size());
            seite->layout()->activate();
        }
    auto* kurve = findChild<QChartView*>(QStringLiteral("Kurve"));
    std::vector<std::pair<QString, QByteArray>> dateien;
    if (studie_) {
        dateien.emplace_back(basis + QStringLiteral(".csv"), Csv().toUtf8());
        dateien.emplace_back(basis + QStringLiteral(".png"), diagrammbild::Png(*Monatsbilder));
        dateien.emplace_back(
            basis + QStringLiteral(".svg"),
            diagrammbild::Svg(*Monatsbilder,
                              Balken->title() + QStringLiteral("; ") + Stunden->title()));
    }
    if (variation_) {
        dateien.emplace_back(basis + QStringLiteral("_variation.csv"), VariationCsv().toUtf8());
        dateien.emplace_back(basis + QStringLiteral("_variation.png"), diagrammbild::Png(*kurve));
        dateien.emplace_back(basis + QStringLiteral("_variation.svg"),
                             diagrammbild::Svg(*kurve, Kurve->title()));
    }
    return diagrammbild::Schreibe(dateien);
}

void TFormJahresverschattung::Speichern() {
    if (!studie_ && !variation_) return;
    QString pfad =
        dialoge::DateiSpeichern(this, tr("Jahresverschattung speichern"),
                                QStringLiteral("jahresverschattung.csv"), QStringLiteral("*.csv"));
    if (pfad.isEmpty()) return;
    if (pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) pfad.chop(4);
    if (const QString fehler = Speichere(pfad); !fehler.isEmpty())
        dialoge::Meldung(this, tr("Jahresverschattung"), fehler);
}
