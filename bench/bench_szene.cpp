// Cost of drawing the scene and of one simulation tick on the GUI thread.
//
// The scene is drawn afresh on every paint, during a move every 100 ms, so one paint must
// stay far below the move tick (goal: under 2 %). After the benchmarks a simulated day
// (interval 15: 96 time-lapse ticks plus the move ticks they cause) is run through the
// window's own handlers, each tick followed by a paint into an image, and the longest time
// one tick holds the GUI thread is printed.
#include "basis/programmdateien.h"
#include "widgets/dialoge.h"
#include "widgets/updownedit.h"
#include "workspace/SDIMAIN.h"
#include "workspace/szene.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
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

void Tageslauf() {
    QTemporaryDir ordner;
    programmdateien::SetzeOrdner(ordner.path());
    Still still;
    dialoge::SetzeAntworter(&still);
    {
        TSDIAppForm w;
        w.TimerStartSioInit->stop();
        w.Ereignis([&] {
            w.SetzeDatumZeit("2008", "7", "7", "0", "0");
            w.SetzeText(w.EditIntervall, QStringLiteral("15"));
            w.ButtonBerechnenClick();
        });
        QImage bild(szene::Seite, szene::Seite, QImage::Format_ARGB32_Premultiplied);
        auto male = [&] {
            QPainter p(&bild);
            w.MaleSzene(p);
        };
        male();
        while (w.TimerMove->isActive()) {
            w.Ereignis([&] { w.TimerMoveTimer(); });
            male();
        }
        w.Ereignis([&] { w.ButtonSIMstartClick(); });

        using Uhr = std::chrono::steady_clock;
        auto dauer = [](Uhr::time_point t0) {
            return std::chrono::duration<double, std::milli>(Uhr::now() - t0).count();
        };
        Messung zeit, bewegung;
        while (zeit.ms.size() < 96) {
            const auto t0 = Uhr::now();
            if (w.Timer1->isActive()) {
                w.Ereignis([&] { w.Timer1Timer(); });
                male();
                zeit.ms.push_back(dauer(t0));
            } else if (w.TimerMove->isActive()) {
                w.Ereignis([&] { w.TimerMoveTimer(); });
                male();
                bewegung.ms.push_back(dauer(t0));
            } else {
                break;
            }
        }
        std::printf("\nSimulierter Tag (7.7.2008, Intervall 15, bis %s.%s.%s %s:%s):\n",
                    qPrintable(w.EditTag->text()), qPrintable(w.EditMonat->text()),
                    qPrintable(w.EditJahr->text()), qPrintable(w.EditStunde->text()),
                    qPrintable(w.EditMinute->text()));
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
