// Cost of loading the site list at start-up: the section names of the site file, and the
// whole fill of the main window's combo box from it. Both must grow linearly with the number
// of sites (the complexity line of each benchmark shows it); 20,000 and 50,000 sites are the
// sizes users have reached.
#include "basis/programmdateien.h"
#include "widgets/dialoge.h"
#include "widgets/handlerlauf.h"
#include "workspace/SDIMAIN.h"
#include "workspace/standorte.h"
#include "workspace/standortwahl.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

// One site file per size, written once.
const QString& Datei(int anzahl) {
    static QTemporaryDir ordner;
    static std::map<int, QString> dateien;
    auto& pfad = dateien[anzahl];
    if (pfad.isEmpty()) {
        // Named as the window looks for it: after this program.
        pfad = ordner.filePath(QStringLiteral("standorte%1/").arg(anzahl) +
                               programmdateien::Basisname(programmdateien::Programmdatei()) +
                               QStringLiteral(".POS"));
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        QByteArray inhalt;
        for (int i = 0; i < anzahl; ++i)
            inhalt += "[Standort " + QByteArray::number(i) +
                      "]\r\nBreite=" + QByteArray::number(45 + i % 10) + ",5\r\nL\xE4nge=-" +
                      QByteArray::number(i % 30) + ",25\r\n";
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size()) std::abort();
    }
    return pfad;
}

void BM_Namen(benchmark::State& state) {
    const QString& pfad = Datei(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(standorte::Namen(pfad));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Namen)->Arg(1000)->Arg(5000)->Arg(20000)->Arg(50000)->Complexity()->Unit(
    benchmark::kMillisecond);

class Still : public dialoge::Antworter {
public:
    QMessageBox::StandardButton frage(QWidget*, const dialoge::Nachricht&) override {
        return QMessageBox::Ok;
    }
};

// The main window's site selection loading, as at start-up, into its combo box.
void BM_LadeStandorte(benchmark::State& state) {
    const QString& pfad = Datei(static_cast<int>(state.range(0)));
    Still still;
    dialoge::SetzeAntworter(&still);
    programmdateien::SetzeOrdner(QFileInfo(pfad).absolutePath());
    {
        QWidget fenster;
        Handlerlauf lauf(&fenster);
        Standortwahl wahl(&fenster, &fenster, lauf, [](const QString&, const QString&) {});
        for (auto _ : state)
            wahl.LadeStandorte();
        if (wahl.Auswahl()->count() != state.range(0)) state.SkipWithError("wrong count");
    }
    programmdateien::SetzeOrdner(QString());
    dialoge::SetzeAntworter(nullptr);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LadeStandorte)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// Start-up up to the shown window: construction (which loads the list) and the first
// show, where the combo box measures its entries.
void BM_Fensterstart(benchmark::State& state) {
    const QString& pfad = Datei(static_cast<int>(state.range(0)));
    Still still;
    dialoge::SetzeAntworter(&still);
    programmdateien::SetzeOrdner(QFileInfo(pfad).absolutePath());
    for (auto _ : state) {
        TSDIAppForm w;
        w.findChild<QTimer*>(QStringLiteral("TimerStartSioInit"))->stop();
        w.show();
        QApplication::processEvents();
    }
    programmdateien::SetzeOrdner(QString());
    dialoge::SetzeAntworter(nullptr);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Fensterstart)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
