// Bytes per second through the receiver's byte steps: the frame step with its checksum
// decision (and the bootloader line step in the firmware mode), fed as the receiver feeds
// it, one read of up to 2048 bytes at a time. "ohne Weitergabe" counts the finds only;
// "mit Weitergabe" copies every find as the receiver does before it goes to the GUI thread.
// The line runs at 4800 baud, 480 bytes per second.
#include "seriallink/empfangsautomat.h"
#include "seriallink/serthread.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using rahmen::Bytes;

class Zaehler final : public Empfangsautomat::Senke {
public:
    std::size_t funde = 0;
    void RahmenGefunden(std::span<const std::uint8_t>) override { ++funde; }
    void PruefsummeFalsch(std::span<const std::uint8_t>) override { ++funde; }
    void ZeileGefunden(std::span<const std::uint8_t>) override { ++funde; }
};

// Copies each find into a Fund, as the receiver hands it on.
class Kopierer final : public Empfangsautomat::Senke {
public:
    std::size_t funde = 0;
    void RahmenGefunden(std::span<const std::uint8_t> b) override { Gib(Fund::Art::Rahmen, b); }
    void PruefsummeFalsch(std::span<const std::uint8_t> b) override {
        Gib(Fund::Art::PruefsummenFehler, b);
    }
    void ZeileGefunden(std::span<const std::uint8_t> b) override { Gib(Fund::Art::Zeile, b); }

private:
    void Gib(Fund::Art art, std::span<const std::uint8_t> b) {
        Fund f{art, {b.begin(), b.end()}, 0, 1};
        benchmark::DoNotOptimize(f.bytes.data());
        ++funde;
    }
};

constexpr std::size_t Groesse = 1 << 16;

Bytes Statusantworten() {
    const Bytes status = rahmen::Antwort(9, Bytes{0x21, 0x10, 0x00});
    Bytes r;
    while (r.size() + status.size() <= Groesse)
        r.insert(r.end(), status.begin(), status.end());
    return r;
}

Bytes Parameterantworten() { // 45-byte responses with the parameter set
    Bytes nutz(40);
    for (std::size_t i = 0; i < nutz.size(); ++i)
        nutz[i] = static_cast<std::uint8_t>(i * 37 + 3);
    const Bytes antwort = rahmen::Antwort(2, nutz);
    Bytes r;
    while (r.size() + antwort.size() <= Groesse)
        r.insert(r.end(), antwort.begin(), antwort.end());
    return r;
}

Bytes Rauschen() { // random bytes: many candidates, many end bytes, few matches
    std::mt19937 zufall(4800);
    Bytes r(Groesse);
    for (auto& b : r)
        b = static_cast<std::uint8_t>(zufall());
    return r;
}

Bytes Bootloadertext() {
    const std::string zeile = "AKN\r\n";
    Bytes r;
    while (r.size() + zeile.size() <= Groesse)
        r.insert(r.end(), zeile.begin(), zeile.end());
    return r;
}

template <class Senke> void Lies(benchmark::State& state, const Bytes& daten, bool firmware) {
    Empfangsautomat automat;
    Senke senke;
    for (auto _ : state) {
        for (std::size_t p = 0; p < daten.size(); p += TSerThread::Lesepuffer) {
            const std::size_t n = std::min(TSerThread::Lesepuffer, daten.size() - p);
            automat.Lies({daten.data() + p, n}, firmware, senke);
        }
        benchmark::DoNotOptimize(senke.funde);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * daten.size()));
    state.counters["Funde/s"] =
        benchmark::Counter(static_cast<double>(senke.funde), benchmark::Counter::kIsRate);
}

void Status_ohneWeitergabe(benchmark::State& s) {
    Lies<Zaehler>(s, Statusantworten(), false);
}
void Status_mitWeitergabe(benchmark::State& s) {
    Lies<Kopierer>(s, Statusantworten(), false);
}
void Parameter_mitWeitergabe(benchmark::State& s) {
    Lies<Kopierer>(s, Parameterantworten(), false);
}
void Rauschen_mitWeitergabe(benchmark::State& s) {
    Lies<Kopierer>(s, Rauschen(), false);
}
void Bootloader_mitWeitergabe(benchmark::State& s) {
    Lies<Kopierer>(s, Bootloadertext(), true);
}

BENCHMARK(Status_ohneWeitergabe);
BENCHMARK(Status_mitWeitergabe);
BENCHMARK(Parameter_mitWeitergabe);
BENCHMARK(Rauschen_mitWeitergabe);
BENCHMARK(Bootloader_mitWeitergabe);

} // namespace

BENCHMARK_MAIN();
