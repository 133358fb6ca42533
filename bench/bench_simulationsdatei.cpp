// Cost of opening a large simulation file: the twelve keys read from files of 1, 4 and just
// under 16 MiB (the largest the application reads), against the floor of reading the bytes
// alone. Four shapes: a long section of other keys before "[Parameter]"; many lines of other
// keys inside "[Parameter]" before its own (every key sought passes all of them); many small
// sections before "[Parameter]"; many lines inside "[Parameter]" whose keys have the lengths
// of the keys sought and no letter in common with them that could tell them apart without
// regard to case.
// Laden reads the keys as the application does, in one pass; JeSchluessel reads them one by
// one from one object, a pass for each; Speichern loads and saves the keys back over the file
// (its ratio includes writing and syncing the file). The ratio to the floor (the counter xBoden,
// the fastest of five reads of the bytes alone, measured in the same run) is what matters; it must
// not grow with the size.
#include "basis/dateizugriff.h"
#include "basis/inidatei.h"
#include "workspace/simulationsdatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <map>

namespace {

const char* const Schluessel[] = {"Modulbreite=1500", "Modulh\xF6he=160", "Modulabstand=150",
                                  "Modulneigung=30",  "Trackintervall=5", "L\xE4ngengrad=-13",
                                  "Breitengrad=51",   "EndlageStart=75",  "EndlageStop=285",
                                  "Modulpos=0",       "Trackspeed=2.236", "Trackergruppe=1"};

QByteArray Schluesselzeilen() {
    QByteArray p;
    for (const char* s : Schluessel)
        p += QByteArray(s) + "\r\n";
    return p;
}

// Form 0: another section first; 1: other keys first inside "[Parameter]"; 2: many sections;
// 3: other keys of the lengths sought, all of "\xC4", first inside "[Parameter]".
const QString& Datei(int mib, int form) {
    static QTemporaryDir ordner;
    static std::map<std::pair<int, int>, QString> dateien;
    QString& pfad = dateien[{mib, form}];
    if (!pfad.isEmpty()) return pfad;
    pfad = ordner.filePath(QStringLiteral("f%1_%2.TRD").arg(mib).arg(form));
    const qint64 groesse = std::min<qint64>(qint64(mib) << 20, dateizugriff::GroessteDatei - 4096);
    QByteArray fuellung;
    if (form == 2) {
        for (int i = 0; fuellung.size() < groesse; ++i)
            fuellung += "[S" + QByteArray::number(i) + "]\r\nk=v\r\n";
    } else if (form == 3) {
        for (int i = 0; fuellung.size() < groesse; ++i)
            fuellung += QByteArray(8 + i % 7, '\xC4') + "=1\r\n";
    } else {
        fuellung = QByteArray("x=1\r\n").repeated(groesse / 5);
    }
    const QByteArray inhalt =
        form == 1 || form == 3 ? "[Parameter]\r\n" + fuellung + Schluesselzeilen()
                               : "[Andere]\r\n" + fuellung + "[Parameter]\r\n" + Schluesselzeilen();
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(inhalt);
    return pfad;
}

void Boden(benchmark::State& state) {
    const QString& pfad = Datei(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dateizugriff::Lies(pfad));
}

double Sekunden(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void MitBoden(benchmark::State& state, const std::function<void(const QString&)>& lesen) {
    const QString& pfad = Datei(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    double boden = 1e9;
    for (int i = 0; i < 5; ++i)
        boden =
            std::min(boden, Sekunden([&] { benchmark::DoNotOptimize(dateizugriff::Lies(pfad)); }));
    const double gesamt = Sekunden([&] {
        for (auto _ : state)
            lesen(pfad);
    });
    state.counters["xBoden"] = gesamt / static_cast<double>(state.iterations()) / boden;
}

void Laden(benchmark::State& state) {
    MitBoden(state,
             [](const QString& pfad) { benchmark::DoNotOptimize(simulationsdatei::Lies(pfad)); });
}

void JeSchluessel(benchmark::State& state) {
    MitBoden(state, [](const QString& pfad) {
        const IniDatei ini(pfad);
        for (const char* s : Schluessel) {
            const QString zeile = AusCp1252(s);
            benchmark::DoNotOptimize(
                ini.LeseText(QStringLiteral("Parameter"), zeile.left(zeile.indexOf(u'='))));
        }
    });
}

// A save over the file: the twelve keys replaced where they stand, every other byte kept.
void Speichern(benchmark::State& state) {
    MitBoden(state, [](const QString& pfad) {
        const simulationsdatei::Inhalt inhalt = simulationsdatei::Lies(pfad);
        simulationsdatei::Schreibe(pfad, inhalt.eingaben, inhalt.winkelSpeed, inhalt.gruppe);
    });
}

void Groessen(benchmark::internal::Benchmark* b) {
    for (int form : {0, 1, 2, 3})
        for (int mib : {1, 4, 16})
            b->Args({mib, form});
    b->ArgNames({"MiB", "form"})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(Boden)->Apply(Groessen);
BENCHMARK(Laden)->Apply(Groessen);
BENCHMARK(JeSchluessel)->Apply(Groessen);
BENCHMARK(Speichern)->Apply(Groessen);

BENCHMARK_MAIN();
