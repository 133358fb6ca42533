#pragma once
// The parametrization window "Tracker Parametrierung": the service window for the tracker
// controller. It reads and writes the controller's parameter set and clock, shows its current
// values, status lamps, countdown and software version, exchanges values with the simulation
// and hosts the service mode with the speed measurement. Shown, not modal, once the port is
// open; created once and only hidden and shown, so blocks, edits and lamps keep their values.
//
// Requests leave through the send function it is given (the link's SioSend); the link hands
// every response whose checksum matched to RahmenEmpfangen and reports each send that restarts
// the status poll through Gesendet. Panel texts go out as panelText. Its controls are its own;
// tests find them by object name.
#include "basis/trackerwerte.h"
#include "geraet/messages.h"
#include "geraet/parameterfelder.h"
#include "geraet/speedmessung.h"
#include "seriallink/rahmen.h"
#include "widgets/handlerlauf.h"

#include <QByteArray>
#include <QDateTime>
#include <QWidget>
#include <functional>
#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class SimDaten;
class TLED;
class UpDownEdit;

class TFormTrackerInit : public QWidget, public TrackerWerte {
    Q_OBJECT
public:
    using Sender = rahmen::Sender; // hands one request frame to the port
    using Uhr = std::function<QDateTime()>;

    explicit TFormTrackerInit(QWidget* parent = nullptr);
    ~TFormTrackerInit() override;

    void SetzeSender(Sender sender);   // none: every request fails
    void SetzeSimDaten(SimDaten* sim); // the main window's inputs
    void SetzeUhr(Uhr uhr);            // the speed measurement's clock; local time by default

    // Shows the window, at its first place the first time, and brings it to the front.
    void Zeige();
    // Where the window goes at its first showing: (441, 140), moved inside the screen's
    // available area where a window of that (outer) size would run past it.
    static QPoint ErsterOrt(const QRect& verfuegbar, const QSize& groesse);
    // For the firmware update, which closes the window next: no request of the window goes
    // out until it is shown again, neither the status poll nor the first requests still due
    // after a showing (they would reach the bootloader). A speed measurement keeps its clock.
    void StoppeAbfragen();

    // The port was (re)opened, perhaps to another controller: clears what the window shows
    // of the previous one and, when shown, runs its start sequence (version, clock, current
    // values, status poll) again.
    void NeueVerbindung();

    // A response whose checksum matched (start byte to end byte).
    void RahmenEmpfangen(const QByteArray& rahmen);
    // A request went out with the port open and no firmware update running.
    void Gesendet();

    const messages::TrackerParameter& Parameter() const { return parameter_; }
    const messages::TrackerZeit& Zeit() const { return zeit_; }
    std::uint8_t StatusByte() const { return statusByte_; }
    std::uint16_t TrackCountdown() const { return trackCountdown_; }
    bool RxState() const { return rxState_; }
    // From the last readable version response; 0 before.
    int SoftwareVersion() const { return softwareVersion_; }
    const Speedmessung& Messung() const { return messung_; }

    // What the simulation file keeps. HoleSimDaten is "GET Sim Daten " and throws its
    // failures to the caller, whose handler shows them.
    double WinkelSpeed() const override { return parameter_.ParWinkelSpeed; }
    int Gruppe() const override { return zeit_.ZeitGruppe; }
    void UebernimmAusDatei(double winkelSpeed, int gruppe) override;
    void HoleSimDaten() override { ButtonGETsimDatenxClick(); }

signals:
    void panelText(int panel, const QString& text);

protected:
    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;

private:
    void BaueOberflaeche(); // Trackerinit_aufbau.cpp
    void Verbinde();

    // Window, timers and the validation.
    void FormShow();
    void FormClose();
    void FormPaint();
    // The status lamps from left to right: their lamp, object name and status bit (the caption
    // is the bit's in messages::Statuslampen).
    struct Statuslampe {
        TLED* TFormTrackerInit::*feld;
        const char* name;
        std::uint8_t bit;
    };
    static const Statuslampe Statuslampen[6];
    void EditJahrChange();
    void TimerGetStatusTimer();
    void TimerGetVersionTimer();
    void TimerGetTimeTimer();
    void TimerGetAktualsTimer();
    // Requests and the exchange with the simulation.
    void ButtonParGETClick();
    void ButtonParSETClick();
    void ButtonTimeGETxClick();
    void ButtonTimeSETxClick();
    void ButtonGETClick();
    void ButtonGetVersionClick();
    void ButtonGETsimDatenxClick();
    void ButtonSETsimDatenxClick();
    // Service mode (Trackerinit_service.cpp).
    void ButtonSETPOSClick();
    void ButtonSetAutomaticClick();
    void ButtonGetWinkelSpeedxClick();
    void TimerTracktimeTimer();

    void EditsToParam();
    void ParamToEdits();
    void EditsToZeit();
    void ZeitToEdits();
    void StatusEmpfangen(const messages::Status& s);
    void SetRxState(bool state);
    void Dekodiere(const messages::Antwort& a);
    // Stops the status poll (unless this is its own request), sends, reports in panel 3 and
    // blinks LEDTxT.
    void Sende(messages::Kommando k, const messages::Bytes& rahmen);
    void SendePosition();
    void Setze(UpDownEdit* edit, const QString& text); // fires its change handling
    // The edit of a parameter field (its object name in geraet/parameterfelder.h).
    UpDownEdit* ParameterEdit(parameterfelder::Id id) const;
    messages::Parametertexte ParameterEdits() const;
    messages::Zeittexte ZeitEdits() const;

    Sender sender_;
    SimDaten* sim_ = nullptr;
    Uhr uhr_;
    Handlerlauf lauf_{this};
    bool gezeigt_ = false;

    messages::TrackerParameter parameter_;
    messages::TrackerZeit zeit_;
    std::uint8_t statusByte_ = 0;
    std::uint16_t trackCountdown_ = 0;
    bool rxState_ = false;
    bool rxToggle_ = false; // RxToggle: inverted by every accepted response
    int softwareVersion_ = 0;
    Speedmessung messung_;

    UpDownEdit *EditPhi, *EditLam, *EditModulH, *EditModulL, *EditModulA, *EditModulN;
    UpDownEdit *EditIntervall, *EditWinkelSpeed, *EditAnschlagOst, *EditAnschlagWest;
    UpDownEdit *EditKorrekturFaktor, *EditJahr, *EditMonat, *EditTag, *EditStunde, *EditMinute;
    UpDownEdit *EditSec, *EditSetPOS;
    QComboBox* ComboBoxGruppe;
    QLineEdit *EditAktPos, *EditAktSchatten, *EditAktSonnenstand, *EditAktAzimut, *EditAktGrenz;
    QLineEdit* EditAktKorrekt;
    QPushButton *ButtonGETsimDaten, *ButtonSETsimDaten, *ButtonParGET, *ButtonParSET;
    QPushButton *ButtonTimeSET, *ButtonTimeGET, *ButtonGetVersion, *ButtonGET, *ButtonSETPOS;
    QPushButton *ButtonSetAutomatic, *ButtonGetWinkelSpeed;
    QLabel *LabelSVersion, *LabelVersionsError, *LabelTrackTime, *LabelZeit, *LabelSpeed;
    TLED *LEDAutomatic, *LEDELW, *LEDMotorL, *LEDMotorR, *LEDELO, *LEDTracking, *LEDRxT, *LEDTxT;
    QTimer *TimerGetStatus, *TimerGetVersion, *TimerGetTime, *TimerGetAktuals, *TimerTracktime;
};
