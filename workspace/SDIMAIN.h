#pragma once
// Main window: every input of the tracker simulation, the result labels, the scene and the
// menus. Handlers read their edits, call the calculation driver (geometry/rechenlauf) and
// write labels; the state the scene and the run need lives in Simulationszustand. Others
// reach it through the operations below; its controls are its own (tests find them by their
// object names). It knows no window of another subsystem: their menu items are signals.
#include "basis/simdaten.h"
#include "geometry/rechenlauf.h"
#include "widgets/handlerlauf.h"
#include "workspace/simzustand.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class Fenstergeometrie;
class Simulationsdatei;
class Simulationslauf;
class Standortwahl;
class TAboutBox;
class TFormHilfe;
class TPaintBox;
class TPositionDlg;
class TrackerWerte;
class UpDownEdit;
class Zeichenflaeche;

class TSDIAppForm : public QMainWindow, public SimDaten {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // The windows it opens itself, created after it and kept until the end.
    void SetzeFenster(TPositionDlg* position, TFormHilfe* hilfe, TAboutBox* about);
    // The tracker speed and group a simulation file keeps (the parametrization window);
    // without them a file holds 0 for both and a load leaves them alone.
    void SetzeTrackerWerte(TrackerWerte* werte);

    const Simulationszustand& Zustand() const { return zustand_; }
    // Read from the settings file at start-up.
    bool StartetMaximiert() const { return initMax_; }
    // The COM port the settings file keeps ([COMs] Sender1 minus 1): read at start-up,
    // written back at close. The serial link owns the live number and reports it here.
    int GespeicherterPort() const { return port_; }
    void MerkePort(int port) { port_ = port; }

    SimEingaben LeseSimEingaben() const override;
    void UebernimmSimEingaben(const SimEingaben& eingaben) override;
    void Berechne() override;
    // Latitude and longitude (west positive) into their edits, which calculate: the year
    // window's "Ort der Datei übernehmen".
    void UebernimmOrt(double phi, double lamWestPositiv);
    void ZeigeStandortUnbekannt() override;
    void SetzeDatumZeit(const QString& jahr, const QString& monat, const QString& tag,
                        const QString& stunde, const QString& minute) override;
    // A panel shows a new text at once, a further one at most PanelTakt later: each change of
    // a label is drawn and told to assistive technology, and the frame count changes with every
    // frame, under a flood hundreds of thousands of times a second. Of texts that come sooner
    // the last is shown at the tick; Panel answers it at once.
    static constexpr int PanelTakt = 50; // ms
    QString Panel(int i) const override;
    void SetzePanel(int i, const QString& text) override;

    // A plain-words cause shown with a panel (its tooltip), e.g. why the port did not open;
    // an empty text removes it.
    void SetzePanelHinweis(int i, const QString& text);
    // Paints the status bar at once, with the texts waiting for the tick, so a panel text
    // shows before a long step that follows.
    void StatusleisteZeichnen();

    // The scene onto another surface, as the paint box's paint event draws it.
    void PaintBox1Paint(Zeichenflaeche& flaeche);

signals:
    // Menu items whose windows belong to other subsystems; app/ opens them.
    void schnittstelleGewaehlt();      // "Tracker" > "Schnittstelle"
    void parametrierungGewaehlt();     // "Tracker" > "Parametrierung"
    void firmwareupdateGewaehlt();     // "Tracker" > "Firmwareupdate"
    void protokollmonitorGewaehlt();   // "Tracker" > "Protokollmonitor"
    void tagesverlaufGewaehlt();       // "Ansicht" > "Tagesverlauf"
    void jahresverschattungGewaehlt(); // "Ansicht" > "Jahresverschattung"
    // A calculation finished with these inputs (the searches' state included), or "Anschläge
    // verwenden" changed: the day chart follows.
    void berechnet(const RechenlaufEingabe& e, bool anschlaege);
    // The start-up timer's tick has written the date and time: the interface dialog fills
    // its lists now (also when that calculation failed).
    void startzeitGesetzt();

protected:
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Calculation driver and change handlers; they throw at the first text that does not
    // convert, and the handler runner shows the message.
    void ButtonBerechnenClick();
    void EditJahrChange();
    void EditMonatChange();
    void EditPhiChange();
    void EditLamChange();
    void EditTagChange();
    void BerechneStopMax();
    void BerechneSonnenwende();
    void TimerStartSioInitTimer();
    // The searches' inputs as they read them; their start from and return into the state.
    RechenlaufEingabe LeseSuchEingabe();
    Suchstand Suchbeginn() const;
    void UebernimmSuche(const Suchstand& s);

    void MaleSzene(QPainter& p);

    // Simulation files: "Öffnen", "&Speichern" and "Speichern &unter...".
    void FileOpen1Execute();
    void FileSave1Execute();

    // The "&Hilfe" menu (SDIMAIN_hilfe.cpp).
    void HelpAbout1Execute();
    void Bema1Click();

    void FormCreate();
    void FormClose();
    void SchliesseFenster();
    void BaueOberflaeche();
    void BaueMenues();
    void Verbinde();
    UpDownEdit* Edit(SimFeld feld) const;

    Simulationszustand zustand_;
    bool initMax_ = false;
    int port_ = 0; // 3 for COM3, 0 when none is chosen
    Handlerlauf lauf_{this};
    // Place and size as the settings file keeps them, frame included.
    Fenstergeometrie* geometrie_;
    Simulationslauf* simulationslauf_;
    Standortwahl* standortwahl_;
    std::unique_ptr<Simulationsdatei> datei_;

    UpDownEdit *EditJahr, *EditMonat, *EditTag, *EditStunde, *EditMinute;
    UpDownEdit *EditPhi, *EditLam, *EditModulH, *EditModulL, *EditModulA, *EditModulN;
    UpDownEdit *EditScale, *EditIntervall, *EditEndlageStart, *EditEndlageStop, *EditModulpos;
    UpDownEdit *EditModulHErr, *EditModulAErr, *EditModulNErr, *EditEndlageStartErr;
    QCheckBox *CheckBoxOstTracken, *CheckBox1;
    QPushButton *ButtonBerechnen, *ButtonSIMstart, *ButtonSIMstop;
    QLabel *LabelAOstMax, *LabelAWestMax, *LabelAzimut, *LabelHoehe, *LabelSchatten;
    QLabel *LabelWinkelZurSonne, *LabelTrackerPos, *LabelSonnenwende, *LabelSchattenErr;
    TPaintBox* PaintBox1;
    QPlainTextEdit* Terminal; // hidden, unused
    QLabel* StatusPanel[4];
    bool panelGeaendert_[4] = {};           // text changed since the panel was last drawn
    std::optional<QString> panelWartet_[4]; // for PanelUhr
    QElapsedTimer panelGesetzt_[4];
    QTimer* PanelUhr; // single shot, while a text waits
    void PanelZeigen(int i, const QString& text);
    QTimer* TimerStartSioInit;
    QAction *FileNew1, *FileOpen1, *FileSave1, *FileSaveAs1, *FileExit1;
    QAction *EditCut1, *EditCopy1, *EditPaste1;
    QAction *Schnittstelle2, *Initialisieren1, *Firmwareupdate1, *Protokollmonitor1, *HelpAbout1,
        *Bema1, *Tagesverlauf1, *Jahresverschattung1;
    RechenlaufEingabe letzteEingabe_; // of the last calculation, for berechnet()

    TFormHilfe* FormHilfe = nullptr;
    TAboutBox* AboutBox = nullptr;
};
