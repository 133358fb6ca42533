#pragma once
// Main window: every input of the tracker simulation, the result labels, the scene and the
// menus that lead to the other windows. Handlers read their edits, call the pure geometry
// and write labels; the state the scene and the run need lives in Simulationszustand.
#include "geometry/rechenlauf.h"
#include "widgets/handlerlauf.h"
#include "workspace/fenstergeometrie.h"
#include "workspace/simzustand.h"

#include <QMainWindow>
#include <QString>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class TAboutBox;
class TFormHilfe;
class TPaintBox;
class TPositionDlg;
class UpDownEdit;
class Zeichenflaeche;

class TSDIAppForm : public QMainWindow, public Simulationszustand {
    Q_OBJECT
public:
    explicit TSDIAppForm(QWidget* parent = nullptr);
    ~TSDIAppForm() override;

    // Date and time (UTC).
    UpDownEdit *EditJahr, *EditMonat, *EditTag, *EditStunde, *EditMinute;
    // Site, geometry, stops.
    QComboBox* ComboBoxPosition;
    QMenu* PopupMenuPosition;
    QAction *E1, *Insert1;
    UpDownEdit *EditPhi, *EditLam, *EditModulH, *EditModulL, *EditModulA, *EditModulN;
    UpDownEdit *EditScale, *EditIntervall, *EditEndlageStart, *EditEndlageStop, *EditModulpos;
    UpDownEdit *EditModulHErr, *EditModulAErr, *EditModulNErr, *EditEndlageStartErr;
    QCheckBox *CheckBoxOstTracken, *CheckBox1;
    QPushButton *ButtonBerechnen, *ButtonSIMstart, *ButtonSIMstop;
    // Results.
    QLabel *LabelAOstMax, *LabelAWestMax, *LabelAzimut, *LabelHoehe, *LabelSchatten;
    QLabel *LabelWinkelZurSonne, *LabelTrackerPos, *LabelSonnenwende, *LabelSchattenErr;
    TPaintBox* PaintBox1;
    QPlainTextEdit* Terminal;
    QLabel* StatusPanel[4];
    QTimer *Timer1, *TimerMove, *TimerStartSioInit, *TimerRTSCTS;
    // Menu actions.
    QAction *FileNew1, *FileOpen1, *FileSave1, *FileSaveAs1, *FileExit1;
    QAction *EditCut1, *EditCopy1, *EditPaste1;
    QAction *Schnittstelle2, *Initialisieren1, *Firmwareupdate1, *HelpAbout1, *Bema1;

    // The other windows, created after this one and kept until the end.
    TPositionDlg* PositionDlg = nullptr;
    TFormHilfe* FormHilfe = nullptr;
    TAboutBox* AboutBox = nullptr;

    // Start-up state read from the settings file.
    bool InitMax = false;

    // Calculation driver and change handlers. They throw zahltext::KonvertierFehler at the
    // first text that does not convert; the connected slots catch it and show the message.
    void ButtonBerechnenClick();
    void EditJahrChange();
    void EditMonatChange();
    void EditPhiChange();
    void EditLamChange();
    void EditTagChange();
    void BerechneSonnenwende();
    void BerechneStopMax();
    void TimerStartSioInitTimer();
    // Writes the five date and time edits in this order, each firing its change handling.
    void SetzeDatumZeit(const QString& jahr, const QString& monat, const QString& tag,
                        const QString& stunde, const QString& minute);

    // Simulation run and scene (SDIMAIN_sim.cpp).
    void ButtonSIMstartClick();
    void ButtonSIMstopClick();
    void Timer1Timer();
    void TimerMoveTimer();
    void StarteNachtRueckkehr();
    void PaintBox1Paint(Zeichenflaeche& flaeche);
    void MaleSzene(QPainter& p); // PaintBox1's paint event, drawing through QPainter

    // Site list (SDIMAIN_standorte.cpp).
    void LadeStandorte();
    void Heimatstandort();
    void ComboBoxPositionClick();
    void E1Click();
    void Insert1Click();
    // Shows "--unbekannt---" with no list entry chosen, so "Edit" cannot open a site the
    // combo box no longer shows.
    void ZeigeUnbekannt();

    // Help menu and windows not built yet (SDIMAIN_fenster.cpp).
    void HelpAbout1Execute();
    void Bema1Click();
    void Schnittstelle2Click();
    void Initialisieren1Click();
    void Firmwareupdate1Click();
    void FileOpen1Execute();
    void FileSave1Execute();

    void FormCreate();
    void FormClose();

    QString Panel(int i) const;
    void SetzePanel(int i, const QString& text);

    // Runs a handler as an event does (widgets/handlerlauf.h).
    void Ereignis(const std::function<void()>& f) { lauf_.Ereignis(f); }
    // Writes an edit's text; a failure of the change handling it fires aborts the writer too.
    void SetzeText(UpDownEdit* edit, const QString& text) { lauf_.SetzeText(edit, text); }

protected:
    void closeEvent(QCloseEvent* ev) override;

private:
    void SchliesseFenster();
    void Zeitschritt(); // Timer1's work: the next instant into the edits, then the calculation
    // The searches' inputs as they read them; their start from and return into the state.
    RechenlaufEingabe LeseSuchEingabe();
    Suchstand Suchbeginn() const;
    void UebernimmSuche(const Suchstand& s);
    void BaueOberflaeche();
    void BaueMenues();
    void Verbinde();

    Handlerlauf lauf_{this};
    // Place and size as the settings file keeps them, frame included.
    Fenstergeometrie* geometrie_ = new Fenstergeometrie(this);
};
