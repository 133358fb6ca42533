#pragma once
// One controller or bootloader on one port, for the service tool: the link's front opened on
// a "COM<n>" or a device path, requests answered synchronously (the event loop turns while a
// reply is awaited, so several links can run at once), and the traffic record written to a
// file when asked for.
#include "geraet/messages.h"
#include "geraet/protokolldatei.h"
#include "seriallink/sioverbindung.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

namespace dienst {

// The documented exit codes.
enum Ende : int {
    Erfolg = 0,
    Aufruf = 1,       // a wrong command line
    PortFehler = 2,   // the port cannot be opened or was lost
    KeineAntwort = 3, // no or a wrong answer, or a read-back difference
    DateiFehler = 4,  // a file or image that is refused
};

// A failure with its exit code and message.
struct Fehler {
    Ende ende;
    QString meldung;
};

// What a command line names as the port: "COM<n>", a device path, or "SN:<serial number>" of
// a USB adapter (among the ports the settings file and the system know).
struct Portangabe {
    QString text;   // as given
    int nummer = 0; // for COM<n>
    QString geraet; // for a path or a serial number
};
// nullopt with f set: a text of none of these forms (Aufruf), or no or several adapters with
// that serial number (PortFehler, Aufruf).
std::optional<Portangabe> LiesPort(const QString& text, const QString& einstellungen, Fehler& f);

class Verbindung {
public:
    // einstellungen: the settings file whose [Ports] maps COM numbers.
    Verbindung(Portangabe port, QString einstellungen);
    ~Verbindung();

    // Opens 4800 8N1; nullopt on success.
    std::optional<Fehler> Oeffne();
    // Starts the traffic record into datei (appended lines); nullopt on success.
    std::optional<Fehler> Protokolliere(const QString& datei);

    // Sends anfrage and waits up to frist for a response with command `antwort` whose payload
    // is complete; sent up to versuche times in all (the first and the repeats), each repeat
    // after dropping the frame candidate the receiver still collects. Checksum failures and
    // other frames on the way are counted, not taken.
    std::optional<messages::Antwort> Frage(const rahmen::Bytes& anfrage, std::uint8_t antwort,
                                           Fehler& fehler);
    bool Sende(const rahmen::Bytes& rahmen);

    SioVerbindung& Link() { return link_; }
    const Portangabe& Port() const { return port_; }
    QString Name() const; // "COM5 (/dev/ttyUSB0)", every character printable
    bool Verloren() const { return verloren_; }
    // Why the port went away, in the tool's words.
    QString Verlustursache() const { return verlustursache_; }
    int Wiederholungen() const { return wiederholungen_; }

    std::chrono::milliseconds frist{2000};
    int versuche = 3;

private:
    Portangabe port_;
    QString einstellungen_;
    SioVerbindung link_;
    bool verloren_ = false;
    QString verlustursache_;
    QString oeffnungsfehler_;
    int wiederholungen_ = 0;
    std::unique_ptr<protokoll::Datei> protokoll_; // the record's file
};

} // namespace dienst
