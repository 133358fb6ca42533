#pragma once
// The receiver: TSerThread waits for bytes on the open port on a thread of its own, runs
// them through the byte steps (empfangsautomat.h) and hands each find to the GUI thread.
// The Empfangsstelle is what the receivers and the link's front share: the receivers'
// count (SerRunning), the current one, and the finds in the order they were made. The
// front calls StartSerThread, StopSerThread and Naechster on the GUI thread; the receivers
// touch nothing else of the front and no widget.
#include "seriallink/Serial.h"
#include "seriallink/empfangsautomat.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

// Something the receiver found, for the GUI thread.
struct Fund {
    enum class Art {
        Rahmen,            // a candidate with a matching checksum
        PruefsummenFehler, // a candidate whose checksum did not match at an 0xE5
        Zeile,             // a bootloader line
        Lesefehler,        // a read failed; the receiver goes on
        PortWeg            // the device is gone; the receiver has stopped
    };
    Art art = Art::Rahmen;
    std::vector<std::uint8_t> bytes; // the frame or line; empty for the others
    int fehlernummer = 0;
    unsigned zyklus = 0; // the open it belongs to
    // Checksum failures in a row that waited together: one find, one panel text.
    std::uint64_t anzahl = 1;
};

// Runs on the receiver's thread with every read before the byte steps. For tests: what it
// throws takes the receiver's restart path.
using Empfangseingriff = std::function<void(std::span<const std::uint8_t>)>;

class Mitschnitt;
class TSerThread;

class Empfangsstelle {
public:
    // melden runs on a receiver's thread when a find comes while none waits; it must make
    // the GUI thread call Naechster() until that returns nothing (a queued invocation).
    explicit Empfangsstelle(std::function<void()> melden);
    ~Empfangsstelle(); // StopSerThread
    Empfangsstelle(const Empfangsstelle&) = delete;
    Empfangsstelle& operator=(const Empfangsstelle&) = delete;

    // Starts a receiver on the port (which stays open until StopSerThread has returned);
    // false when no thread could be started, with the error number in *fehler.
    bool StartSerThread(const serial::ComPort& port, unsigned zyklus, int* fehler = nullptr);
    // Asks every receiver to stop and waits until the last one has left its loop,
    // replacements included.
    void StopSerThread();
    // Receivers that have not yet left their loop.
    int SerRunning() const;
    // Drops the finds waiting (after StopSerThread: those of the port just closed).
    void VerwirfWartende();
    // The oldest find not yet taken. Also frees the receivers that a replacement has
    // taken over from, once they have left their loop (their thread and wake-up descriptor).
    std::optional<Fund> Naechster();
    // Receiver objects held, the running one and those not yet freed.
    int Empfaenger() const;
    // Frames and checksum failures waiting for the GUI thread are at most this many (a USB
    // adapter's flood of about a tenth of a second); those beyond are dropped and counted.
    // Normal traffic has one or two waiting.
    static constexpr std::size_t GroessteWarteschlange = 4096;
    // Bootloader lines have a bound of their own, so that no flood of frames pushes out a
    // line the firmware transfer waits for. A bootloader answers each frame with a line or
    // two; only a device that floods lines reaches it (at most 1 KiB a line, 1 MiB in all).
    static constexpr std::size_t GroessteZeilenzahl = 1024;
    std::uint64_t Verworfen() const;       // frames and checksum failures dropped so far
    std::uint64_t ZeilenVerworfen() const; // bootloader lines dropped so far
    // Finds waiting for the GUI thread.
    std::size_t Wartend() const;

    // Switching the mode on also drops a bootloader line left half collected by an earlier
    // session, before the receiver collects its next bytes. The request is stored first: a
    // receiver that sees the mode on sees the request too.
    void SetzeFirmwareModus(bool an) {
        if (an) zeileVerwerfen_.store(true);
        firmwareModus_.store(an);
    }
    bool FirmwareModus() const { return firmwareModus_.load(); }
    // The receiver drops the frame candidate it is still collecting before it takes its next
    // bytes: a request sent again after this call gets its reply read afresh, not swallowed
    // by a candidate a damaged reply (or a stray start byte) opened.
    void VerwirfKandidat() { kandidatVerwerfen_.store(true); }
    // Receivers started from now on use it.
    void SetzeEingriff(Empfangseingriff eingriff);
    // The traffic record every receiver hands its reads to while it is on; set before the
    // first start, kept by the caller for this object's life.
    void SetzeMitschnitt(Mitschnitt* mitschnitt) { mitschnitt_ = mitschnitt; }

private:
    friend class TSerThread;
    bool Starte(const serial::ComPort& port, unsigned zyklus, const Empfangseingriff& eingriff,
                int* fehler = nullptr);
    void Melde(Fund f);
    // After an exception on alt's thread: alt marks itself as terminating, and a fresh
    // receiver takes over the port unless a stop is under way. 0, or the error number when
    // no descriptor or thread could be had for it.
    int RestartSerThread(TSerThread& alt);
    void Verlassen(TSerThread& t);

    std::function<void()> melden_;
    std::atomic<bool> firmwareModus_{false};
    std::atomic<bool> zeileVerwerfen_{false};
    std::atomic<bool> kandidatVerwerfen_{false};
    mutable std::mutex m_;
    std::condition_variable cv_;
    int laufend_ = 0;
    bool stoppt_ = false;
    TSerThread* aktuell_ = nullptr;
    std::vector<std::unique_ptr<TSerThread>> receiver_;
    std::deque<Fund> funde_;
    std::size_t zeilenWartend_ = 0; // of funde_
    bool gemeldet_ = false;         // a call of melden_ is on its way or being served
    std::uint64_t verworfen_ = 0, zeilenVerworfen_ = 0;
    Empfangseingriff eingriff_;
    Mitschnitt* mitschnitt_ = nullptr;
};

class TSerThread {
public:
    // One read takes at most this many bytes; a larger backlog is read on the next events.
    static constexpr std::size_t Lesepuffer = 2048;

    TSerThread(Empfangsstelle& stelle, const serial::ComPort& port, unsigned zyklus,
               Empfangseingriff eingriff);
    ~TSerThread(); // waits for the thread
    TSerThread(const TSerThread&) = delete;
    TSerThread& operator=(const TSerThread&) = delete;

    void Start();
    // Marks the receiver as terminating and releases its wait.
    void Beende();

private:
    friend class Empfangsstelle;
    class Weitergabe;
    void Execute();
    void Verarbeite(std::span<const std::uint8_t> bytes);

    Empfangsstelle& stelle_;
    const serial::ComPort& port_;
    const unsigned zyklus_;
    const Empfangseingriff eingriff_;
    std::atomic<bool> beendet_{false};
    bool verlassen_ = false; // has left its loop (under the Empfangsstelle's lock)
    serial::Wecker wecker_;
    Empfangsautomat automat_;
    std::thread thread_;
};
