// The composed application with the parametrization window shown while the simulated
// controller floods valid status frames as fast as the pseudo-terminal takes them: how long
// the GUI thread takes to answer an accessibility query of the main window's status bar and
// to open the parametrization window, against the same before the flood.
//
// The queries come from a thread of their own, as an assistive technology's requests arrive
// from outside the GUI thread: each is handed to the GUI thread as a queued call that reads
// the four panels through QAccessible::queryAccessibleInterface, and the thread waits for
// the answer. The window is opened the same way: the thread asks for "Tracker" >
// "Parametrierung" with the window closed and waits for its first paint. Accessibility is
// active where the platform has a bridge to assistive technology (on X11 with an AT-SPI bus,
// as tools/flutmessung.sh runs it); the output says whether it was.
//
// Prints the median and the longest answer at rest and in the flood, with their ratio, the
// opening times, and the frames handled and dropped in the flood.
// Usage: fensterflut [--flut S] [--vorlauf S]
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "controller/Trackerinit.h"
#include "seriallink/sioverbindung.h"
#include "tools/messwerkzeug.h"
#include "workspace/SDIMAIN.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

// The status bar's panels as an assistive technology reads them.
QStringList Panels(QStatusBar* leiste) {
    QStringList texte;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(leiste);
    if (!i) return texte;
    for (int k = 0; k < i->childCount(); ++k)
        if (QAccessibleInterface* kind = i->child(k)) texte << kind->text(QAccessible::Name);
    return texte;
}

// Runs f on the GUI thread and waits for it: the time from the request to the answer. The
// call owns the promise, so it is not destroyed under set_value when the answer wakes the
// caller.
template <class F> double AufGuiThread(QObject* ziel, F f) {
    auto fertig = std::make_shared<std::promise<void>>();
    std::future<void> antwort = fertig->get_future();
    const auto anfang = Uhr::now();
    QMetaObject::invokeMethod(
        ziel,
        [fertig, f] {
            f();
            fertig->set_value();
        },
        Qt::QueuedConnection);
    antwort.wait();
    return Ms(Uhr::now() - anfang).count();
}

// Notes the first paint of the watched window after Erwarte().
class Erstzeichnung : public QObject {
public:
    void Erwarte() {
        versprochen_ = std::promise<Uhr::time_point>();
        wartet_ = true;
    }
    std::future<Uhr::time_point> Zukunft() { return versprochen_.get_future(); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && wartet_) {
            wartet_ = false;
            versprochen_.set_value(Uhr::now());
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::promise<Uhr::time_point> versprochen_;
    bool wartet_ = false; // GUI thread only
};

struct Reihe {
    std::vector<double> ms;
    double Median() const {
        if (ms.empty()) return 0;
        std::vector<double> s = ms;
        std::nth_element(s.begin(), s.begin() + s.size() / 2, s.end());
        return s[s.size() / 2];
    }
    double Groesste() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int flut = 10, vorlauf = 4;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--flut") && i + 1 < args.size())
            flut = args[++i].toInt();
        else if (args[i] == QLatin1String("--vorlauf") && i + 1 < args.size())
            vorlauf = args[++i].toInt();
        else {
            std::fprintf(stderr, "Aufruf: fensterflut [--flut S] [--vorlauf S]\n");
            return 1;
        }
    }
    if (flut < 4 || vorlauf < 3) {
        std::fprintf(stderr, "--flut braucht mindestens 4 s, --vorlauf mindestens 3 s\n");
        return 1;
    }

    QTemporaryDir ordner;
    programmdateien::SetzeOrdner(ordner.path());
    const QString link = ordner.filePath(QStringLiteral("trackersim"));
    QProcess sim;
    sim.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/trackersim"));
    sim.setArguments({QStringLiteral("--link"), link, QStringLiteral("--flut"),
                      QString::number(flut), QStringLiteral("--flut-ab"),
                      QString::number(vorlauf)});
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start();
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "trackersim startet nicht\n");
        return 1;
    }
    // The flood's start on this process's clock, within the time the first line took.
    const auto flutAnfang = Uhr::now() + std::chrono::seconds(vorlauf);
    const auto flutEnde = flutAnfang + std::chrono::seconds(flut);
    {
        QFile ini(programmdateien::Einstellungsdatei());
        if (!ini.open(QIODevice::WriteOnly)) return 1;
        ini.write("[Ports]\r\nCOM5=" + QFile::encodeName(link) + "\r\n");
    }

    Druckantworter ausgabe;
    dialoge::SetzeAntworter(&ausgabe);
    auto a = std::make_unique<Anwendung>();
    a->Zeige();
    qint64 rahmen = 0, verworfen = 0;
    bool zaehlen = false;
    QObject::connect(a->Verbindung.get(), &SioVerbindung::rahmenEmpfangen, [&] {
        if (zaehlen) ++rahmen;
    });
    QObject::connect(a->Verbindung.get(), &SioVerbindung::ueberlauf, [&](qint64 n) {
        if (zaehlen) verworfen += n;
    });
    Oeffnung o;
    o.ComPortNr = 5;
    WendeEinstellstringAn(o.Einstellungen, "baud=4800 parity=N data=8 stop=1");
    a->Verbindung->SioReInit(o);
    if (!a->Verbindung->PortOffen() || !a->FormTrackerInit->isVisible()) {
        std::fprintf(stderr, "COM5 nicht offen oder Fenster nicht gezeigt\n");
        return 1;
    }
    QStatusBar* leiste = a->SDIAppForm->statusBar();
    TSDIAppForm* haupt = a->SDIAppForm.get();
    TFormTrackerInit* fenster = a->FormTrackerInit.get();
    Erstzeichnung zeichnung;
    fenster->installEventFilter(&zeichnung);

    // The thread that asks; the GUI thread runs its event loop meanwhile.
    Reihe ruhe, inFlut, oeffnenRuhe, oeffnenFlut;
    QStringList letzteAntwort;
    std::atomic<bool> fertig{false};
    std::thread frager([&] {
        const auto schlafeBis = [](Uhr::time_point t) { std::this_thread::sleep_until(t); };
        const auto frage = [&](Reihe& r) {
            r.ms.push_back(AufGuiThread(leiste, [&] { letzteAntwort = Panels(leiste); }));
        };
        const auto oeffne = [&](Reihe& r) {
            AufGuiThread(fenster, [&] { fenster->close(); });
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            std::future<Uhr::time_point> gezeichnet;
            const auto anfang = Uhr::now();
            AufGuiThread(fenster, [&] {
                zeichnung.Erwarte();
                gezeichnet = zeichnung.Zukunft();
                emit haupt->parametrierungGewaehlt();
            });
            r.ms.push_back(Ms(gezeichnet.get() - anfang).count());
        };
        // At rest: from a second after the start until a second before the flood.
        schlafeBis(Uhr::now() + std::chrono::seconds(1));
        oeffne(oeffnenRuhe);
        while (Uhr::now() < flutAnfang - std::chrono::seconds(1)) {
            frage(ruhe);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        // In the flood, a second after its start until a second before its end; the window
        // is opened three times on the way.
        schlafeBis(flutAnfang + std::chrono::seconds(1));
        AufGuiThread(leiste, [&] { zaehlen = true; });
        const auto zaehlAnfang = Uhr::now();
        const auto messEnde = flutEnde - std::chrono::seconds(1);
        const auto spanne = messEnde - zaehlAnfang;
        int geoeffnet = 0;
        while (Uhr::now() < messEnde) {
            if (geoeffnet < 3 && Uhr::now() >= zaehlAnfang + spanne * (geoeffnet + 1) / 4) {
                oeffne(oeffnenFlut);
                ++geoeffnet;
                continue;
            }
            frage(inFlut);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        const double sekunden = std::chrono::duration<double>(Uhr::now() - zaehlAnfang).count();
        AufGuiThread(leiste, [&] {
            zaehlen = false;
            std::printf("In der Flut (%.1f s): %.0f Rahmen/s behandelt, %.0f Rahmen/s "
                        "verworfen; Panels zuletzt: %s\n",
                        sekunden, static_cast<double>(rahmen) / sekunden,
                        static_cast<double>(verworfen) / sekunden,
                        qPrintable(letzteAntwort.join(QStringLiteral(" | "))));
        });
        fertig = true;
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    frager.join();

    const auto zeile = [](const char* was, const Reihe& r, const Reihe& boden) {
        std::printf("%s: %zu mal, Median %.1f ms (%.0f x Ruhe), längste %.1f ms (%.0f x Ruhe)\n",
                    was, r.ms.size(), r.Median(), r.Median() / std::max(boden.Median(), 1e-3),
                    r.Groesste(), r.Groesste() / std::max(boden.Groesste(), 1e-3));
    };
    std::printf("Barrierefreiheit %s\n", QAccessible::isActive() ? "aktiv" : "aus");
    zeile("Abfrage der Statusleiste in Ruhe", ruhe, ruhe);
    zeile("Abfrage der Statusleiste in der Flut", inFlut, ruhe);
    zeile("Öffnen des Fensters in Ruhe", oeffnenRuhe, oeffnenRuhe);
    zeile("Öffnen des Fensters in der Flut", oeffnenFlut, oeffnenRuhe);
    a.reset();
    dialoge::SetzeAntworter(nullptr);
    sim.terminate();
    sim.waitForFinished(5000);
    return fertig ? 0 : 1;
}
