#pragma once
// The port functions: open a serial device with the settings record, close it, ask its
// queues, drive its modem lines, read what has arrived, write without waiting, wait for an
// event. They know no windows; the receiver thread and the transmit path build on them.
//
// Opening is QSerialPort's work: it takes the device exclusively (a lock file in /var/lock
// and TIOCEXCL), switches it to raw binary mode and sets baud rate, data bits, parity and
// stop bits. Everything after the open works on the port's descriptor, because QSerialPort
// reads and writes only through its own thread's event loop, and the receiver waits on a
// thread of its own that a close must be able to release at once. QSerialPort's read
// notifier is therefore switched off, or it would take bytes away from the receiver.
// Added here, since QSerialPort lacks them:
//  - an flock on the descriptor: root ignores TIOCEXCL, and a second name of the same
//    device (a symlink) gets a lock file of its own;
//  - flow control as the record says (RTS/CTS and XON/XOFF together, with its XON/XOFF
//    bytes); QSerialPort knows only one kind at a time;
//  - waiting until the last byte has left the line (tcdrain), which RS-485 converters need
//    before RTS drops;
//  - RTS and DTR on the descriptor, from any thread, also under RTS/CTS flow control.
// A pseudo-terminal has no modem lines: RTS, DTR and DSR calls fail there, and every caller
// goes on regardless.
#include "seriallink/porteinstellungen.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QSerialPort;

namespace serial {

enum class Leitung { RTS, DTR };
// Sees every change of a modem line the port functions make (tests watch the lines of a
// pseudo-terminal this way): the line, the new level, and whether the driver took it.
// Called on the thread that changes the line.
using Leitungsbeobachter = std::function<void(Leitung, bool an, bool ok)>;

// Why an open failed, in the terms the user can act on.
struct Oeffnungsfehler {
    enum class Art {
        Keiner,
        KeinGeraet,        // no device named
        Fehlt,             // no such device
        KeineBerechtigung, // the user may not open it
        Belegt,            // another program (or this one) holds it
        Einstellungen,     // the device refused the settings or queue sizes
        Sonstiges
    };
    Art art = Art::Keiner;
    QString systemtext; // the system's or QSerialPort's own words
    // For KeineBerechtigung: the device's group, whether that group may read and write it,
    // and whether this process belongs to it.
    QString gruppe;
    bool gruppeDarf = false;
    bool inGruppe = false;
};

// The open port (the port handle). Owned by the one who opened it and released by
// CloseComPort; while the receiver or the transmit path use it, it stays where it is.
class ComPort {
public:
    ~ComPort();
    ComPort(const ComPort&) = delete;
    ComPort& operator=(const ComPort&) = delete;

    int Deskriptor() const { return fd_; }
    const QString& Geraet() const { return geraet_; }
    const Porteinstellungen& Einstellungen() const { return einstellungen_; }
    std::size_t Sendepuffer() const { return sendepuffer_; }
    // RTS is the program's to drive (neither RTS/CTS flow control nor "always on").
    bool RtsVonHand() const { return einstellungen_.fRtsControl == Porteinstellungen::RtsDisable; }
    void Melde(Leitung l, bool an, bool ok) const;

private:
    ComPort() = default;
    friend std::unique_ptr<ComPort> OpenComPort(const QString&, const Porteinstellungen&, int, int,
                                                Leitungsbeobachter, Oeffnungsfehler*);
    friend bool CloseComPort(std::unique_ptr<ComPort>&);
    std::unique_ptr<QSerialPort> port_;
    int fd_ = -1;
    QString geraet_;
    Porteinstellungen einstellungen_;
    std::size_t sendepuffer_ = 0;
    Leitungsbeobachter beobachter_;
};

using ComHandle = std::unique_ptr<ComPort>; // empty: the invalid handle

// Opens the device (e.g. "/dev/ttyUSB0") for reading and writing, exclusively, applies the
// record and sets RTS and DTR as the record's handshake members say (RTS off by default: a
// send raises it). Linux's tty queues have fixed sizes, so the queue sizes are only checked
// (at least 1); the transmit size bounds the bytes the transmit path holds back for a slow
// line. Empty handle on failure, with the cause in *fehler.
ComHandle OpenComPort(const QString& geraet, const Porteinstellungen& einstellungen,
                      int empfangspuffer, int sendepuffer, Leitungsbeobachter beobachter = {},
                      Oeffnungsfehler* fehler = nullptr);
// Releases the port in every case (the handle is empty afterwards); false when the system
// reported a failure while closing it (or the handle was empty).
bool CloseComPort(ComHandle& port);

struct ComQueue {
    int empfang = 0; // bytes received and not yet read
    int senden = 0;  // bytes written and not yet on the line
};
// Both 0 when the query fails.
ComQueue GetComQueue(const ComPort& port);

// Raise or drop a modem line; false when the port has no such line (a pseudo-terminal).
bool SetzeRts(const ComPort& port, bool an);
bool SetzeDtr(const ComPort& port, bool an);
// The DSR input; empty when the port has no modem lines.
std::optional<bool> Dsr(const ComPort& port);

// Hands bytes to the driver without waiting for the line: the number taken (possibly fewer
// than given when its queue is full, 0 included), or -1 with errno set.
long SchreibeOhneWarten(const ComPort& port, std::span<const std::uint8_t> bytes);
// Reads what has arrived, at most bytes.size(): the number read (0: nothing there), or -1
// with errno set.
long LiesVorhandenes(const ComPort& port, std::span<std::uint8_t> bytes);
// Waits until every byte written has left the line; false (errno set) when the driver
// cannot tell.
bool WarteBisGesendet(const ComPort& port);
// Drops the bytes still waiting to go out (so that a close does not wait behind a stopped
// line).
void VerwirfAusgabe(const ComPort& port);
// The port's state can be read: false (errno in *fehler) once the device is gone.
bool PortZustandLesbar(const ComPort& port, int* fehler = nullptr);

// What a Wecker throws when no descriptor is left (a plain value: no vtable to trust while the
// process is short of resources).
struct KeinDeskriptor {
    int fehlernummer = 0;
};

// The error number behind a failed start of a thread or its wake-up: the Wecker's own,
// ENOMEM for memory, else EAGAIN (std::thread's only cause here is a lack of resources).
int StartFehler(std::exception_ptr e);

// Releases a thread waiting on a port: once woken it stays woken, and every wait that
// names it returns at once. One per waiting thread and purpose.
class Wecker {
public:
    // Throws KeinDeskriptor when no descriptor is left.
    Wecker();
    ~Wecker();
    Wecker(const Wecker&) = delete;
    Wecker& operator=(const Wecker&) = delete;
    void Wecke();
    int Deskriptor() const { return fd_; }

private:
    int fd_ = -1;
};

struct Ereignis {
    enum class Art { Daten, Geweckt, Fehlgeschlagen };
    Art art = Art::Fehlgeschlagen;
    bool aufgelegt = false; // the line was hung up or the descriptor is no longer valid
};
// Blocks until bytes have arrived, the line was hung up, or the Wecker was woken. No time
// limit; Fehlgeschlagen when the wait itself failed (e.g. a signal).
Ereignis WarteAufEreignis(const ComPort& port, const Wecker& wecker);
// Blocks until the driver takes bytes again; false when woken or on a failure.
bool WarteBisSchreibbar(const ComPort& port, const Wecker& wecker);

// The cause of a failed open in plain words, for the user (German).
QString Ursache(const Oeffnungsfehler& f, const QString& geraet);
// The system's words for an error number, in the user's language where the system has it.
QString Systemtext(int fehlernummer);

} // namespace serial
