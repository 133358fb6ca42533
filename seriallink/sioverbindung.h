#pragma once
// The front of the serial link on the GUI thread: it owns the port (PortOffen), the receiver
// thread, the one transmit path and the live COM port number. Everything the receiver finds
// reaches the GUI thread through this object, one frame or line at a time, in the order it
// arrived; the front passes it on as signals. Nothing else touches the port or the thread.
//
// It says what happened as values (Linkereignis); the windows make their status texts, beeps
// and boxes from them (linkfenster/linkanzeige.h), a command-line tool its own messages. So
// the link needs Qt Core and Qt Serial Port only.
//
// The interface dialog and the menu handlers call SioReInit with what the dialog holds; the
// composition root connects the signals to the main window's status bar, the
// parametrization window and the firmware window.
#include "seriallink/Serial.h"
#include "seriallink/porteinstellungen.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class Empfangsstelle;
class Mitschnitt;
struct Fund;
class Sendeweg;

// What one open takes from the interface dialog.
struct Oeffnung {
    int ComPortNr = 0;
    Porteinstellungen Einstellungen;
    // Queue sizes in bytes. Linux's are fixed: both are checked, and the transmit size
    // bounds what the transmit path holds back while the line is stopped.
    int Empfangspuffer = 4096, Sendepuffer = 4096;
    bool Initialisieren = true;                // "Schnittstelle initialisieren"
    QString Baudtext = QStringLiteral("4800"); // the baud-rate entry the dialog shows
    // A device path opened in place of the one ComPortNr names (a command-line tool given a
    // path); empty: ComPortNr's device.
    QString Geraet;
};

// One thing that happened to the link, for whoever shows it. The link says what happened and
// why as values; the windows (linkfenster/linkanzeige.h) and the service tool make their
// sentences of them, in the user's language.
struct Linkereignis {
    enum class Art {
        NichtInitialisiert,    // an open asked not to initialise the port: nothing happened
        Geoeffnet,             // the port is open (baudtext: what the dialog showed)
        OeffnenGescheitert,    // the open failed (grund)
        Geschlossen,           // closed on request
        SchliessenGescheitert, // the close reported an error; the port is released anyway
        PortVerloren,          // the device went away (fehlernummer); port closed
        Systemfehler,          // a read failed (fehlernummer); once per open at most
        Rahmen,                // a frame with a matching checksum (zahl: frames before it)
        Pruefsummenfehler,     // candidates whose checksum failed (zahl of them)
    };
    // Why an open failed.
    enum class Grund {
        Keiner,
        KeinGeraet,         // no device is known for the COM number (port)
        Oeffnung,           // the device refused (oeffnung says how)
        KeinSendethread,    // no thread for the transmit path (fehlernummer)
        KeinEmpfangsthread, // no thread for the receiver (fehlernummer)
    };
    Linkereignis() = default;
    Linkereignis(Art a, int p) : art(a), port(p) {}

    Art art = Art::Rahmen;
    int port = 0; // the COM number concerned
    Grund grund = Grund::Keiner;
    serial::Oeffnungsfehler oeffnung; // for Grund::Oeffnung
    QString baudtext;                 // the baud-rate entry, for Geoeffnet
    QString geraet;                   // the device, where one was known
    int fehlernummer = 0;
    // The system's own words for fehlernummer or the refused open, where it has any (no
    // sentence of the link's: those are made where they are shown).
    QString ursache;
    qint64 zahl = 0;
};
Q_DECLARE_METATYPE(Linkereignis)

class SioVerbindung : public QObject {
    Q_OBJECT
public:
    // How long the GUI thread takes received finds before it turns to other events.
    static constexpr std::chrono::milliseconds Zeitscheibe{20};

    explicit SioVerbindung(QObject* parent = nullptr);
    ~SioVerbindung() override; // stops the receiver and releases the port

    // Takes o.ComPortNr as the live number, opens the port it names (see portliste.h),
    // starts the receiver, raises DTR. Says NichtInitialisiert (nothing else happens),
    // OeffnenGescheitert with the cause (also when no descriptor or thread is left for the
    // receiver or the transmit path), or Geoeffnet followed by geoeffnet(). A port already
    // open is closed first.
    void SioInit(const Oeffnung& o);
    // Stops the receiver, waits until it has left its loop, closes the port: Geschlossen or
    // SchliessenGescheitert; the port is released and closed in both cases. Does nothing
    // while the port is closed.
    void SioClose();
    // SioClose when open, then SioInit.
    void SioReInit(const Oeffnung& o);

    // The one send operation: false when the port is closed or the write was refused. Raises
    // RTS before the first byte and drops it once the last byte has left the line. Two sends
    // never interleave, from whichever thread (gesendet() is emitted on the caller's).
    // At most rahmen::GroessterRahmen bytes.
    bool SioSend(const std::uint8_t* daten, unsigned anzahl);

    bool PortOffen() const;
    int ComPortNr() const;
    void SetzeComPortNr(int nr); // emits comPortNrGeaendert when it changes
    // True while the firmware window is shown: bootloader lines are collected, and a send
    // does not restart the controller's status poll.
    void SetzeFirmwareModus(bool an);
    bool FirmwareModus() const;
    // Before a request is sent again: the receiver drops the frame candidate it is still
    // collecting (one a damaged reply or a stray start byte opened), so the new reply is read
    // on its own. From any thread; it takes effect before the receiver's next bytes. The
    // windows never call it: their receiving stays as it is.
    void VerwirfKandidat();
    int FrameZaehler() const; // frames with a matching checksum so far
    int SerRunning() const;   // receivers that have not yet left their loop
    int Empfaenger() const;   // receiver objects held (a replaced one until it is freed)

    // The settings file whose "Ports" section names devices (default: the program's).
    void SetzeEinstellungsdatei(const QString& pfad);

    int Pruefsummenfehler() const; // candidates whose checksum did not match, so far
    // Nothing received waits: no find for the GUI thread, no unread byte in the port's
    // receive queue (measuring tools watch a backlog drain with it).
    bool NichtsWartet() const;
    // The device of the open port; empty while closed.
    QString Geraet() const;
    // The traffic record of this link: every byte sent and received while it is on.
    Mitschnitt& Aufzeichnung();

    // For tests. Applies from the next open: sees every RTS/DTR change (a pseudo-terminal
    // has no lines to watch).
    void SetzeLeitungsbeobachter(serial::Leitungsbeobachter beobachter);
    // For tests. Applies to receivers started from now on: runs on the receiver's thread
    // with every read before the byte steps; what it throws takes the restart path.
    void SetzeEmpfangseingriff(std::function<void(std::span<const std::uint8_t>)> eingriff);
    // For tests. Closes the port in place of CloseComPort (a tty's close does not fail on
    // Linux); it must release the handle, and its result is taken as CloseComPort's.
    void SetzeSchliesser(std::function<bool(serial::ComHandle&)> schliesser);

signals:
    // What happened, in order with the frames and lines below (a Rahmen comes right before
    // its rahmenEmpfangen).
    void ereignis(const Linkereignis& e);
    // A response whose checksum matched (start byte to end byte), in arrival order.
    void rahmenEmpfangen(const QByteArray& rahmen);
    // A bootloader text line without its carriage return, in arrival order.
    void bootloaderZeile(const QByteArray& zeile);
    // SioInit succeeded: the parametrization window is shown next.
    void geoeffnet();
    // A send with the port open and no firmware update running (emitted before the bytes
    // are handed over): the controller's status poll starts again.
    void gesendet();
    void comPortNrGeaendert(int nr);
    // The receiver found more than could wait for the GUI thread (a flooding device): so many
    // finds were dropped. Once for each such run, after the rest was handled.
    void ueberlauf(qint64 verworfen);
    // The same for bootloader lines, which have a bound of their own: only a device that
    // floods lines drops any, and a transfer waiting for one of them would wait in vain.
    void zeilenUeberlauf(qint64 verworfen);

private:
    // Stops the receiver and the transmit path, then closes the port (the handle is empty
    // afterwards): CloseComPort's result.
    bool Freigeben();
    // The finds waiting, on the GUI thread, in slices of Zeitscheibe.
    void Abholen();
    void Verarbeite(Fund& f);
    void PortVerloren(int fehlernummer);
    void Systemfehler(int fehlernummer);

    QString einstellungsdatei_;
    int comPortNr_ = 0;
    int offeneNr_ = 0; // the number the open port was opened as
    bool portOffen_ = false;
    int frameZaehler_ = 0;
    int pruefsummenfehler_ = 0;
    unsigned zyklus_ = 0;         // counts the opens; finds of an earlier one are stale
    bool fehlerGemeldet_ = false; // a Systemfehler of this open was said
    std::uint64_t gemeldetVerworfen_ = 0, gemeldeteZeilen_ = 0;
    serial::Leitungsbeobachter beobachter_;
    std::function<bool(serial::ComHandle&)> schliesser_;
    serial::ComHandle port_;
    std::unique_ptr<Mitschnitt> mitschnitt_; // outlives the receivers, which use it
    std::unique_ptr<Sendeweg> sendeweg_;
    std::unique_ptr<Empfangsstelle> empfang_;
};
