// trackersim: the tracker controller (or its bootloader) on a pseudo-terminal, for running the
// application without the device. Prints the device's path as one line once it is ready, then
// answers until SIGINT or SIGTERM. With --flut it prints a second line once the pseudo-terminal
// has taken the flood's last byte: "Flut vorbei <ns>", the steady clock's nanoseconds
// (CLOCK_MONOTONIC), so that a measuring tool can time the draining of the backlog.
#include "basis/kommandozeile.h"
#include "basis/sprache.h"
#include "seriallink/rahmen.h"
#include "tools/trackersim/bootloader.h"
#include "tools/trackersim/optionen.h"
#include "tools/trackersim/sendeplan.h"
#include "tools/trackersim/steuerung.h"
#include "tools/trackersim/terminal.h"

#include <QCoreApplication>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <memory>
#include <optional>

using namespace trackersim;

namespace {

int SignalQuelle() {
    sigset_t s;
    sigemptyset(&s);
    for (const int sig : {SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2}) {
        // A shell starts a job with & with SIGINT ignored; an ignored signal never reaches the
        // signalfd, and the link would stay behind.
        std::signal(sig, SIG_DFL);
        sigaddset(&s, sig);
    }
    if (sigprocmask(SIG_BLOCK, &s, nullptr) != 0) return -1;
    std::signal(SIGPIPE, SIG_IGN);
    return signalfd(-1, &s, SFD_NONBLOCK | SFD_CLOEXEC);
}

std::optional<Zeit> Frueher(std::optional<Zeit> a, std::optional<Zeit> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

void SchreibeFlash(const Optionen& o, const Bootloader* b) {
    if (!b || o.flashDump.empty()) return;
    try {
        SchreibeDatei(o.flashDump, b->Flash());
    } catch (const std::exception& x) {
        std::fprintf(stderr, "trackersim: %s\n", x.what());
    }
}

// The loop: bytes from the application go to the device (through the receive pacing, when
// asked for), what it answers goes through the pacing to the line; in between it sleeps until
// a byte, a signal or the next due time.
int Laufe(const Optionen& o, Geraet& geraet, Bootloader* bootloader, int master, int signale) {
    const auto start = std::chrono::steady_clock::now();
    const auto jetzt = [&] {
        return std::chrono::duration_cast<Zeit>(std::chrono::steady_clock::now() - start);
    };
    Sendeplan plan(o.baud);
    Sendeplan eingang(o.rxBaud); // the application's bytes on their way to the device
    Bytes ausgang;               // due, not yet taken by the pseudo-terminal
    plan.Anhaengen(geraet.Einschalten(jetzt()), jetzt());
    // The flood: status responses, as fast as the pseudo-terminal takes them; with a wrong
    // checksum each fails at its end byte and the candidate swallows the next four.
    const Zeit flutAnfang = std::chrono::seconds(o.flutAb);
    const Zeit flutEnde = flutAnfang + std::chrono::seconds(o.flut);
    Bytes flutRahmen = rahmen::Antwort(9, Bytes{0x21, 0x10, 0x00});
    if (o.flutFalsch) ++flutRahmen[flutRahmen.size() - 2];
    std::size_t flutImAusgang = 0; // bytes of ausgang up to the last flood byte in it
    bool flutGemeldet = false;
    std::uint8_t puffer[4096];
    for (;;) {
        Zeit t = jetzt();
        const Bytes faellig = plan.Faellig(t);
        ausgang.insert(ausgang.end(), faellig.begin(), faellig.end());
        const bool flut = o.flut > 0 && t >= flutAnfang && t < flutEnde;
        // During the flood the output never runs dry, also after the last write of a turn: the
        // poll below waits for room only while bytes are pending. A few writes per turn, so
        // requests and the flood's end are still seen.
        const auto nachfuellen = [&] {
            while (flut && ausgang.size() < 4096) {
                ausgang.insert(ausgang.end(), flutRahmen.begin(), flutRahmen.end());
                flutImAusgang = ausgang.size();
            }
        };
        for (int schreibe = 0; schreibe < 16; ++schreibe) {
            nachfuellen();
            if (ausgang.empty()) break;
            const ssize_t n = write(master, ausgang.data(), ausgang.size());
            if (n > 0) {
                ausgang.erase(ausgang.begin(), ausgang.begin() + n);
                flutImAusgang -= std::min(flutImAusgang, static_cast<std::size_t>(n));
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                // EAGAIN: nobody reads the device and its buffer is full; wait until it drains.
                if (n < 0 && errno != EAGAIN) {
                    std::fprintf(stderr, "trackersim: write: %s\n", std::strerror(errno));
                    ausgang.clear();
                    flutImAusgang = 0;
                }
                break;
            }
        }
        nachfuellen();
        if (o.flut > 0 && !flutGemeldet && t >= flutEnde && flutImAusgang == 0) {
            flutGemeldet = true;
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
            std::printf("Flut vorbei %lld\n", static_cast<long long>(ns.count()));
            std::fflush(stdout);
        }

        timespec warte{};
        timespec* frist = nullptr;
        std::optional<Zeit> flutGrenze;
        if (o.flut > 0 && t < flutAnfang) flutGrenze = flutAnfang;
        if (flut) flutGrenze = flutEnde;
        if (const auto naechste = Frueher(
                Frueher(Frueher(plan.Naechste(), geraet.NaechsterTakt()), eingang.Naechste()),
                flutGrenze)) {
            const auto rest = std::max(*naechste - t, Zeit{0});
            warte.tv_sec = static_cast<time_t>(rest.count() / 1'000'000);
            warte.tv_nsec = static_cast<long>(rest.count() % 1'000'000 * 1000);
            frist = &warte;
        }
        pollfd fds[2] = {{master, static_cast<short>(POLLIN | (ausgang.empty() ? 0 : POLLOUT)), 0},
                         {signale, POLLIN, 0}};
        if (ppoll(fds, 2, frist, nullptr) < 0) {
            if (errno == EINTR) continue;
            std::fprintf(stderr, "trackersim: poll: %s\n", std::strerror(errno));
            return 1;
        }
        t = jetzt();

        if (fds[1].revents & POLLIN) {
            signalfd_siginfo info{};
            while (read(signale, &info, sizeof info) == sizeof info) {
                if (info.ssi_signo == SIGUSR1) {
                    SchreibeFlash(o, bootloader);
                } else if (info.ssi_signo == SIGUSR2) {
                    if (bootloader) plan.Anhaengen(bootloader->Einschalten(t), t);
                } else {
                    SchreibeFlash(o, bootloader);
                    return 0;
                }
            }
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t n = read(master, puffer, sizeof puffer);
            if (n > 0) eingang.Anhaengen(Bytes(puffer, puffer + n), t);
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Not expected while the slave is held open; never spin on it.
            const timespec pause{0, 100'000'000};
            nanosleep(&pause, nullptr);
        }
        if (const Bytes an = eingang.Faellig(t); !an.empty())
            plan.Anhaengen(geraet.Empfange(an, t), t);
        plan.Anhaengen(geraet.Takt(t), t);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The option reader's messages through the same translation as this program's.
    kommandozeile::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    Optionen o;
    std::string fehler;
    const bool gelesen = LeseOptionen(argc, argv, o, fehler);
    if (!gelesen || o.hilfe) {
        // Help and a wrong call in the user's language: the core alone translates, read again.
        QCoreApplication kern(argc, argv);
        sprache::Installiere(kern, false);
        o = Optionen{};
        fehler.clear();
        if (!LeseOptionen(argc, argv, o, fehler)) {
            std::fprintf(stderr, "trackersim: %s\n%s\n", fehler.c_str(),
                         QCoreApplication::translate("trackersim", "(--help zeigt die Optionen)")
                             .toUtf8()
                             .constData());
            return 2;
        }
        std::fputs(Hilfetext().c_str(), stdout);
        return 0;
    }
    if (!o.uhrGesetzt) o.steuerung.uhr = static_cast<std::int64_t>(std::time(nullptr));

    const int signale = SignalQuelle();
    if (signale < 0) {
        std::fprintf(stderr, "trackersim: signalfd: %s\n", std::strerror(errno));
        return 1;
    }
    try {
        Pseudoterminal pty;
        std::optional<Verknuepfung> link;
        if (!o.link.empty()) link.emplace(o.link, pty.Pfad());

        std::unique_ptr<Geraet> geraet;
        Bootloader* bootloader = nullptr;
        if (o.bootloader) {
            BootloaderEinstellungen e = o.bootloaderEinstellungen;
            if (o.protokoll)
                e.protokoll = [](std::string_view zeile) {
                    std::fprintf(stderr, "%.*s\n", static_cast<int>(zeile.size()), zeile.data());
                    std::fflush(stderr);
                };
            auto b = std::make_unique<Bootloader>(std::move(e));
            bootloader = b.get();
            geraet = std::move(b);
        } else {
            geraet = std::make_unique<Steuerung>(o.steuerung);
        }

        // The path last: whoever reads it finds the device and the link ready.
        std::printf("%s\n", pty.Pfad().c_str());
        std::fflush(stdout);
        return Laufe(o, *geraet, bootloader, pty.Master(), signale);
    } catch (const std::exception& x) {
        std::fprintf(stderr, "trackersim: %s\n", x.what());
        return 1;
    }
}
