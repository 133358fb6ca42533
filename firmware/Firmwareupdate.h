#pragma once
// The firmware update window "Firmwareupdate": loads a TI-TXT image ("Datei"), shows and
// checks it, and transfers it to the controller's bootloader ("Start"), with the bootloader's
// lines and the transfer's own messages in the monitor. Shown modally while the link collects
// bootloader lines; created once and only hidden and shown.
//
// Frames leave through the send function it is given (the link's SioSend); the link hands
// every bootloader line to BootloaderZeile. Status texts go out as panelText. The transfer
// itself is uebertragung::Uebertragung; its controls are the window's own, and tests find
// them by object name.
#include "geraet/uebertragung.h"
#include "seriallink/rahmen.h"
#include "widgets/handlerlauf.h"

#include <QByteArray>
#include <QDialog>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

class TFormFirmwareupdate : public QDialog, private uebertragung::Umgebung {
    Q_OBJECT
public:
    using Sender = rahmen::Sender;

    explicit TFormFirmwareupdate(QWidget* parent = nullptr);
    ~TFormFirmwareupdate() override;

    void SetzeSender(Sender sender); // none: every send fails
    // Whether the port is open; when a reply is overdue, a closed port is named as the cause.
    void SetzePortAbfrage(std::function<bool()> portOffen);

    // A bootloader line without its carriage return, in arrival order. Ignored while the
    // window is hidden: the lines the link had collected before it closed change nothing.
    void BootloaderZeile(const QByteArray& zeile);
    // The link dropped so many bootloader lines (a device flooding the line): the transfer
    // may wait for one of them in vain, so the monitor says so. Ignored while hidden.
    void ZeilenVerloren(qint64 anzahl);

    // The last load passed the file check.
    bool DateiGueltig() const { return dateiGueltig_; }
    const uebertragung::Uebertragung& Transfer() const { return transfer_; }

signals:
    void panelText(int panel, const QString& text);

protected:
    void showEvent(QShowEvent* ev) override;
    void hideEvent(QHideEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;

private:
    void BaueOberflaeche(); // Firmwareupdate_aufbau.cpp

    void FormShow();
    void TimerStartmeldungTimer();
    void Datei1Click();
    void Button1Click();
    void Timer1Timer();
    void TimerAntwortTimer();
    void MonitorZeile(const QString& text);

    // What the transfer does to the window and the line.
    bool Sende(std::span<const std::uint8_t> rahmen) override;
    void Notiere(const uebertragung::Notiz& notiz) override;
    void Panel(uebertragung::Panelstand stand) override;
    void ClearOK() override;
    void Fortschritt(bool an) override;
    void Fertig() override;

    Sender sender_;
    std::function<bool()> portOffen_;
    Handlerlauf lauf_{this};
    uebertragung::Uebertragung transfer_{*this};
    std::vector<std::string> image_; // the loaded file's lines
    bool dateiGueltig_ = false;
    QString letzteDatei_; // where the open dialog starts

    QPushButton* Button1;
    QLabel *LabelClearOK, *LabelSendeZeile, *LabelDatei, *LabelZeilen, *LabelAnzalSeg;
    QPlainTextEdit *RichEditTXTfile, *RichEditRxBootloader;
    QProgressBar* ProgressBar1;
    QTimer *Timer1, *TimerStartmeldung, *TimerAntwort;
};
