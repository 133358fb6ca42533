// Opens a port through the link's front as the application does and measures the CPU time
// the process uses while the port stays open: idle, or (--abfrage) with a status request
// every 1.5 s that a stand-in controller answers. Without --geraet it makes a
// pseudo-terminal of its own; the stand-in then runs in a child process, so that the
// figures are the application side's alone. Prints panel texts as they come and the figures
// at the end (utime + stime from /proc/self/stat).
#include "geraet/messages.h"
#include "linkfenster/linkanzeige.h"
#include "seriallink/rahmen.h"
#include "seriallink/sioverbindung.h"
#include "tools/messwerkzeug.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The controller's stand-in on the master side: answers every request with a status
// response, until the master is closed.
[[noreturn]] void SpieleRegler(int master) {
    const rahmen::Bytes antwort = rahmen::Antwort(messages::Byte(messages::Kommando::Status),
                                                  rahmen::Bytes{0x21, 0x10, 0x00});
    std::uint8_t puffer[256];
    for (;;) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, -1) < 0) continue;
        const ssize_t n = ::read(master, puffer, sizeof puffer);
        if (n < 0 && errno == EAGAIN) continue;
        if (n <= 0) ::_exit(0);
        for (ssize_t i = 0; i < n; ++i)
            if (puffer[i] == rahmen::Ende) [[maybe_unused]]
                const ssize_t w = ::write(master, antwort.data(), antwort.size());
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser optionen;
    optionen.setApplicationDescription(
        QStringLiteral("Misst die CPU-Zeit bei offener Schnittstelle."));
    optionen.addHelpOption();
    optionen.addOption({QStringLiteral("sekunden"), QStringLiteral("Messdauer"),
                        QStringLiteral("s"), QStringLiteral("30")});
    optionen.addOption(
        {QStringLiteral("abfrage"), QStringLiteral("alle 1,5 s eine Statusanfrage senden")});
    optionen.addOption({QStringLiteral("geraet"),
                        QStringLiteral("vorhandenes Gerät statt eines eigenen Pseudo-Terminals"),
                        QStringLiteral("pfad")});
    optionen.process(app);
    const int sekunden = optionen.value(QStringLiteral("sekunden")).toInt();
    const bool abfrage = optionen.isSet(QStringLiteral("abfrage"));

    QString geraet = optionen.value(QStringLiteral("geraet"));
    int master = -1;
    pid_t regler = -1;
    if (geraet.isEmpty()) {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
            std::perror("posix_openpt");
            return 1;
        }
        geraet = QString::fromLocal8Bit(::ptsname(master));
        if (abfrage) {
            regler = ::fork();
            if (regler == 0) SpieleRegler(master);
        }
    }
    QTemporaryDir ordner;
    const QString ini = Com1Datei(ordner, geraet);
    if (ini.isEmpty()) return 1;

    Druckantworter ausgabe;
    dialoge::SetzeAntworter(&ausgabe);
    SioVerbindung sio;
    sio.SetzeEinstellungsdatei(ini);
    Linkanzeige anzeige(sio);
    QObject::connect(&anzeige, &Linkanzeige::panelText, [](int panel, const QString& text) {
        if (panel == 1) std::printf("Panel 1: %s\n", qPrintable(text));
    });
    QObject::connect(&anzeige, &Linkanzeige::panelHinweis, [](int, const QString& text) {
        if (!text.isEmpty()) std::printf("Hinweis: %s\n", qPrintable(text));
    });
    int antworten = 0;
    QObject::connect(&sio, &SioVerbindung::rahmenEmpfangen, [&] { ++antworten; });

    Oeffnung o;
    o.ComPortNr = 1;
    WendeEinstellstringAn(o.Einstellungen, "baud=4800 parity=N data=8 stop=1");
    sio.SioInit(o);
    if (!sio.PortOffen()) return 1;
    std::printf("Gerät: %s\n", qPrintable(geraet));
    std::fflush(stdout);

    // The parametrization window's poll: "Get Status", which the controller (and trackersim)
    // answers with a status response.
    const rahmen::Bytes anfrage = messages::Anfrage(messages::Kommando::GetStatus);
    QTimer poll;
    int anfragen = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (sio.SioSend(anfrage.data(), static_cast<unsigned>(anfrage.size()))) ++anfragen;
    });
    if (abfrage) poll.start(1500);

    const double cpu0 = CpuSekunden();
    QElapsedTimer uhr;
    uhr.start();
    QTimer::singleShot(sekunden * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = CpuSekunden() - cpu0;
    const double wand = static_cast<double>(uhr.elapsed()) / 1000.0;

    std::printf("%s %.1f s: CPU %.3f s = %.3f %% eines Kerns", abfrage ? "Abfrage" : "Leerlauf",
                wand, cpu, 100.0 * cpu / wand);
    if (abfrage) std::printf(" (%d Anfragen, %d Antworten)", anfragen, antworten);
    std::printf("\n");
    sio.SioClose();
    if (master >= 0) ::close(master);
    if (regler > 0) {
        ::kill(regler, SIGTERM);
        ::waitpid(regler, nullptr, 0);
    }
    dialoge::SetzeAntworter(nullptr);
    return 0;
}
