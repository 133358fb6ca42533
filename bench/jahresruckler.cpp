// The composed application while the year window sweeps an error over a range on every core:
// how long the GUI thread waits between two turns of a 1 ms timer, while the main window
// recalculates every 50 ms (and the day chart follows it), against the same measured before
// the sweep with nothing running (the floor). Prints the sweep's time and, for the floor and
// the sweep, the turns, the 99th percentile and the longest gap, and the gaps over 16 ms.
// Usage: jahresruckler [--von X --bis X --weite X] [--schritt MIN] [--runden N]
#include "app/anwendung.h"
#include "basis/programmdateien.h"
#include "tools/messwerkzeug.h"
#include "workspace/SDIMAIN.h"
#include "workspace/jahresverschattung.h"
#include "workspace/tagesverlauf.h"

#include <QApplication>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Luecken {
    std::vector<qint64> us; // gaps between turns, microseconds
    void Drucke(const char* name) {
        std::sort(us.begin(), us.end());
        const auto anteil = [&](double p) {
            return us.empty() ? 0.0 : us[static_cast<std::size_t>(p * double(us.size() - 1))] / 1000.0;
        };
        const long ueber16 = std::count_if(us.begin(), us.end(), [](qint64 g) { return g > 16000; });
        std::printf("%-8s %7zu Runden, Median %.2f ms, 99%% %.2f ms, längste %.2f ms, über 16 ms: %ld\n",
                    name, us.size(), anteil(0.5), anteil(0.99), us.empty() ? 0.0 : us.back() / 1000.0,
                    ueber16);
    }
};

// Turns the event loop for ms milliseconds (or until jahr's study or sweep ends) and records
// its gaps.
Luecken Miss(int ms, TFormJahresverschattung* jahr = nullptr) {
    Luecken l;
    QElapsedTimer uhr;
    uhr.start();
    qint64 letzte = uhr.nsecsElapsed();
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        const qint64 jetzt = uhr.nsecsElapsed();
        l.us.push_back((jetzt - letzte) / 1000);
        letzte = jetzt;
    });
    takt.start(1);
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    if (jahr) QObject::connect(jahr, &TFormJahresverschattung::fertig, &schleife, &QEventLoop::quit);
    schleife.exec();
    return l;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString von = QStringLiteral("-20"), bis = QStringLiteral("20"), weite = QStringLiteral("1");
    int schritt = 5, runden = 1;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--von")) von = args[i + 1];
        else if (args[i] == QLatin1String("--bis")) bis = args[i + 1];
        else if (args[i] == QLatin1String("--weite")) weite = args[i + 1];
        else if (args[i] == QLatin1String("--schritt")) schritt = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--runden")) runden = args[i + 1].toInt();
        else {
            std::fprintf(stderr, "Aufruf: jahresruckler [--von X --bis X --weite X] [--schritt MIN] "
                                 "[--runden N]\n");
            return 1;
        }
    }
    if (args.size() % 2 == 0) {
        std::fprintf(stderr, "Aufruf: jahresruckler [--von X --bis X --weite X] [--schritt MIN] "
                             "[--runden N]\n");
        return 1;
    }

    QTemporaryDir ordner;
    programmdateien::SetzeOrdner(ordner.path());
    Druckantworter ausgabe;
    dialoge::SetzeAntworter(&ausgabe);
    Anwendung a;
    a.Zeige();
    emit a.SDIAppForm->tagesverlaufGewaehlt();
    emit a.SDIAppForm->jahresverschattungGewaehlt();
    TFormJahresverschattung& jahr = *a.FormJahresverschattung;
    jahr.findChild<QSpinBox*>(QStringLiteral("Schritt"))->setValue(schritt);
    jahr.findChild<QLineEdit*>(QStringLiteral("Von"))->setText(von);
    jahr.findChild<QLineEdit*>(QStringLiteral("Bis"))->setText(bis);
    jahr.findChild<QLineEdit*>(QStringLiteral("Weite"))->setText(weite);

    // The user goes on working in the main window: a calculation every 50 ms.
    QTimer arbeit;
    Luecken rechnen; // how long each of those takes on the GUI thread
    QObject::connect(&arbeit, &QTimer::timeout, [&] {
        QElapsedTimer t;
        t.start();
        a.SDIAppForm->Berechne();
        QCoreApplication::sendPostedEvents(); // the day chart's and the scene's updates
        rechnen.us.push_back(t.nsecsElapsed() / 1000);
    });
    arbeit.start(50);
    Miss(500); // windows shown and laid out

    for (int r = 0; r < runden; ++r) {
        Miss(2000).Drucke("Boden");
        QElapsedTimer dauer;
        dauer.start();
        // Clicked from the loop that measures, so that the start's own work counts too.
        QTimer::singleShot(0, &jahr, [&jahr] {
            jahr.findChild<QPushButton*>(QStringLiteral("Variieren"))->click();
        });
        Luecken l = Miss(600000, &jahr);
        const double s = dauer.elapsed() / 1000.0;
        l.Drucke("Variation");
        std::printf("Variation %s bis %s in Schritten von %s, %d min: %.2f s\n", qPrintable(von),
                    qPrintable(bis), qPrintable(weite), schritt, s);
        std::fflush(stdout);
    }
    rechnen.Drucke("Rechnung");
    return 0;
}
