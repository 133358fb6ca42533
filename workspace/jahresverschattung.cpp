#include "workspace/jahresverschattung.h"

#include "basis/zahltext.h"
#include "widgets/dialoge.h"
#include "workspace/diagrammbild.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
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

// Puts the calling thread in the idle scheduling class: the study's threads then take only
// what the GUI thread leaves. With every core computing at normal priority the main window's
// recalculation and the day chart once waited up to 23 ms for a core, at nice 10 still 17 ms.
// Any user may lower a thread to this class; if it fails the study just runs as before.
void Nachrangig() {
    sched_param p{};
    p.sched_priority = 0;
    ::pthread_setschedparam(::pthread_self(), SCHED_IDLE, &p);
}

// A percent axis from 0 to a round value above hoechster, with ticks at round steps.
void ProzentAchse(QValueAxis& achse, double hoechster) {
    // The finest of the steps 1, 2, 5 times a power of ten that needs at most 8 of them.
    double stufe = 20;
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
                               {10.0, 0}})
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

// The four figures of one way, in the table's and the CSV's order.
std::array<double, 4> Zahlen(const Summe& s) {
    return {s.strahlung, s.VerlustProzent(), s.Unverschattet(), s.teilverschattet};
}

struct Variable {
    const char* name;
    const char* text;
    double RechenlaufEingabe::*feld;
};
const Variable Variablen[] = {
    {"endlagestarterr", QT_TRANSLATE_NOOP("TFormJahresverschattung", "Fehler Anschlag Ost in °"),
     &RechenlaufEingabe::EndlageStartErr},
    {"modulherr", QT_TRANSLATE_NOOP("TFormJahresverschattung", "Fehler Modulhöhe in cm"),
     &RechenlaufEingabe::ModulHErr},
    {"modulaerr", QT_TRANSLATE_NOOP("TFormJahresverschattung", "Fehler Modulabstand in cm"),
     &RechenlaufEingabe::ModulAErr},
    {"modulnerr", QT_TRANSLATE_NOOP("TFormJahresverschattung", "Fehler Modulneigung in °"),
     &RechenlaufEingabe::ModulNErr},
};

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
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, 365);
    Fortschritt->setValue(0);
    for (QPushButton* k : {Start, Abbrechen, Sichern})
        k->setAutoDefault(false);

    Tabelle = new QTableWidget(13, 12, this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList spalten;
    for (const QString& art : {tr("mit BT"), tr("ohne Fehler"), tr("ohne BT")})
        spalten << art + tr("\nkWh/m²") << art + tr("\nVerlust %") << art + tr("\nunversch.")
                << art + tr("\nteilv. h");
    Tabelle->setHorizontalHeaderLabels(spalten);
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

    Balken = new QChart;
    Balken->setTitle(tr("Verlust durch Verschattung je Monat in %"));
    Balken->legend()->setAlignment(Qt::AlignBottom);
    auto* balkenAnsicht = new QChartView(Balken, this);
    balkenAnsicht->setObjectName(QStringLiteral("Balken"));
    balkenAnsicht->setMinimumHeight(220);

    Groesse = new QComboBox(this);
    Groesse->setObjectName(QStringLiteral("Groesse"));
    for (const Variable& v : Variablen)
        Groesse->addItem(tr(v.text));
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
    Variationstabelle->setHorizontalHeaderLabels(
        {tr("Wert"), tr("Verlust %"), tr("unversch.\nkWh/m²"), tr("teilv. h")});
    Variationstabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Variationstabelle->verticalHeader()->hide();
    Variationstabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Variationstabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Kurve = new QChart;
    Kurve->setTitle(tr("Jahresverlust mit Backtracking in %"));
    Kurve->legend()->hide();
    auto* kurvenAnsicht = new QChartView(Kurve, this);
    kurvenAnsicht->setObjectName(QStringLiteral("Kurve"));
    kurvenAnsicht->setMinimumHeight(200);
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
    auto* unten = new QHBoxLayout;
    unten->addWidget(Variationstabelle, 1);
    unten->addWidget(kurvenAnsicht, 2);

    // Two pages, so that each has the height it needs on a 1024x768 screen: the months (the
    // whole table and its bars) and the sensitivity (the sweep, its table and curve).
    Seiten = new QTabWidget(this);
    Seiten->setObjectName(QStringLiteral("Seiten"));
    auto* monatsSeite = new QWidget;
    auto* monatsSpalte = new QVBoxLayout(monatsSeite);
    monatsSpalte->addWidget(Tabelle);
    monatsSpalte->addWidget(balkenAnsicht, 1);
    Seiten->addTab(monatsSeite, tr("&Monate"));
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

    auto* uhr = new QTimer(this);
    uhr->setInterval(100);
    connect(uhr, &QTimer::timeout, this, [this] { Fortschritt->setValue(tage_.load()); });
    uhr->start();
    connect(Start, &QPushButton::clicked, this, &TFormJahresverschattung::Rechne);
    connect(Variieren, &QPushButton::clicked, this, &TFormJahresverschattung::Variiere);
    connect(Abbrechen, &QPushButton::clicked, this, [this] { abbruch_ = true; });
    connect(Sichern, &QPushButton::clicked, this, [this] {
        QString pfad = dialoge::DateiSpeichern(this, tr("Jahresverschattung speichern"),
                                               QStringLiteral("jahresverschattung.csv"),
                                               QStringLiteral("*.csv"));
        if (pfad.isEmpty()) return;
        if (pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) pfad.chop(4);
        // The table and the sweep, and both charts as picture and drawing.
        auto* balken = findChild<QChartView*>(QStringLiteral("Balken"));
        auto* kurve = findChild<QChartView*>(QStringLiteral("Kurve"));
        // The chart on the page not shown is drawn at the size of the one shown (a page
        // never shown has not been laid out yet).
        if (!balken->isVisible() && kurve->isVisible()) balken->resize(kurve->size());
        if (!kurve->isVisible() && balken->isVisible()) kurve->resize(balken->size());
        const std::pair<QString, QByteArray> dateien[] = {
            {pfad + QStringLiteral(".csv"), Csv().toUtf8()},
            {pfad + QStringLiteral("_variation.csv"), VariationCsv().toUtf8()},
            {pfad + QStringLiteral(".png"), diagrammbild::Png(*balken)},
            {pfad + QStringLiteral(".svg"), diagrammbild::Svg(*balken, Balken->title())},
            {pfad + QStringLiteral("_variation.png"), diagrammbild::Png(*kurve)},
            {pfad + QStringLiteral("_variation.svg"), diagrammbild::Svg(*kurve, Kurve->title())}};
        if (const QString datei = diagrammbild::Schreibe(dateien); !datei.isEmpty())
            dialoge::Meldung(this, tr("Jahresverschattung"),
                             tr("In %1 kann nicht geschrieben werden").arg(datei));
    });
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
            [this, r = std::move(r)] {
                if (!r.abgebrochen) ergebnis_ = r;
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
        if (!(weite > 0) || von > bis || (bis - von) / weite > 1000)
            throw jahresstudie::WerteFehler(jahresstudie::WerteFehler::ZuViele, "");
        // Also refuses a step below the values' resolution, which never reaches bis.
        werte = jahresstudie::Werte(von, bis, weite);
    } catch (const jahresstudie::WerteFehler&) {
        dialoge::Meldung(this, tr("Jahresverschattung"),
                         tr("Von, bis und Schritt: von <= bis, Schritt > 0, höchstens 1000 Werte"));
        return;
    }
    Beginne(static_cast<int>(werte.size()));
    const RechenlaufEingabe e = eingabe_;
    const int schritt = Schritt->value();
    const auto feld = Variablen[std::max(0, Groesse->currentIndex())].feld;
    variationsGroesse_ = Groesse->currentText();
    thread_ = std::thread([this, e, schritt, feld, werte] {
        const std::vector<Summe> summen = jahresstudie::Variiere(e, feld, werte, schritt, &abbruch_,
                                                                 Nachrangig, [this] { ++tage_; });
        std::vector<std::pair<double, Summe>> ergebnis;
        for (std::size_t i = 0; i < werte.size(); ++i)
            ergebnis.emplace_back(werte[i], summen[i]);
        const bool abgebrochen = abbruch_;
        fertig_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, ergebnis = std::move(ergebnis), abgebrochen] {
                if (!abgebrochen) variation_ = ergebnis;
                Ende();
                if (!abgebrochen) {
                    ZeigeVariation();
                    Seiten->setCurrentIndex(1);
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
    Start->setEnabled(false);
    Variieren->setEnabled(false);
    Abbrechen->setEnabled(true);
}

void TFormJahresverschattung::Ende() {
    Warte();
    Start->setEnabled(true);
    Variieren->setEnabled(true);
    Abbrechen->setEnabled(false);
    emit fertig();
}

void TFormJahresverschattung::Zeige() {
    const auto zeile = [this](int z, const jahresstudie::Drei& d) {
        int s = 0;
        for (const Summe* summe : {&d.mitBacktracking, &d.ohneFehler, &d.ohneBacktracking})
            for (double x : Zahlen(*summe)) {
                auto* zelle = new QTableWidgetItem(QString::number(x, 'f', s % 4 == 1 ? 3 : 1));
                zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                Tabelle->setItem(z, s++, zelle);
            }
    };
    for (int m = 0; m < 12; ++m)
        zeile(m, ergebnis_.monate[static_cast<std::size_t>(m)]);
    zeile(12, ergebnis_.jahr);

    Balken->removeAllSeries();
    for (QAbstractAxis* a : Balken->axes())
        Balken->removeAxis(a);
    auto* reihe = new QBarSeries;
    const std::pair<QString, Summe jahresstudie::Drei::*> arten[] = {
        {tr("mit Backtracking"), &jahresstudie::Drei::mitBacktracking},
        {tr("ohne Fehler"), &jahresstudie::Drei::ohneFehler},
        {tr("ohne Backtracking"), &jahresstudie::Drei::ohneBacktracking}};
    double hoechster = 0;
    for (const auto& [name, art] : arten) {
        auto* satz = new QBarSet(name);
        for (const jahresstudie::Drei& m : ergebnis_.monate) {
            *satz << (m.*art).VerlustProzent();
            hoechster = std::max(hoechster, (m.*art).VerlustProzent());
        }
        reihe->append(satz);
    }
    Balken->addSeries(reihe);
    auto* monate = new QBarCategoryAxis;
    for (const char* m : Monate)
        monate->append(tr(m));
    auto* prozent = new QValueAxis;
    ProzentAchse(*prozent, hoechster);
    Balken->addAxis(monate, Qt::AlignBottom);
    Balken->addAxis(prozent, Qt::AlignLeft);
    reihe->attachAxis(monate);
    reihe->attachAxis(prozent);

    const auto datum = [](const jahresstudie::Extrem& x) {
        const int min = static_cast<int>(std::lround(x.stunden * 60));
        return QStringLiteral("%1.%2. %3:%4")
            .arg(x.tag)
            .arg(x.monat)
            .arg(min / 60, 2, 10, QLatin1Char('0'))
            .arg(min % 60, 2, 10, QLatin1Char('0'));
    };
    Extreme->setText(tr("Trackerposition im Jahr: größte %1° (%2 UTC), kleinste %3° (%4 UTC); "
                        "aus den Sonnenwendtagen: max.STOP West %5°, max.STOP Ost %6°; Weg im "
                        "Jahr %7°")
                         .arg(ergebnis_.groesste.position, 0, 'f', 1)
                         .arg(datum(ergebnis_.groesste))
                         .arg(ergebnis_.kleinste.position, 0, 'f', 1)
                         .arg(datum(ergebnis_.kleinste))
                         .arg(ergebnis_.stop.West, 0, 'f', 1)
                         .arg(ergebnis_.stop.Ost, 0, 'f', 1)
                         .arg(ergebnis_.weg, 0, 'f', 0));
}

void TFormJahresverschattung::ZeigeVariation() {
    Variationstabelle->setRowCount(static_cast<int>(variation_.size()));
    auto* reihe = new QLineSeries;
    for (std::size_t i = 0; i < variation_.size(); ++i) {
        const auto& [wert, s] = variation_[i];
        const QString texte[] = {QString::number(wert), QString::number(s.VerlustProzent(), 'f', 3),
                                 QString::number(s.Unverschattet(), 'f', 1),
                                 QString::number(s.teilverschattet, 'f', 1)};
        for (int k = 0; k < 4; ++k) {
            auto* zelle = new QTableWidgetItem(texte[k]);
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Variationstabelle->setItem(static_cast<int>(i), k, zelle);
        }
        reihe->append(wert, s.VerlustProzent());
    }
    Kurve->removeAllSeries();
    for (QAbstractAxis* a : Kurve->axes())
        Kurve->removeAxis(a);
    Kurve->addSeries(reihe);
    // Both axes with what they count and its unit.
    auto* wert = new QValueAxis;
    wert->setTitleText(variationsGroesse_);
    wert->setLabelFormat(QStringLiteral("%g"));
    auto* verlust = new QValueAxis;
    verlust->setTitleText(tr("Verlust %"));
    Kurve->addAxis(wert, Qt::AlignBottom);
    Kurve->addAxis(verlust, Qt::AlignLeft);
    reihe->attachAxis(wert);
    reihe->attachAxis(verlust);
    if (!variation_.empty()) {
        const double von = variation_.front().first, bis = variation_.back().first;
        wert->setRange(von, von < bis ? bis : von + 1);
        double hoechster = 0;
        for (const auto& [w, s] : variation_)
            hoechster = std::max(hoechster, s.VerlustProzent());
        ProzentAchse(*verlust, hoechster);
    }
}

// The four figures as heliowendler-calc prints them (hours to four decimals).
static QString CsvZahlen(const Summe& s) {
    const auto z = Zahlen(s);
    return QStringLiteral(",%1,%2,%3,%4")
        .arg(z[0], 0, 'f', 6)
        .arg(z[1], 0, 'f', 6)
        .arg(z[2], 0, 'f', 6)
        .arg(z[3], 0, 'f', 4);
}

static QString JahresCsvZeile(const QString& name, const jahresstudie::Drei& d) {
    return name + CsvZahlen(d.mitBacktracking) + CsvZahlen(d.ohneFehler) +
           CsvZahlen(d.ohneBacktracking) + u'\n';
}

QString TFormJahresverschattung::Csv() const {
    QString t = QStringLiteral("Monat");
    for (const char* art : {"Mit", "OhneFehler", "OhneBacktracking"})
        for (const char* spalte :
             {"Strahlung_kWh_m2", "Verlust_Prozent", "Unverschattet_kWh_m2", "Teilverschattet_h"})
            t += QStringLiteral(",%1%2").arg(QLatin1String(art), QLatin1String(spalte));
    t += u'\n';
    for (int m = 0; m < 12; ++m)
        t += JahresCsvZeile(QString::number(m + 1), ergebnis_.monate[static_cast<std::size_t>(m)]);
    t += JahresCsvZeile(QStringLiteral("Jahr"), ergebnis_.jahr);
    return t;
}

QString TFormJahresverschattung::VariationCsv() const {
    QString t = QStringLiteral("Wert,Strahlung_kWh_m2,Verlust_Prozent,Unverschattet_kWh_m2,"
                               "Teilverschattet_h\n");
    for (const auto& [wert, s] : variation_) {
        t += QString::number(wert, 'g', 6) + CsvZahlen(s) + u'\n';
    }
    return t;
}
