// Opens a port through the link's front as the application does and measures the CPU time
// the process uses while the port stays open: idle, or (--abfrage) with a status request
// every 1.5 s that a stand-in controller answers. Without --geraet it makes a
// pseudo-terminal of its own; the stand-in then runs in a child process, so that the
// figures are the application side's alone. Prints panel texts as they come and the figures
// at the end (utime + stime from /proc/self/stat).
#include "basis/kommandozeile.h"
#include "basis/sprache.h"
#include "geraet/messages.h"
#include "linkfenster/linkanzeige.h"
#include "seriallink/rahmen.h"
#include "seriallink/sioverbindung.h"
#include "tools/messwerkzeug.h"

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

QString Hilfe() {
    return QCoreApplication::translate(
        "sioleerlauf",
        "Aufruf: sioleerlauf [Optionen]\n"
        "Misst die CPU-Zeit, die der Prozess bei offener Schnittstelle braucht.\n"
        "--opt=wert oder --opt wert.\n"
        "  --sekunden S   Messdauer in Sekunden (30; 1 bis 86400)\n"
        "  --abfrage      alle 1,5 s eine Statusanfrage senden, die ein Stellvertreter\n"
        "                 der Steuerung beantwortet\n"
        "  --geraet PFAD  vorhandenes Gerät statt eines eigenen Pseudo-Terminals\n"
        "  --help         diese Hilfe\n"
        "Ende: 0 gemessen, 1 falscher Aufruf oder die Schnittstelle lässt sich nicht\n"
        "öffnen.\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    sprache::Installiere(app, false);
    namespace kz = kommandozeile;
    kz::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    int sekunden = 30;
    bool abfrage = false, hilfe = false;
    std::string geraetText;
    const kz::Option optionen[] = {
        kz::Schalter("help", [&] { hilfe = true; }),
        kz::Schalter("abfrage", [&] { abfrage = true; }),
        kz::Wert("sekunden", kz::Ganzzahl(sekunden, 1, 86400),
                 QT_TRANSLATE_NOOP("sioleerlauf", "eine Zahl von Sekunden von 1 bis 86400")),
        kz::Wert("geraet", kz::Text(geraetText), QT_TRANSLATE_NOOP("sioleerlauf", "ein Pfad")),
    };
    kz::Regeln regeln;
    regeln.kontext = "sioleerlauf";
    kz::Aufruf aufruf;
    if (std::string fehler; !kz::Lies(argc, argv, optionen, regeln, aufruf, fehler)) {
        std::fprintf(stderr, "sioleerlauf: %s\n", fehler.c_str());
        return 1;
    }
    if (hilfe) {
        std::fputs(qPrintable(Hilfe()), stdout);
        return 0;
    }

    QString geraet = QString::fromLocal8Bit(geraetText);
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
