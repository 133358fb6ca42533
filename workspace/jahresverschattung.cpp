#include "workspace/jahresverschattung.h"

#include "basis/zahltext.h"
#include "geometry/jahrescsv.h"
#include "geometry/variationsgroessen.h"
#include "wetter/wettertexte.h"
#include "widgets/dialoge.h"
#include "workspace/diagrammbild.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>

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
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
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

// A longitude east positive as the user reads it: "11,6000° Ost", "8,5000° West".
QString Laenge(double ost) {
    return ost < 0 ? QCoreApplication::translate("TFormJahresverschattung", "%1° West")
                         .arg(zahltext::Fest(-ost, 4))
                   : QCoreApplication::translate("TFormJahresverschattung", "%1° Ost")
                         .arg(zahltext::Fest(ost, 4));
}

// The difference of two longitudes across the date line, degrees (0 ... 180).
double Laengenabstand(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

QString Datumstext(const wetter::Datum& d) {
    return QString::asprintf("%04d-%02d-%02d", d.jahr, d.monat, d.tag);
}

// The three ways of the study on a weather file.
constexpr wetterjahr::Summe wetterjahr::Drei::*WetterArten[] = {
    &wetterjahr::Drei::mitBacktracking, &wetterjahr::Drei::ohneFehler,
    &wetterjahr::Drei::ohneBacktracking};

// The losses of a weather study together: beam shade, sky masking and the blocks, in %.
double Gesamtverlust(const wetterjahr::Summe& s) {
    return s.Prozent(s.strahlSchatten + s.himmelSchatten + s.elektrisch);
}

// The series go with removeAllSeries; a removed axis is handed back to the caller, so it is
// deleted here (each new study draws its own).
void Leere(QChart& c) {
    c.removeAllSeries();
    for (QAbstractAxis* a : c.axes()) {
        c.removeAxis(a);
        delete a;
    }
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
    Erklaerung = erklaerung;
    KlarErklaerung = erklaerung->text();
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

    // The month table on a weather file: nine figures a way, wider than the window, so it
    // scrolls sideways; the rows all show.
    Wettertabelle = new QTableWidget(13, 27, this);
    Wettertabelle->setObjectName(QStringLiteral("Wettertabelle"));
    Wettertabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Wettertabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Wettertabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Wettertabelle->setVerticalHeaderLabels(zeilen);
    Wettertabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Wettertabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Wettertabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Wettertabelle->hide();

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
    Seiten->addTab(BaueWetterseite(), tr("Wetter&angaben"));
    const int hoehe = Tabelle->horizontalHeader()->sizeHint().height() +
                      13 * Tabelle->verticalHeader()->defaultSectionSize() +
                      2 * Tabelle->frameWidth();
    Tabelle->setMinimumHeight(hoehe);
    Tabelle->setMaximumHeight(hoehe);
    Tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    monatsSpalte->insertWidget(1, Wettertabelle);

    // The weather: the file (or the clear sky) always in sight, the gain of backtracking in
    // large type once a study on a file has run.
    Waehlen = new QPushButton(tr("&Wetterdatei…"), this);
    Waehlen->setObjectName(QStringLiteral("Wetterdatei"));
    Klar = new QPushButton(tr("&Klarer Himmel"), this);
    Klar->setObjectName(QStringLiteral("KlarerHimmel"));
    Klar->setEnabled(false);
    for (QPushButton* k : {Waehlen, Klar}) {
        k->setAutoDefault(false);
        // Room for the whole caption with the button's margins, in every language.
        k->setMinimumWidth(k->fontMetrics().horizontalAdvance(k->text()) +
                           2 * k->style()->pixelMetric(QStyle::PM_ButtonMargin));
    }
    Quelle = new QLabel(this);
    Quelle->setObjectName(QStringLiteral("Quelle"));
    Quelle->setTextFormat(Qt::PlainText);
    // A long file name gives way, never the buttons beside it.
    Quelle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Gewinn = new QLabel(this);
    Gewinn->setObjectName(QStringLiteral("Gewinn"));
    QFont gross = Gewinn->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.8);
    gross.setBold(true);
    Gewinn->setFont(gross);
    Gewinn->hide();
    auto* wetter = new QHBoxLayout;
    wetter->addWidget(Waehlen);
    wetter->addWidget(Klar);
    wetter->addWidget(Quelle, 1);
    wetter->addWidget(Gewinn);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addLayout(wetter);
    spalte->addWidget(Extreme);
    spalte->addWidget(Seiten, 1);

    connect(Start, &QPushButton::clicked, this, &TFormJahresverschattung::Rechne);
    connect(Variieren, &QPushButton::clicked, this, &TFormJahresverschattung::Variiere);
    connect(Abbrechen, &QPushButton::clicked, this, [this] { abbruch_ = true; });
    connect(Sichern, &QPushButton::clicked, this, &TFormJahresverschattung::Speichern);
    connect(Waehlen, &QPushButton::clicked, this, [this] {
        const QString pfad =
            dialoge::DateiOeffnen(this, tr("Wetterdatei öffnen"), pfad_,
                                  tr("Wetterdateien (*.epw *.csv *.json);;Alle Dateien (*)"));
        if (!pfad.isEmpty()) WaehleWetterdatei(pfad);
    });
    connect(Klar, &QPushButton::clicked, this, &TFormJahresverschattung::KlarerHimmel);
    ZeigeWetterdatei();
}

QWidget* TFormJahresverschattung::BaueWetterseite() {
    auto* seite = new QWidget;
    Dateiangaben = new QLabel(seite);
    Dateiangaben->setObjectName(QStringLiteral("Dateiangaben"));
    Dateiangaben->setTextFormat(Qt::PlainText);
    Dateiangaben->setWordWrap(true);
    Dateiangaben->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Orte = new QLabel(seite);
    Orte->setObjectName(QStringLiteral("Orte"));
    Orte->setTextFormat(Qt::PlainText);
    Orte->setWordWrap(true);
    Uebernehmen = new QPushButton(tr("&Ort der Datei übernehmen"), seite);
    Uebernehmen->setObjectName(QStringLiteral("OrtUebernehmen"));
    Uebernehmen->setAutoDefault(false);
    Uebernehmen->setEnabled(false);

    Versatz = new QDoubleSpinBox(seite);
    Versatz->setObjectName(QStringLiteral("Zeitversatz"));
    Versatz->setRange(-wetter::GroessterZeitversatz, wetter::GroessterZeitversatz);
    Versatz->setDecimals(2);
    Versatz->setSingleStep(0.5);
    Versatz->setSuffix(tr(" h"));
    Versatz->setKeyboardTracking(false); // read the file again once the value is entered
    Versatz->setToolTip(tr("+H: die Daten liegen H Stunden zu früh, jeder Zeitpunkt rückt um H "
                           "Stunden später"));
    Albedo = new QDoubleSpinBox(seite);
    Albedo->setObjectName(QStringLiteral("Albedo"));
    Albedo->setRange(0, 1);
    Albedo->setDecimals(3);
    Albedo->setSingleStep(0.05);
    Albedo->setValue(wetterjahr::Optionen{}.albedo);
    Albedo->setKeyboardTracking(false);
    Albedo->setToolTip(tr("Albedo des Bodens, wo die Datei keine angibt"));
    Himmel = new QComboBox(seite);
    Himmel->setObjectName(QStringLiteral("Himmel"));
    Himmel->addItem(tr("Perez (anisotrop)"));
    Himmel->addItem(tr("isotrop"));
    const einstrahlung::Bloecke bloecke;
    Uebereinander = new QSpinBox(seite);
    Uebereinander->setObjectName(QStringLiteral("BloeckeUebereinander"));
    Uebereinander->setRange(1, 20);
    Uebereinander->setValue(bloecke.uebereinander);
    Uebereinander->setToolTip(tr("Bypass-Blöcke je Modul übereinander (über die Schräghöhe)"));
    Nebeneinander = new QSpinBox(seite);
    Nebeneinander->setObjectName(QStringLiteral("BloeckeNebeneinander"));
    Nebeneinander->setRange(1, 20);
    Nebeneinander->setValue(bloecke.nebeneinander);
    Nebeneinander->setToolTip(tr("Bypass-Blöcke je Modul nebeneinander (entlang der Reihe)"));
    for (QSpinBox* b : {Uebereinander, Nebeneinander})
        b->setKeyboardTracking(false);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("&Zeitversatz:"), Versatz);
    form->addRow(tr("A&lbedo:"), Albedo);
    form->addRow(tr("&Himmelsmodell:"), Himmel);
    auto* bloeckeZeile = new QHBoxLayout;
    bloeckeZeile->addWidget(Uebereinander);
    bloeckeZeile->addWidget(new QLabel(QStringLiteral("×"), seite));
    bloeckeZeile->addWidget(Nebeneinander);
    bloeckeZeile->addWidget(new QLabel(tr("(übereinander × nebeneinander)"), seite));
    bloeckeZeile->addStretch();
    auto* bloeckeText = new QLabel(tr("Bl&öcke:"), seite);
    bloeckeText->setBuddy(Uebereinander);
    form->addRow(bloeckeText, bloeckeZeile);
    auto* ortZeile = new QHBoxLayout;
    ortZeile->addWidget(Orte, 1);
    ortZeile->addWidget(Uebernehmen, 0, Qt::AlignTop);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(Dateiangaben);
    spalte->addLayout(ortZeile);
    spalte->addLayout(form);
    spalte->addStretch(1);

    connect(Versatz, &QDoubleSpinBox::valueChanged, this, &TFormJahresverschattung::Zeitversatz);
    connect(Albedo, &QDoubleSpinBox::valueChanged, this,
            &TFormJahresverschattung::OptionenGeaendert);
    connect(Himmel, &QComboBox::currentIndexChanged, this,
            &TFormJahresverschattung::OptionenGeaendert);
    for (QSpinBox* b : {Uebereinander, Nebeneinander})
        connect(b, &QSpinBox::valueChanged, this, &TFormJahresverschattung::OptionenGeaendert);
    connect(Uebernehmen, &QPushButton::clicked, this, [this] {
        if (datei_) emit ortUebernehmen(datei_->reihe.ort.breite, -datei_->reihe.ort.laengeOst);
    });
    return seite;
}

wetterjahr::Optionen TFormJahresverschattung::WetterOptionen() const {
    wetterjahr::Optionen o;
    o.albedo = Albedo->value();
    o.himmel = Himmel->currentIndex() == 1 ? wetterjahr::Himmelsmodell::Isotrop
                                           : wetterjahr::Himmelsmodell::Perez;
    o.bloecke.uebereinander = Uebereinander->value();
    o.bloecke.nebeneinander = Nebeneinander->value();
    return o;
}

std::optional<wetter::Datei> TFormJahresverschattung::Lies(const QString& pfad,
                                                           double zeitversatz) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    wetter::Ergebnis gelesen = wetter::Lies(pfad, zeitversatz);
    QGuiApplication::restoreOverrideCursor();
    if (const auto* ablehnung = std::get_if<wetter::Ablehnung>(&gelesen)) {
        dialoge::Meldung(
            this, tr("Wetterdatei"),
            tr("%1:\n%2").arg(QDir::toNativeSeparators(pfad), wetter::Text(*ablehnung)));
        return std::nullopt;
    }
    return std::move(std::get<wetter::Datei>(gelesen));
}

bool TFormJahresverschattung::WaehleWetterdatei(const QString& pfad) {
    if (Laeuft()) return false;
    std::optional<wetter::Datei> d = Lies(pfad, Versatz->value());
    if (!d) return false;
    datei_ = std::make_shared<const wetter::Datei>(std::move(*d));
    pfad_ = pfad;
    ZeigeWetterdatei();
    emit wetterGewaehlt(datei_, WetterOptionen());
    return true;
}

void TFormJahresverschattung::KlarerHimmel() {
    if (Laeuft() || !datei_) return;
    datei_.reset();
    ZeigeWetterdatei();
    emit wetterGewaehlt(nullptr, WetterOptionen());
}

void TFormJahresverschattung::Zeitversatz() {
    if (!datei_ || Laeuft()) return;
    if (datei_->zeitversatz == Versatz->value()) return;
    std::optional<wetter::Datei> d = Lies(pfad_, Versatz->value());
    if (!d) {
        // The file is kept as it was read, and the field says with which zeitversatz.
        const QSignalBlocker still(Versatz);
        Versatz->setValue(datei_->zeitversatz);
        return;
    }
    datei_ = std::make_shared<const wetter::Datei>(std::move(*d));
    ZeigeWetterdatei();
    emit wetterGewaehlt(datei_, WetterOptionen());
}

void TFormJahresverschattung::OptionenGeaendert() {
    if (datei_) emit wetterGewaehlt(datei_, WetterOptionen());
}

void TFormJahresverschattung::ZeigeWetterdatei() {
    Klar->setEnabled(datei_ != nullptr);
    // The file's rows set the step of the study.
    Schritt->setEnabled(!datei_);
    if (!datei_) {
        Quelle->setText(tr("Klarer Himmel: nur Direktstrahlung, ohne Wetterdatei"));
        Dateiangaben->setText(tr("Keine Wetterdatei: die Jahresverschattung rechnet mit klarem "
                                 "Himmel und nur mit der Direktstrahlung."));
        ZeigeOrt();
        return;
    }
    const wetter::Datei& d = *datei_;
    Quelle->setText(
        tr("Wetterdatei (%1): %2").arg(wetter::FormatName(d.format), QFileInfo(pfad_).fileName()));
    QStringList zeilen;
    zeilen << tr("%1: %2").arg(wetter::FormatName(d.format), QDir::toNativeSeparators(pfad_));
    zeilen << tr("Zeitraum %1 bis %2, Schritt %3 min, %4 Zeilen")
                  .arg(Datumstext(d.erster), Datumstext(d.letzter))
                  .arg(d.schrittMinuten)
                  .arg(static_cast<qlonglong>(d.reihe.messungen.size()));
    zeilen << wetter::Qualitaetstexte(d.qualitaet);
    if (const QString hinweis = wetter::Hinweis(d.ausrichtung); !hinweis.isEmpty())
        zeilen << hinweis;
    Dateiangaben->setText(zeilen.join(u'\n'));
    ZeigeOrt();
}

void TFormJahresverschattung::ZeigeOrt() {
    const QString haupt = tr("Hauptfenster: Breite %1°, Länge %2")
                              .arg(zahltext::Fest(eingabe_.Phi, 4), Laenge(-eingabe_.Lam));
    if (!datei_) {
        Orte->setText(haupt);
        Uebernehmen->setEnabled(false);
        return;
    }
    const messreihe::Ort& ort = datei_->reihe.ort;
    const bool abweichend = std::abs(ort.breite - eingabe_.Phi) > 0.1 ||
                            Laengenabstand(ort.laengeOst, -eingabe_.Lam) > 0.1;
    QString text = tr("Wetterdatei: Breite %1°, Länge %2, Höhe %3 m (gerechnet wird hier)")
                       .arg(zahltext::Fest(ort.breite, 4), Laenge(ort.laengeOst),
                            zahltext::Fest(ort.hoehe, 0)) +
                   u'\n' + haupt;
    if (abweichend) text += u'\n' + tr("Die Orte weichen um mehr als 0,1° voneinander ab.");
    Orte->setText(text);
    Uebernehmen->setEnabled(abweichend);
}

void TFormJahresverschattung::Berechnet(const RechenlaufEingabe& e, bool) {
    eingabe_ = e;
    ZeigeOrt();
}

void TFormJahresverschattung::Warte() {
    if (thread_.joinable()) thread_.join();
}

void TFormJahresverschattung::Rechne() {
    if (Laeuft()) return;
    if (datei_) {
        // At the file's site: its light belongs to its sun.
        auto datei = datei_;
        Beginne(std::max(1, wetterjahr::Tage(datei->reihe)));
        const RechenlaufEingabe e = wetterjahr::AmOrt(eingabe_, datei->reihe.ort);
        const wetterjahr::Optionen o = WetterOptionen();
        thread_ = std::thread([this, e, o, datei = std::move(datei)] {
            Nachrangig();
            wetterjahr::Ergebnis r =
                wetterjahr::Rechne(e, datei->reihe, o, &abbruch_, [this](int t) { tage_ = t; });
            Liefere([this, r = std::move(r)] {
                if (!r.abgebrochen) {
                    wetterStudie_ = r;
                    studie_.reset();
                }
                Ende();
                if (!r.abgebrochen) {
                    ZeigeWetter();
                    Seiten->setCurrentIndex(0);
                }
            });
        });
        return;
    }
    Beginne(jahresstudie::TageImJahr(eingabe_.Jahr));
    const RechenlaufEingabe e = eingabe_;
    const int schritt = Schritt->value();
    thread_ = std::thread([this, e, schritt] {
        Nachrangig();
        jahresstudie::Ergebnis r =
            jahresstudie::Rechne(e, schritt, &abbruch_, [this](int t) { tage_ = t; });
        Liefere([this, r = std::move(r), jahr = e.Jahr] {
            if (!r.abgebrochen) {
                studie_ = Studie{r, jahr};
                wetterStudie_.reset();
            }
            Ende();
            if (!r.abgebrochen) {
                Zeige();
                Seiten->setCurrentIndex(0);
            }
        });
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
    const int groesse = std::max(0, Groesse->currentIndex());
    const auto feld = variation::Groessen[groesse].feld;
    if (datei_) {
        const RechenlaufEingabe e = wetterjahr::AmOrt(eingabe_, datei_->reihe.ort);
        const wetterjahr::Optionen o = WetterOptionen();
        thread_ =
            std::thread([this, e, o, feld, groesse, datei = datei_, werte = std::move(werte)] {
                std::vector<wetterjahr::Summe> summen = wetterjahr::Variiere(
                    e, datei->reihe, o, feld, werte, &abbruch_, Nachrangig, [this] { ++tage_; });
                const bool abgebrochen = abbruch_;
                Variation v;
                v.werte = werte;
                v.wetterSummen = std::move(summen);
                v.optionen = o;
                v.groesse = groesse;
                Liefere([this, v = std::move(v), abgebrochen] {
                    if (!abgebrochen) variation_ = v;
                    Ende();
                    if (!abgebrochen) {
                        ZeigeVariation();
                        Seiten->setCurrentIndex(2);
                    }
                });
            });
        return;
    }
    const RechenlaufEingabe e = eingabe_;
    const int schritt = Schritt->value();
    thread_ = std::thread([this, e, schritt, feld, groesse, werte = std::move(werte)] {
        std::vector<Summe> summen = jahresstudie::Variiere(e, feld, werte, schritt, &abbruch_,
                                                           Nachrangig, [this] { ++tage_; });
        const bool abgebrochen = abbruch_;
        Liefere([this, v = Variation{werte, std::move(summen), {}, std::nullopt, groesse},
                 abgebrochen] {
            if (!abgebrochen) variation_ = v;
            Ende();
            if (!abgebrochen) {
                ZeigeVariation();
                Seiten->setCurrentIndex(2);
            }
        });
    });
}

void TFormJahresverschattung::Liefere(std::function<void()> abschluss) {
    abschluss_ = std::move(abschluss);
    fertig_ = true;
    // By name: the queued call carries nothing of the worker's (what it hands over lies in
    // abschluss_, and Abschliessen takes it only after joining the worker).
    QMetaObject::invokeMethod(this, "Abschliessen", Qt::QueuedConnection);
}

void TFormJahresverschattung::Abschliessen() {
    // A completion whose run a newer one has replaced finds fertig_ false.
    if (!fertig_ || !abschluss_) return;
    Warte();
    const std::function<void()> abschluss = std::move(abschluss_);
    abschluss_ = nullptr;
    abschluss();
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
    Waehlen->setEnabled(false);
    Klar->setEnabled(false);
    Uhr->start();
}

void TFormJahresverschattung::Ende() {
    Warte();
    Uhr->stop();
    Fortschritt->setValue(tage_.load());
    Start->setEnabled(true);
    Variieren->setEnabled(true);
    Sichern->setEnabled(studie_ || wetterStudie_ || variation_);
    Abbrechen->setEnabled(false);
    Waehlen->setEnabled(true);
    Klar->setEnabled(datei_ != nullptr);
    emit fertig();
}

void TFormJahresverschattung::ZeigeBalken(const Monatswerte& verlust,
                                          const Monatswerte& teilverschattet) {
    // The losses on a logarithmic axis, the partly shaded hours beside them.
    const QString namen[] = {tr("mit Backtracking"), tr("ohne Aufstellfehler"),
                             tr("ohne Backtracking")};
    double kleinster = 0, hoechster = 0, stunden = 0;
    for (int a = 0; a < 3; ++a)
        for (std::size_t m = 0; m < 12; ++m) {
            const double v = verlust[a][m];
            if (v > 0 && (kleinster == 0 || v < kleinster)) kleinster = v;
            hoechster = std::max(hoechster, v);
            stunden = std::max(stunden, teilverschattet[a][m]);
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
            for (std::size_t m = 0; m < 12; ++m)
                *satz << (c == Balken ? std::max(unten, verlust[a][m]) : teilverschattet[a][m]);
            reihe->append(satz);
        }
        c->addSeries(reihe);
        c->addAxis(werte, Qt::AlignLeft);
        reihe->attachAxis(monate);
        reihe->attachAxis(werte);
    }
}

void TFormJahresverschattung::ZeigeWetter() {
    const wetterjahr::Ergebnis& r = *wetterStudie_;
    Tabelle->hide();
    Wettertabelle->show();
    Erklaerung->setText(
        tr("BT: Backtracking. Ohne Fehler: ohne Aufstellfehler. Unversch.: Einstrahlung auf dem "
           "Modul ohne Verschattung, davon direkt, Himmel (diffus) und Boden. Strahlsch.: "
           "Verlust im Schatten der Nachbarreihe; Himmelsm.: Himmelslicht, das die Reihe davor "
           "verdeckt; elektr.: Verlust durch verschattete Bypass-Blöcke (übereinander x "
           "nebeneinander), je in % der unverschatteten Einstrahlung. Wirksam: was arbeitende "
           "Zellen erreicht. Teilv.: Stunden mit teilverschattetem Modul."));
    const QString layout = QString::fromStdString(jahrescsv::Blocklayout(r.optionen.bloecke));
    // Each column: the way, the figure, its unit; the block layout beside the figure it
    // changes.
    const QString arten[] = {tr("mit BT"), tr("ohne Fehler"), tr("ohne BT")};
    const QString groessen[] = {tr("unversch.\nkWh/m²"),
                                tr("direkt\nkWh/m²"),
                                tr("Himmel\nkWh/m²"),
                                tr("Boden\nkWh/m²"),
                                tr("Strahlsch.\n%"),
                                tr("Himmelsm.\n%"),
                                tr("elektr. %1\n%").arg(layout),
                                tr("wirksam\nkWh/m²"),
                                tr("teilv.\nh")};
    const QString erklaerungen[] = {
        tr("Einstrahlung auf dem Modul ohne Verschattung in kWh/m²"),
        tr("davon Direktstrahlung in kWh/m²"),
        tr("davon diffuses Himmelslicht in kWh/m²"),
        tr("davon vom Boden reflektiert in kWh/m²"),
        tr("Verlust der Direkt- und zirkumsolaren Strahlung im Schatten der Nachbarreihe, in %"),
        tr("Verlust des Himmelslichts, das die Reihe davor verdeckt, in %"),
        tr("Verlust durch verschattete Bypass-Blöcke (Blöcke übereinander x nebeneinander %1), "
           "in %")
            .arg(layout),
        tr("Einstrahlung, die arbeitende Zellen erreicht, in kWh/m²"),
        tr("Stunden, in denen das Modul teilweise verschattet ist")};
    for (int a = 0; a < 3; ++a)
        for (int g = 0; g < 9; ++g) {
            auto* kopf = new QTableWidgetItem(arten[a] + u'\n' + groessen[g]);
            kopf->setToolTip(erklaerungen[g]);
            Wettertabelle->setHorizontalHeaderItem(9 * a + g, kopf);
        }
    const auto zeile = [this](int z, const wetterjahr::Drei& d) {
        int spalte = 0;
        for (const auto art : WetterArten) {
            const wetterjahr::Summe& s = d.*art;
            const std::pair<double, int> werte[] = {{s.Unverschattet(), 1},
                                                    {s.direkt, 1},
                                                    {s.Himmel(), 1},
                                                    {s.boden, 1},
                                                    {s.Prozent(s.strahlSchatten), 2},
                                                    {s.Prozent(s.himmelSchatten), 2},
                                                    {s.Prozent(s.elektrisch), 2},
                                                    {s.wirksam, 1},
                                                    {s.teilverschattet, 1}};
            for (const auto& [x, stellen] : werte)
                Wettertabelle->setItem(z, spalte++, Zelle(zahltext::Fest(x, stellen)));
        }
    };
    for (std::size_t m = 0; m < 12; ++m)
        zeile(static_cast<int>(m), r.monate[m]);
    zeile(12, r.jahr);
    const int hoehe = Wettertabelle->horizontalHeader()->sizeHint().height() +
                      13 * Wettertabelle->verticalHeader()->defaultSectionSize() +
                      Wettertabelle->horizontalScrollBar()->sizeHint().height() +
                      2 * Wettertabelle->frameWidth();
    Wettertabelle->setFixedHeight(hoehe);

    Monatswerte verlust{}, stunden{};
    for (int a = 0; a < 3; ++a)
        for (std::size_t m = 0; m < 12; ++m) {
            verlust[a][m] = Gesamtverlust(r.monate[m].*WetterArten[a]);
            stunden[a][m] = (r.monate[m].*WetterArten[a]).teilverschattet;
        }
    Balken->setTitle(tr("Verlust durch Schatten, Himmelsmaske und Bypass-Blöcke (%1) je Monat "
                        "in % (logarithmisch)")
                         .arg(layout));
    ZeigeBalken(verlust, stunden);

    Gewinn->setText(
        tr("Gewinn durch Backtracking: %1 %").arg(zahltext::Fest(r.GewinnBacktracking(), 2)));
    Gewinn->setToolTip(tr("Wirksame Einstrahlung im Jahr mit Backtracking gegenüber ohne"));
    Gewinn->show();
    const wetterjahr::Summe& j = r.jahr.mitBacktracking;
    Extreme->setText(tr("Mit Backtracking im Jahr: %1 kWh/m² unverschattet, %2 kWh/m² wirksam "
                        "(Verlust %3 %); %4 Zeilen, Bodenalbedo %5 wo die Datei keine angibt, "
                        "GCR %6")
                         .arg(zahltext::Fest(j.Unverschattet(), 1), zahltext::Fest(j.wirksam, 1),
                              zahltext::Fest(Gesamtverlust(j), 2))
                         .arg(r.zeilen)
                         .arg(zahltext::Fest(r.optionen.albedo, 2), zahltext::Fest(r.gcr, 3)));
}

void TFormJahresverschattung::Zeige() {
    const jahresstudie::Ergebnis& r = studie_->ergebnis;
    Wettertabelle->hide();
    Tabelle->show();
    Erklaerung->setText(KlarErklaerung);
    Gewinn->hide();
    Balken->setTitle(tr("Verlust durch Verschattung je Monat in % (logarithmisch)"));
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

    Monatswerte verlust{}, stunden{};
    for (int a = 0; a < 3; ++a)
        for (std::size_t m = 0; m < 12; ++m) {
            verlust[a][m] = (r.monate[m].*Arten[a]).VerlustProzent();
            stunden[a][m] = (r.monate[m].*Arten[a]).teilverschattet;
        }
    ZeigeBalken(verlust, stunden);

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
    // On a weather file: the losses together, the effective irradiance.
    const bool wetter = v.optionen.has_value();
    Variationstabelle->setHorizontalHeaderLabels(
        {tr("Wert\n%1").arg(QString::fromUtf8(g.einheit)), tr("Verlust\n%"),
         wetter ? tr("wirksam\nkWh/m²") : tr("unversch.\nkWh/m²"), tr("teilv.\nh")});
    Variationstabelle->setRowCount(static_cast<int>(v.werte.size()));
    auto* reihe = new QLineSeries;
    double hoechster = 0;
    for (std::size_t i = 0; i < v.werte.size(); ++i) {
        double verlust = 0, strahlung = 0, teilv = 0;
        if (wetter) {
            const wetterjahr::Summe& s = v.wetterSummen[i];
            verlust = Gesamtverlust(s);
            strahlung = s.wirksam;
            teilv = s.teilverschattet;
        } else {
            const Summe& s = v.summen[i];
            verlust = s.VerlustProzent();
            strahlung = s.Unverschattet();
            teilv = s.teilverschattet;
        }
        const QString texte[] = {zahltext::Allgemein(v.werte[i]), zahltext::Fest(verlust, 3),
                                 zahltext::Fest(strahlung, 1), zahltext::Fest(teilv, 1)};
        for (int k = 0; k < 4; ++k)
            Variationstabelle->setItem(static_cast<int>(i), k, Zelle(texte[k]));
        reihe->append(v.werte[i], verlust);
        hoechster = std::max(hoechster, verlust);
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
    if (wetterStudie_) return QString::fromStdString(jahrescsv::Wetterjahr(*wetterStudie_));
    return studie_
               ? QString::fromStdString(jahrescsv::Jahresstudie(studie_->ergebnis, studie_->jahr))
               : QString();
}

QString TFormJahresverschattung::VariationCsv() const {
    if (!variation_) return QString();
    if (variation_->optionen)
        return QString::fromStdString(jahrescsv::WetterVariation(
            variation_->werte, variation_->wetterSummen, *variation_->optionen));
    return QString::fromStdString(jahrescsv::Variation(variation_->werte, variation_->summen));
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
    if (studie_ || wetterStudie_) {
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
    if (!studie_ && !wetterStudie_ && !variation_) return;
    QString pfad =
        dialoge::DateiSpeichern(this, tr("Jahresverschattung speichern"),
                                QStringLiteral("jahresverschattung.csv"), QStringLiteral("*.csv"));
    if (pfad.isEmpty()) return;
    if (pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) pfad.chop(4);
    if (const QString fehler = Speichere(pfad); !fehler.isEmpty())
        dialoge::Meldung(this, tr("Jahresverschattung"), fehler);
}
