// The composed application with the parametrization window open against the simulated
// controller: the CPU time the application process uses while the window polls, how often its
// threads wake, and how the GUI thread keeps up (the longest gap between two turns of a 10 ms
// timer, the memory, the frames handled per second). Options after "--" go to the simulator,
// so a flood of frames can be measured the same way: then the frames dropped are printed too,
// and the time from the flood's end (the simulator's "Flut vorbei <ns>") until nothing
// received waits any more.
// --ruhe: the composed application at rest instead (shown, port closed, nothing started);
// --leer: an empty window, the floor of the rest figure.
// Usage: fensterleerlauf [--sekunden N] [--vorlauf N] [--luecken] [--ruhe | --leer]
//                        [-- trackersim options]
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "controller/Trackerinit.h"
#include "seriallink/sioverbindung.h"
#include "tools/messwerkzeug.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

// Resident memory in MiB.
double RssMib() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// How often the process's threads have gone to sleep and woken so far: the voluntary context
// switches of every thread.
long long Aufwachen() {
    long long n = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& t : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(t) + QStringLiteral("/status"));
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& zeile : f.readAll().split('\n'))
            if (zeile.startsWith("voluntary_ctxt_switches:"))
                n += zeile.mid(24).trimmed().toLongLong();
    }
    return n;
}

} // namespace

// The composed application as started, port closed and nothing started (or an empty window):
// after the start-up has had vorlauf seconds to end, the CPU time and the wake-ups over
// sekunden.
int Ruhe(bool leer, int sekunden, int vorlauf) {
    QTemporaryDir ordner;
    programmdateien::SetzeOrdner(ordner.path());
    Druckantworter ausgabe;
    dialoge::SetzeAntworter(&ausgabe);
    std::unique_ptr<Anwendung> a;
    QWidget fenster;
    if (leer) {
        fenster.resize(400, 300);
        fenster.show();
    } else {
        a = std::make_unique<Anwendung>();
        a->Zeige();
    }
    double cpu0 = 0, cpu = 0;
    long long wach0 = 0, wach = 0;
    QTimer::singleShot(vorlauf * 1000, [&] {
        cpu0 = CpuSekunden();
        wach0 = Aufwachen();
    });
    // Read before quitting: a quit closes the windows, and the main window then writes its
    // settings file (with fsync, each a wait), which is no part of the rest.
    QTimer::singleShot((vorlauf + sekunden) * 1000, qApp, [&] {
        cpu = CpuSekunden() - cpu0;
        wach = Aufwachen() - wach0;
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    std::printf("%s %d s: CPU %.3f s = %.3f %% eines Kerns, %lld mal aufgewacht\n",
                leer ? "Leeres Fenster" : "Anwendung in Ruhe", sekunden, cpu,
                100.0 * cpu / sekunden, wach);
    a.reset();
    dialoge::SetzeAntworter(nullptr);
    return 0;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int sekunden = 30, vorlauf = 5;
    bool takten = false;
    enum class Art { Abfrage, Ruhe, Leer } art = Art::Abfrage;
    QStringList simOptionen;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--")) {
            simOptionen = args.mid(i + 1);
            break;
        }
        if (args[i] == QLatin1String("--sekunden") && i + 1 < args.size())
            sekunden = args[++i].toInt();
        else if (args[i] == QLatin1String("--vorlauf") && i + 1 < args.size())
            vorlauf = args[++i].toInt();
        else if (args[i] == QLatin1String("--luecken"))
            takten = true;
        else if (args[i] == QLatin1String("--ruhe"))
            art = Art::Ruhe;
        else if (args[i] == QLatin1String("--leer"))
            art = Art::Leer;
        else {
            std::fprintf(stderr, "Aufruf: fensterleerlauf [--sekunden N] [--vorlauf N] [--luecken] "
                                 "[--ruhe | --leer] [-- trackersim-Optionen]\n");
            return 1;
        }
    }
    if (art != Art::Abfrage) return Ruhe(art == Art::Leer, sekunden, vorlauf);

    QTemporaryDir ordner;
    programmdateien::SetzeOrdner(ordner.path());
    const QString link = ordner.filePath(QStringLiteral("trackersim"));
    QProcess sim;
    sim.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/trackersim"));
    sim.setArguments(QStringList{QStringLiteral("--link"), link} + simOptionen);
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start();
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "trackersim startet nicht\n");
        return 1;
    }
    {
        QFile ini(programmdateien::Einstellungsdatei());
        if (!ini.open(QIODevice::WriteOnly)) return 1;
        ini.write("[Ports]\r\nCOM5=" + QFile::encodeName(link) + "\r\n");
    }

    // The flood's end as the simulator tells it (its steady clock, which is this process's
    // too), and the first moment after it when nothing received waits: checked every 2 ms,
    // and taken when a second check still finds nothing (bytes can be between the
    // pseudo-terminal's layers for a moment).
    qint64 flutEndeNs = -1, abgebautNs = -1, leerSeitNs = -1;
    const auto jetztNs = [] {
        return static_cast<qint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                       std::chrono::steady_clock::now().time_since_epoch())
                                       .count());
    };
    Anwendung* anwendung = nullptr;
    QTimer abbau;
    abbau.setTimerType(Qt::PreciseTimer);
    QObject::connect(&abbau, &QTimer::timeout, [&] {
        if (!anwendung || !anwendung->Verbindung->NichtsWartet()) {
            leerSeitNs = -1;
            return;
        }
        if (leerSeitNs < 0) {
            leerSeitNs = jetztNs();
            return;
        }
        abgebautNs = leerSeitNs;
        abbau.stop();
        std::printf("Rückstand %.0f ms nach dem Ende der Flut abgebaut\n",
                    static_cast<double>(abgebautNs - flutEndeNs) / 1e6);
        std::fflush(stdout);
    });
    QObject::connect(&sim, &QProcess::readyReadStandardOutput, [&] {
        while (sim.canReadLine()) {
            const QByteArray zeile = sim.readLine().trimmed();
            if (!zeile.startsWith("Flut vorbei ")) continue;
            flutEndeNs = zeile.mid(12).toLongLong();
            abbau.start(2);
        }
    });

    Druckantworter ausgabe;
    dialoge::SetzeAntworter(&ausgabe);
    const double rssVorher = RssMib();
    auto a = std::make_unique<Anwendung>();
    anwendung = a.get();
    a->Zeige();
    int rahmen = 0;
    qint64 verworfen = 0, zeilenVerworfen = 0;
    QObject::connect(a->Verbindung.get(), &SioVerbindung::rahmenEmpfangen, [&] { ++rahmen; });
    QObject::connect(a->Verbindung.get(), &SioVerbindung::ueberlauf,
                     [&](qint64 n) { verworfen += n; });
    QObject::connect(a->Verbindung.get(), &SioVerbindung::zeilenUeberlauf,
                     [&](qint64 n) { zeilenVerworfen += n; });
    Oeffnung o;
    o.ComPortNr = 5;
    WendeEinstellstringAn(o.Einstellungen, "baud=4800 parity=N data=8 stop=1");
    a->Verbindung->SioReInit(o);
    if (!a->Verbindung->PortOffen() || !a->FormTrackerInit->isVisible()) {
        std::fprintf(stderr, "COM5 nicht offen oder Fenster nicht gezeigt\n");
        return 1;
    }
    std::printf("Gerät: %s; Fenster offen, %d s Vorlauf, %d s Messung\n",
                qPrintable(a->Verbindung->Geraet()), vorlauf, sekunden);
    std::fflush(stdout);

    // The event loop's turns (--luecken): a 10 ms timer whose longest gap per second is
    // printed. It costs CPU time of its own, so the idle figure is taken without it.
    QElapsedTimer uhr;
    uhr.start();
    qint64 letzterTakt = 0, groessteLuecke = 0, groessteLueckeGesamt = 0;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const qint64 jetzt = uhr.elapsed();
        groessteLuecke = std::max(groessteLuecke, jetzt - letzterTakt);
        letzterTakt = jetzt;
    });
    if (takten) takt.start(10);

    double cpu0 = 0, rssSpitze = 0, rssRuhe = 0;
    long long wach0 = 0;
    int sekunde = 0, rahmenVorher = 0;
    const auto messen = [&] {
        cpu0 = CpuSekunden();
        wach0 = Aufwachen();
        rssRuhe = RssMib();
    };
    // Without --luecken nothing of the measurement runs during it but the two readings, so
    // the CPU figure is the application's alone.
    QTimer jedeSekunde;
    QObject::connect(&jedeSekunde, &QTimer::timeout, [&] {
        ++sekunde;
        const double rss = RssMib();
        rssSpitze = std::max(rssSpitze, rss);
        std::printf("%3d s: %6d Rahmen/s, längste Lücke %4lld ms, %6.1f MiB\n", sekunde - vorlauf,
                    rahmen - rahmenVorher, static_cast<long long>(groessteLuecke), rss);
        std::fflush(stdout);
        rahmenVorher = rahmen;
        if (sekunde > vorlauf)
            groessteLueckeGesamt = std::max(groessteLueckeGesamt, groessteLuecke);
        groessteLuecke = 0;
        if (sekunde == vorlauf) messen();
    });
    letzterTakt = uhr.elapsed();
    if (takten) {
        jedeSekunde.start(1000);
    } else {
        QTimer::singleShot(vorlauf * 1000, messen);
    }
    // The figures are read before quitting: a quit closes the windows, and their closing work
    // (the settings file, the port) is no part of the polling.
    double cpu = 0;
    long long wach = 0;
    QTimer::singleShot((vorlauf + sekunden) * 1000 + 10, &app, [&] {
        cpu = CpuSekunden() - cpu0;
        wach = Aufwachen() - wach0;
        QCoreApplication::quit();
    });
    app.exec();
    rssSpitze = std::max(rssSpitze, RssMib());

    std::printf(
        "Fenster offen %d s: CPU %.3f s = %.3f %% eines Kerns, %lld mal aufgewacht; längste "
        "Lücke der Ereignisschleife %lld ms; Speicher vor dem Öffnen %.1f MiB, nach dem Vorlauf "
        "%.1f MiB, höchstens %.1f MiB (+%.1f MiB)\n",
        sekunden, cpu, 100.0 * cpu / sekunden, wach,
        static_cast<long long>(groessteLueckeGesamt), rssVorher, rssRuhe, rssSpitze,
        rssSpitze - rssRuhe);
    if (flutEndeNs >= 0) {
        std::printf("Flut: %lld Protokolle und %lld Bootloaderzeilen verworfen; ",
                    static_cast<long long>(verworfen), static_cast<long long>(zeilenVerworfen));
        if (abgebautNs >= 0)
            std::printf("Rückstand %.0f ms nach ihrem Ende abgebaut\n",
                        static_cast<double>(abgebautNs - flutEndeNs) / 1e6);
        else
            std::printf("Rückstand bis zum Ende der Messung nicht abgebaut\n");
    }
    anwendung = nullptr;
    a.reset();
    dialoge::SetzeAntworter(nullptr);
    sim.terminate();
    sim.waitForFinished(5000);
    return 0;
}
