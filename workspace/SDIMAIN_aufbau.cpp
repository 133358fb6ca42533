// Construction of the main window: controls with their design-time values, menus,
// and the connections of every event to its handler.
#include "workspace/SDIMAIN.h"

#include "widgets/schriften.h"
#include "widgets/updownedit.h"
#include "workspace/paintbox.h"
#include "workspace/simulationslauf.h"
#include "workspace/standortwahl.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct EditVorgabe {
    UpDownEdit* TSDIAppForm::*feld;
    const char* name;
    const char* beschriftung; // caption label; empty for the hidden module position
    const char* text;
    int min, max, schritt;
    const char* hinweis;
    int maxLaenge; // 0: unlimited
};

QLabel* NeuesLabel(const QString& text, QWidget* eltern, const char* name = nullptr) {
    auto* l = new QLabel(text, eltern);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
}

const char* const HinweisModulH =
    QT_TRANSLATE_NOOP("TSDIAppForm", "Höhe des Moduls im senkrechtem Zustand");
const char* const HinweisModulA =
    QT_TRANSLATE_NOOP("TSDIAppForm", "Abstand der geneigten Modulreihen incl. einer Modulstärke.");
const char* const HinweisModulN = QT_TRANSLATE_NOOP(
    "TSDIAppForm", "Neigung der Module in Grad. Daraus wird die tatsächliche Höhe "
                   "für den Schattenwurf berechnet.");
const char* const HinweisStart =
    QT_TRANSLATE_NOOP("TSDIAppForm", "Winkelposition des Ostanschlag.");

} // namespace

void TSDIAppForm::BaueOberflaeche() {
    // Design-time values of every edit, in the order they stand in the window.
    static const EditVorgabe Edits[] = {
        {&TSDIAppForm::EditJahr, "EditJahr", QT_TRANSLATE_NOOP("TSDIAppForm", "Jahr"), "2008", 2000,
         2100, 1, "", 0},
        {&TSDIAppForm::EditMonat, "EditMonat", QT_TRANSLATE_NOOP("TSDIAppForm", "Monat"), "7", 1,
         12, 1, "", 0},
        {&TSDIAppForm::EditTag, "EditTag", QT_TRANSLATE_NOOP("TSDIAppForm", "Tag"), "7", 1, 31, 1,
         "", 0},
        {&TSDIAppForm::EditStunde, "EditStunde", QT_TRANSLATE_NOOP("TSDIAppForm", "Stunde"), "11",
         0, 23, 1, "", 0},
        {&TSDIAppForm::EditMinute, "EditMinute", QT_TRANSLATE_NOOP("TSDIAppForm", "Minute"), "0", 0,
         59, 5, "", 0},
        {&TSDIAppForm::EditPhi, "EditPhi", QT_TRANSLATE_NOOP("TSDIAppForm", "Breitengrad °"), "51",
         BreitenBereich.min, BreitenBereich.max, 1,
         QT_TRANSLATE_NOOP("TSDIAppForm", "Geographische Breite der Trackerposition"), 0},
        {&TSDIAppForm::EditLam, "EditLam", QT_TRANSLATE_NOOP("TSDIAppForm", "Längengrad °"), "-13",
         LaengenBereich.min, LaengenBereich.max, 1,
         QT_TRANSLATE_NOOP("TSDIAppForm", "Geographische Länge der Trackerposition. Östliche Länge "
                                          "muß negativ eingegeben werden!"),
         0},
        {&TSDIAppForm::EditModulH, "EditModulH",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Modulhöhe in cm"), "160", 1, 500, 1, HinweisModulH, 0},
        {&TSDIAppForm::EditModulL, "EditModulL",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Modubreite in cm"), "1500", 1, 2500, 1,
         QT_TRANSLATE_NOOP("TSDIAppForm", "Breite des Moduls. Bei mehreren nebeneinander "
                                          "angeortneten Modulen ist hier die gesammte "
                                          "Breite anzugeben."),
         0},
        {&TSDIAppForm::EditModulA, "EditModulA",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Lichter Modulabstand in cm"), "150", 1, 1000, 1,
         HinweisModulA, 0},
        {&TSDIAppForm::EditModulN, "EditModulN",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Modulneigung in °"), "30", 0, 90, 1, HinweisModulN, 0},
        {&TSDIAppForm::EditScale, "EditScale",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Anzeige Scalierung in cm"), "2000", 20, 5000, 1,
         QT_TRANSLATE_NOOP("TSDIAppForm", "Darstellungsmaßstab auf der PC-Oberfläche"), 0},
        {&TSDIAppForm::EditIntervall, "EditIntervall",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Intervall in min"), "15", 1, 60, 5,
         QT_TRANSLATE_NOOP("TSDIAppForm", "Zeitabstände in denen die Tracker Steuerung eine neue "
                                          "Sonnenposition berechnet und eine "
                                          "Nachführung durchführt."),
         0},
        {&TSDIAppForm::EditEndlageStart, "EditEndlageStart",
         QT_TRANSLATE_NOOP("TSDIAppForm", "STOP OST in °"), "75", 0, 180, 5, HinweisStart, 3},
        // The west stop's up/down runs from 360 down to 180: its up arrow decreases the value.
        {&TSDIAppForm::EditEndlageStop, "EditEndlageStop",
         QT_TRANSLATE_NOOP("TSDIAppForm", "STOP WEST in °"), "285", 360, 180, 5,
         QT_TRANSLATE_NOOP("TSDIAppForm", "Position des Westanschlag."), 0},
        {&TSDIAppForm::EditModulpos, "EditModulpos",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Modulpos. auf Tracker in °"), "-90", -180, 180, 1,
         QT_TRANSLATE_NOOP("TSDIAppForm", "aktuelle Trackerposition zu diesem Zeitpunkt"), 0},
        {&TSDIAppForm::EditModulHErr, "EditModulHErr", "", "0", -50, 50, 1, HinweisModulH, 0},
        {&TSDIAppForm::EditModulAErr, "EditModulAErr", "", "0", -80, 80, 1, HinweisModulA, 0},
        {&TSDIAppForm::EditModulNErr, "EditModulNErr", "", "0", -30, 30, 1, HinweisModulN, 0},
        {&TSDIAppForm::EditEndlageStartErr, "EditEndlageStartErr", "", "0", -20, 20, 1,
         HinweisStart, 3},
    };

    setFont(schriften::Fenster());
    auto* zentrum = new QWidget(this);
    setCentralWidget(zentrum);
    auto* haupt = new QHBoxLayout(zentrum);
    haupt->setContentsMargins(6, 8, 6, 4);
    haupt->setSpacing(4);

    PaintBox1 = new TPaintBox(zentrum);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->OnPaint = [this](QPainter& p) { MaleSzene(p); };
    haupt->addWidget(PaintBox1, 0, Qt::AlignTop);

    auto* panel = new QFrame(zentrum);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    panel->setPalette(pal);
    haupt->addWidget(panel, 0, Qt::AlignTop);
    haupt->addStretch(1);
    auto* rechts = new QVBoxLayout(panel);
    rechts->setContentsMargins(6, 4, 6, 6);
    rechts->setSpacing(4);

    for (const auto& v : Edits) {
        auto* e = new UpDownEdit(panel);
        e->setObjectName(QString::fromLatin1(v.name));
        e->setBereich(v.min, v.max, v.schritt);
        e->setText(QString::fromUtf8(v.text));
        if (*v.hinweis) e->setToolTip(tr(v.hinweis));
        if (v.maxLaenge) e->setMaxLaenge(v.maxLaenge);
        this->*(v.feld) = e;
    }
    // Caption labels, created once per edit; each is its edit's buddy.
    QHash<UpDownEdit*, QLabel*> beschriftungen;
    auto beschrifte = [&](UpDownEdit* e, QWidget* eltern) {
        QLabel*& l = beschriftungen[e];
        if (!l)
            for (const auto& v : Edits)
                if (this->*(v.feld) == e) {
                    l = NeuesLabel(tr(v.beschriftung), eltern);
                    l->setObjectName(QStringLiteral("Label") + e->objectName().mid(4));
                    l->setBuddy(e);
                }
        return l;
    };

    // Date and time.
    auto* zeit = new QGroupBox(tr("UTC Zeit (GMT Winter in Deutschland)"), panel);
    zeit->setObjectName(QStringLiteral("GroupBoxZeit"));
    auto* zg = new QGridLayout(zeit);
    zg->setContentsMargins(6, 4, 6, 6);
    zg->setHorizontalSpacing(4);
    zg->setVerticalSpacing(1);
    int spalte = 0;
    for (UpDownEdit* e : {EditJahr, EditMonat, EditTag, EditStunde, EditMinute}) {
        zg->addWidget(beschrifte(e, zeit), 0, spalte);
        zg->addWidget(e, 1, spalte);
        e->setFixedWidth(e == EditJahr ? 64 : 50);
        ++spalte;
    }
    rechts->addWidget(zeit);

    // Site, geometry, stops and the error column.
    auto* daten = new QGroupBox(tr("Trackerdaten für Simulation"), panel);
    daten->setObjectName(QStringLiteral("GroupBoxDaten"));
    auto* dg = new QGridLayout(daten);
    dg->setContentsMargins(6, 4, 6, 6);
    dg->setHorizontalSpacing(6);
    dg->setVerticalSpacing(2);

    standortwahl_ =
        new Standortwahl(this, daten, lauf_, [this](const QString& breite, const QString& laenge) {
            UebernimmSimEingaben({{SimFeld::Phi, breite}, {SimFeld::Lam, laenge}});
        });
    auto* lp = NeuesLabel(tr("Positionen"), daten, "LabelPositionen");
    lp->setBuddy(standortwahl_->Auswahl());

    int zeile = 0;
    dg->addWidget(lp, zeile, 0);
    dg->addWidget(standortwahl_->Auswahl(), zeile++, 1, 1, 2);

    const char* const fehlerKopf[] = {QT_TRANSLATE_NOOP("TSDIAppForm", "Simulation"),
                                      QT_TRANSLATE_NOOP("TSDIAppForm", "möglicher"),
                                      QT_TRANSLATE_NOOP("TSDIAppForm", "Fehler"),
                                      QT_TRANSLATE_NOOP("TSDIAppForm", "mit Differenz"),
                                      QT_TRANSLATE_NOOP("TSDIAppForm", "zur Realität")};
    auto* kopf = new QWidget(daten);
    auto* kl = new QVBoxLayout(kopf);
    kl->setContentsMargins(0, 0, 0, 0);
    kl->setSpacing(0);
    for (const char* k : fehlerKopf)
        kl->addWidget(NeuesLabel(tr(k), kopf));

    struct Zeile {
        UpDownEdit* wert;
        UpDownEdit* fehler;
    };
    const Zeile zeilen[] = {{EditPhi, nullptr},
                            {EditLam, nullptr},
                            {EditModulH, EditModulHErr},
                            {EditModulL, nullptr},
                            {EditModulA, EditModulAErr},
                            {EditModulN, EditModulNErr},
                            {EditScale, nullptr},
                            {EditIntervall, nullptr},
                            {EditEndlageStart, EditEndlageStartErr},
                            {EditEndlageStop, nullptr}};
    dg->addWidget(kopf, zeile, 2, 2, 1, Qt::AlignBottom);
    for (const Zeile& z : zeilen) {
        dg->addWidget(beschrifte(z.wert, daten), zeile, 0);
        dg->addWidget(z.wert, zeile, 1);
        z.wert->setFixedWidth(64);
        if (z.fehler) {
            dg->addWidget(z.fehler, zeile, 2);
            // The error edit's accessible name is its row's caption.
            z.fehler->setAccessibleName(tr("Fehler ") + beschrifte(z.wert, daten)->text());
        }
        ++zeile;
    }
    // The module position is kept but not shown.
    QLabel* lmp = beschrifte(EditModulpos, daten);
    lmp->hide();
    EditModulpos->hide();
    // Error edits have no caption label of their own: their row's caption serves as buddy
    // for the value edit, the column heading explains them.
    for (UpDownEdit* e : {EditModulHErr, EditModulAErr, EditModulNErr, EditEndlageStartErr})
        e->setFixedWidth(52);

    CheckBoxOstTracken = new QCheckBox(tr("Backtrack immer nach Osten"), daten);
    CheckBoxOstTracken->setObjectName(QStringLiteral("CheckBoxOstTracken"));
    CheckBox1 = new QCheckBox(tr("Anschläge verwenden"), daten);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    dg->addWidget(CheckBoxOstTracken, zeile++, 0, 1, 3);
    dg->addWidget(CheckBox1, zeile++, 0, 1, 3);

    auto* knoepfe = new QHBoxLayout;
    ButtonBerechnen = new QPushButton(tr("Berechnen"), daten);
    ButtonBerechnen->setObjectName(QStringLiteral("ButtonBerechnen"));
    ButtonSIMstart = new QPushButton(tr("Start SIM"), daten);
    ButtonSIMstart->setObjectName(QStringLiteral("ButtonSIMstart"));
    ButtonSIMstop = new QPushButton(tr("Stop SIM"), daten);
    ButtonSIMstop->setObjectName(QStringLiteral("ButtonSIMstop"));
    for (QPushButton* b : {ButtonBerechnen, ButtonSIMstart, ButtonSIMstop}) {
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    dg->addLayout(knoepfe, zeile++, 0, 1, 3);
    rechts->addWidget(daten);

    // Results: left column the calculation, right column the shading.
    auto* ergebnis = new QWidget(panel);
    auto* eh = new QHBoxLayout(ergebnis);
    eh->setContentsMargins(4, 2, 4, 2);
    auto* links = new QGridLayout;
    links->setHorizontalSpacing(6);
    links->setVerticalSpacing(1);
    struct Ergebniszeile {
        QLabel* TSDIAppForm::*feld;
        const char* name;
        const char* beschriftung;
    };
    const Ergebniszeile ergebnisse[] = {
        {&TSDIAppForm::LabelAOstMax, "LabelAOstMax",
         QT_TRANSLATE_NOOP("TSDIAppForm", "max.STOP Ost=")},
        {&TSDIAppForm::LabelAWestMax, "LabelAWestMax",
         QT_TRANSLATE_NOOP("TSDIAppForm", "max. STOP West=")},
        {&TSDIAppForm::LabelAzimut, "LabelAzimut", QT_TRANSLATE_NOOP("TSDIAppForm", "Azimut=")},
        {&TSDIAppForm::LabelHoehe, "LabelHoehe", QT_TRANSLATE_NOOP("TSDIAppForm", " Elevation=")},
        {&TSDIAppForm::LabelSchatten, "LabelSchatten",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Schatten=")},
        {&TSDIAppForm::LabelWinkelZurSonne, "LabelWinkelZurSonne",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Winkelkorrektur=")},
        {&TSDIAppForm::LabelTrackerPos, "LabelTrackerPos",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Trackerposition=")},
        {&TSDIAppForm::LabelSonnenwende, "LabelSonnenwende",
         QT_TRANSLATE_NOOP("TSDIAppForm", "Sonnenwende=")},
    };
    int ez = 0;
    for (const auto& r : ergebnisse) {
        auto* wert = NeuesLabel(QStringLiteral("0"), ergebnis, r.name);
        auto* cap = NeuesLabel(tr(r.beschriftung), ergebnis);
        cap->setObjectName(QString::fromLatin1(r.name) + QStringLiteral("Caption"));
        cap->setBuddy(wert);
        // A screen reader hears the value as the label's name (its text, kept current by
        // the label) and the caption as its description.
        QString beschreibung = cap->text().trimmed();
        if (beschreibung.endsWith(QLatin1Char('='))) beschreibung.chop(1);
        wert->setAccessibleDescription(beschreibung);
        this->*(r.feld) = wert;
        links->addWidget(cap, ez, 0, Qt::AlignRight);
        links->addWidget(wert, ez++, 1);
    }
    links->setColumnStretch(1, 1);
    eh->addLayout(links, 1);
    auto* linie = new QFrame(ergebnis);
    linie->setFrameShape(QFrame::VLine);
    linie->setFrameShadow(QFrame::Sunken);
    eh->addWidget(linie);
    auto* verschattung = new QVBoxLayout;
    auto* vk = NeuesLabel(tr("Verschattung"), ergebnis, "LabelVerschattung");
    LabelSchattenErr = NeuesLabel(QStringLiteral("0"), ergebnis, "LabelSchattenErr");
    LabelSchattenErr->setAccessibleDescription(vk->text());
    vk->setBuddy(LabelSchattenErr);
    verschattung->addWidget(vk);
    verschattung->addWidget(LabelSchattenErr);
    verschattung->addStretch(1);
    eh->addLayout(verschattung);
    rechts->addWidget(ergebnis);
    rechts->addStretch(1);

    Terminal = new QPlainTextEdit(QStringLiteral("Terminal"), zentrum);
    Terminal->setObjectName(QStringLiteral("Terminal"));
    Terminal->hide();

    // What each panel reports, for screen readers; the panel's text is its name.
    const char* const panelInhalt[] = {
        QT_TRANSLATE_NOOP("TSDIAppForm", "Empfangene Protokolle"),
        QT_TRANSLATE_NOOP("TSDIAppForm", "Zustand der Schnittstelle"),
        QT_TRANSLATE_NOOP("TSDIAppForm", "Schnittstelleneinstellung"),
        QT_TRANSLATE_NOOP("TSDIAppForm", "Letzte Meldung")};
    for (int i = 0; i < 4; ++i) {
        StatusPanel[i] = new QLabel(this);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanel[i]->setAccessibleDescription(tr(panelInhalt[i]));
        StatusPanel[i]->setFixedWidth(150);
        StatusPanel[i]->installEventFilter(this);
        StatusPanel[i]->setFrameShape(QFrame::Panel);
        StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(StatusPanel[i]);
    }
    statusBar()->setSizeGripEnabled(true);

    // Tab follows what the eye reads: the site list heads its group, before the latitude.
    setTabOrder(EditMinute, standortwahl_->Auswahl());
    setTabOrder(standortwahl_->Auswahl(), EditPhi);
}

void TSDIAppForm::BaueMenues() {
    auto neu = [this](const QString& text, const char* name, QKeySequence kurz = {}) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        if (!kurz.isEmpty()) {
            a->setShortcut(kurz);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        addAction(a);
        return a;
    };
    FileNew1 = neu(tr("&Neu"), "FileNew1", QKeySequence(QStringLiteral("Ctrl+N")));
    FileOpen1 = neu(tr("Ö&ffnen"), "FileOpen1", QKeySequence(QStringLiteral("Ctrl+O")));
    FileSave1 = neu(tr("&Speichern"), "FileSave1", QKeySequence(QStringLiteral("Ctrl+S")));
    FileSaveAs1 = neu(tr("Speichern &unter..."), "FileSaveAs1");
    FileExit1 = neu(tr("&Beenden"), "FileExit1");
    EditCut1 = neu(tr("&Ausschneiden"), "EditCut1", QKeySequence(QStringLiteral("Ctrl+X")));
    EditCopy1 = neu(tr("&Kopieren"), "EditCopy1", QKeySequence(QStringLiteral("Ctrl+C")));
    EditPaste1 = neu(tr("&Einfügen"), "EditPaste1", QKeySequence(QStringLiteral("Ctrl+V")));
    // The service menu from the keyboard too: Alt+T, then S, P, F or M.
    Schnittstelle2 = neu(tr("&Schnittstelle"), "Schnittstelle2");
    Initialisieren1 = neu(tr("&Parametrierung"), "Initialisieren1");
    Firmwareupdate1 = neu(tr("&Firmwareupdate"), "Firmwareupdate1");
    Protokollmonitor1 = neu(tr("Protokoll&monitor"), "Protokollmonitor1");
    HelpAbout1 = neu(tr("&Info..."), "HelpAbout1");
    Bema1 = neu(tr("Bemaßungen"), "Bema1");
    Tagesverlauf1 = neu(tr("&Tagesverlauf"), "Tagesverlauf1");
    Jahresverschattung1 = neu(tr("&Jahresverschattung"), "Jahresverschattung1");

    QMenu* datei = menuBar()->addMenu(tr("D&atei"));
    datei->addAction(FileOpen1);
    datei->addAction(FileSave1);
    datei->addAction(FileSaveAs1);
    datei->addSeparator();
    datei->addAction(FileExit1);
    QMenu* tracker = menuBar()->addMenu(tr("&Tracker"));
    tracker->addAction(Schnittstelle2);
    tracker->addAction(Initialisieren1);
    tracker->addAction(Firmwareupdate1);
    tracker->addAction(Protokollmonitor1);
    QMenu* ansicht = menuBar()->addMenu(tr("A&nsicht"));
    ansicht->addAction(Tagesverlauf1);
    ansicht->addAction(Jahresverschattung1);
    QMenu* hilfe = menuBar()->addMenu(tr("&Hilfe"));
    hilfe->addAction(HelpAbout1);
    hilfe->addAction(Bema1);
    // Menus are windows of their own and do not take the window's font by themselves.
    for (QMenu* m : {datei, tracker, ansicht, hilfe})
        m->setFont(font());
}

void TSDIAppForm::Verbinde() {
    auto bei = [this](auto* sender, auto signal, auto handler) {
        lauf_.Bei(sender, signal, this, handler);
    };
    for (UpDownEdit* e : {EditJahr, EditMonat, EditTag, EditStunde})
        bei(e, &UpDownEdit::textChanged, &TSDIAppForm::EditMonatChange);
    bei(EditPhi, &UpDownEdit::textChanged, &TSDIAppForm::EditPhiChange);
    bei(EditLam, &UpDownEdit::textChanged, &TSDIAppForm::EditLamChange);
    for (UpDownEdit* e : {EditMinute, EditModulH, EditModulL, EditModulA, EditModulN, EditScale,
                          EditIntervall, EditEndlageStart, EditEndlageStop, EditModulpos,
                          EditModulHErr, EditModulAErr, EditModulNErr, EditEndlageStartErr})
        bei(e, &UpDownEdit::textChanged, &TSDIAppForm::EditJahrChange);
    bei(EditTag, &UpDownEdit::geklickt, &TSDIAppForm::EditTagChange);

    bei(ButtonBerechnen, &QPushButton::clicked, &TSDIAppForm::ButtonBerechnenClick);
    connect(ButtonSIMstart, &QPushButton::clicked, this,
            [this] { lauf_.Ereignis([this] { simulationslauf_->ButtonSIMstartClick(); }); });
    connect(ButtonSIMstop, &QPushButton::clicked, this,
            [this] { lauf_.Ereignis([this] { simulationslauf_->ButtonSIMstopClick(); }); });
    bei(TimerStartSioInit, &QTimer::timeout, &TSDIAppForm::TimerStartSioInitTimer);

    bei(FileExit1, &QAction::triggered, &TSDIAppForm::SchliesseFenster);
    bei(HelpAbout1, &QAction::triggered, &TSDIAppForm::HelpAbout1Execute);
    bei(Bema1, &QAction::triggered, &TSDIAppForm::Bema1Click);
    connect(Schnittstelle2, &QAction::triggered, this, &TSDIAppForm::schnittstelleGewaehlt);
    connect(Initialisieren1, &QAction::triggered, this, &TSDIAppForm::parametrierungGewaehlt);
    connect(Firmwareupdate1, &QAction::triggered, this, &TSDIAppForm::firmwareupdateGewaehlt);
    connect(Protokollmonitor1, &QAction::triggered, this, &TSDIAppForm::protokollmonitorGewaehlt);
    connect(Tagesverlauf1, &QAction::triggered, this, &TSDIAppForm::tagesverlaufGewaehlt);
    connect(Jahresverschattung1, &QAction::triggered, this,
            &TSDIAppForm::jahresverschattungGewaehlt);
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool an) { emit berechnet(letzteEingabe_, an); });
    bei(FileOpen1, &QAction::triggered, &TSDIAppForm::FileOpen1Execute);
    bei(FileSave1, &QAction::triggered, &TSDIAppForm::FileSave1Execute);
    bei(FileSaveAs1, &QAction::triggered, &TSDIAppForm::FileSave1Execute);
    // The clipboard actions act on the focused edit; "&Neu" does nothing.
    auto amFokus = [](auto op) {
        return [op] {
            if (auto* le = qobject_cast<QLineEdit*>(QApplication::focusWidget())) op(le);
        };
    };
    connect(EditCut1, &QAction::triggered, this, amFokus([](QLineEdit* e) { e->cut(); }));
    connect(EditCopy1, &QAction::triggered, this, amFokus([](QLineEdit* e) { e->copy(); }));
    connect(EditPaste1, &QAction::triggered, this, amFokus([](QLineEdit* e) { e->paste(); }));
}
