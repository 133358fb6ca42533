// Cost of drawing the scene and of one simulation tick on the GUI thread.
//
// The scene is drawn afresh on every paint, during a move every 100 ms, so one paint must
// stay far below the move tick (goal: under 2 %). After the benchmarks a simulated day
// (interval 15: 96 time-lapse ticks plus the move ticks they cause) is run through the
// window's own handlers, each tick followed by a paint into an image, and the longest time
// one tick holds the GUI thread is printed.
#include "basis/programmdateien.h"
#include "widgets/dialoge.h"
#include "widgets/handlerlauf.h"
#include "workspace/SDIMAIN.h"
#include "workspace/szene.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double MoveTaktSekunden = 0.1;

// The window's defaults with the sun due south and the tracker already there.
Simulationszustand Standard() {
    return szene::Beispielzustand();
}

void Male(benchmark::State& state, const Simulationszustand& vorlage) {
    QImage bild(szene::Seite, szene::Seite, QImage::Format_ARGB32_Premultiplied);
    const QColor hintergrund = QApplication::palette().color(QPalette::Button);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        Simulationszustand z = vorlage;
        QPainter p(&bild);
        p.fillRect(0, 0, szene::Seite, szene::Seite, hintergrund);
        QPainterFlaeche f(p, hintergrund);
        benchmark::DoNotOptimize(szene::PaintBox1Paint(z, f, false));
        p.end();
    }
    const double sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // One paint against the 100 ms move tick, in percent.
    if (state.iterations() > 0)
        state.counters["AnteilMoveTakt_%"] =
            sekunden / static_cast<double>(state.iterations()) / MoveTaktSekunden * 100;
}

void BM_SzeneStandard(benchmark::State& state) {
    Male(state, Standard());
}
BENCHMARK(BM_SzeneStandard)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_SzeneBewegung(benchmark::State& state) {
    Simulationszustand z = Standard();
    z.MoveActive = true;
    z.MovePos = 120;
    z.MoveTarget = 180;
    z.MoveStep = -2.4;
    Male(state, z);
}
BENCHMARK(BM_SzeneBewegung)->UseRealTime()->Unit(benchmark::kMicrosecond);

// Failures are counted, never shown in a box.
class Still : public dialoge::Antworter {
public:
    QMessageBox::StandardButton frage(QWidget*, const dialoge::Nachricht&) override {
        ++meldungen;
        return QMessageBox::Ok;
    }
    int meldungen = 0;
};

struct Messung {
    std::vector<double> ms;
    double max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
    double median() const {
        if (ms.empty()) return 0;
        std::vector<double> s = ms;
        std::nth_element(s.begin(), s.begin() + s.size() / 2, s.end());
        return s[s.size() / 2];
    }
};

// A timer's tick as its timeout runs it, through the window's handler runner.
void Tick(QTimer* t) {
    QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
}

void Tageslauf() {
    QTemporaryDir ordner;
    programmdateien::SetzeOrdner(ordner.path());
    Still still;
    dialoge::SetzeAntworter(&still);
    {
        TSDIAppForm w;
        auto* timer1 = w.findChild<QTimer*>(QStringLiteral("Timer1"));
        auto* timerMove = w.findChild<QTimer*>(QStringLiteral("TimerMove"));
        w.findChild<QTimer*>(QStringLiteral("TimerStartSioInit"))->stop();
        Handlerlauf(&w).Ereignis([&] {
            w.SetzeDatumZeit("2008", "7", "7", "0", "0");
            w.UebernimmSimEingaben({{SimFeld::Intervall, QStringLiteral("15")}});
            w.Berechne();
        });
        QImage bild(szene::Seite, szene::Seite, QImage::Format_ARGB32_Premultiplied);
        const QColor hintergrund = QApplication::palette().color(QPalette::Button);
        // As the paint box's paint event draws.
        auto male = [&] {
            QPainter p(&bild);
            p.fillRect(0, 0, szene::Seite, szene::Seite, hintergrund);
            QPainterFlaeche f(p, hintergrund);
            w.PaintBox1Paint(f);
        };
        male();
        while (timerMove->isActive()) {
            Tick(timerMove);
            male();
        }
        w.findChild<QPushButton*>(QStringLiteral("ButtonSIMstart"))->click();

        using Uhr = std::chrono::steady_clock;
        auto dauer = [](Uhr::time_point t0) {
            return std::chrono::duration<double, std::milli>(Uhr::now() - t0).count();
        };
        Messung zeit, bewegung;
        while (zeit.ms.size() < 96) {
            const auto t0 = Uhr::now();
            if (timer1->isActive()) {
                Tick(timer1);
                male();
                zeit.ms.push_back(dauer(t0));
            } else if (timerMove->isActive()) {
                Tick(timerMove);
                male();
                bewegung.ms.push_back(dauer(t0));
            } else {
                break;
            }
        }
        const SimEingaben bis = w.LeseSimEingaben();
        auto text = [&](SimFeld f) { return bis.Text(f).value_or(QString()).toLocal8Bit(); };
        std::printf("\nSimulierter Tag (7.7.2008, Intervall 15, bis %s.%s.%s %s:%s):\n",
                    text(SimFeld::Tag).constData(), text(SimFeld::Monat).constData(),
                    text(SimFeld::Jahr).constData(), text(SimFeld::Stunde).constData(),
                    text(SimFeld::Minute).constData());
        std::printf("  Timer1-Ticks (Rechnung + Bild): %zu, Median %.3f ms, laengster %.3f ms "
                    "(%.2f %% von 500 ms)\n",
                    zeit.ms.size(), zeit.median(), zeit.max(), zeit.max() / 5);
        std::printf("  TimerMove-Ticks (Schritt + Bild): %zu, Median %.3f ms, laengster %.3f ms "
                    "(%.2f %% von 100 ms)\n",
                    bewegung.ms.size(), bewegung.median(), bewegung.max(), bewegung.max());
        if (still.meldungen) std::printf("  Meldungen: %d\n", still.meldungen);
    }
    dialoge::SetzeAntworter(nullptr);
    programmdateien::SetzeOrdner(QString());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Tageslauf();
    return 0;
}
