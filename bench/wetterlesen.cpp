// Reading weather files: the time wetter::Lies takes for an hourly year and a one-minute year
// (525,600 rows) in each format, against the floor of reading the same file's bytes once
// (open and read into memory, the page cache warm), measured in the same run. Prints rows,
// size, the floor, the read and their ratio; the best of several runs each.
// Usage: wetterlesen [--runden N]
#include "wetter/wetterdatei.h"
#include "wetter/wetterproben.h"
#include "wetter/wettertexte.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using proben::Zeile;
using wetter::Format;

// A year of rows at a step; for hour-ending means (EPW, TMY3) each stamp ends its interval.
std::vector<Zeile> Jahr(const proben::Kopf& k, int schritt, bool mittel) {
    // The values at each instant (one sun position a row) serve both kinds: what is timed is
    // the reading, not the sky.
    std::vector<Zeile> z =
        proben::Tage(proben::Himmel{k.ort}, 0, {2019, 1, 1}, 365, schritt, false);
    if (mittel)
        for (Zeile& x : z)
            x.ende += schritt;
    return z;
}

double Bestes(int runden, const auto& was) {
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runden; ++i) {
        QElapsedTimer t;
        t.start();
        was();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runden = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runden=", 9) == 0)
            runden = std::max(1, std::atoi(argv[i] + 9));
        else if (std::strcmp(argv[i], "--runden") == 0 && i + 1 < argc)
            runden = std::max(1, std::atoi(argv[++i]));
        else {
            std::fprintf(stderr, "Aufruf: wetterlesen [--runden N]\n");
            return 2;
        }
    }
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;

    struct Fall {
        Format format;
        const char* name;
        int schritt;
    };
    const Fall faelle[] = {
        {Format::EPW, "EPW", 60},
        {Format::TMY3, "TMY3", 60},
        {Format::PvgisCsv, "PVGIS-CSV", 60},
        {Format::PvgisJson, "PVGIS-JSON", 60},
        {Format::EPW, "EPW", 1},
        {Format::TMY3, "TMY3", 1},
        {Format::PvgisCsv, "PVGIS-CSV", 1},
    };
    std::printf("%-11s %6s %8s %8s %10s %10s %7s\n", "Format", "Schritt", "Zeilen", "MB",
                "Boden_ms", "Lesen_ms", "Faktor");
    for (const Fall& f : faelle) {
        proben::Kopf k;
        k.jeStunde = 60 / f.schritt;
        const bool mittel = f.format == Format::EPW || f.format == Format::TMY3;
        const std::vector<Zeile> zeilen = Jahr(k, f.schritt, mittel);
        const QString pfad = dir.filePath(QStringLiteral("jahr_%1_%2").arg(f.name).arg(f.schritt));
        {
            QFile out(pfad);
            if (!out.open(QIODevice::WriteOnly)) return 1;
            out.write(proben::Text(f.format, k, zeilen));
        }
        qint64 groesse = 0;
        const double boden = Bestes(runden + 2, [&] {
            QFile in(pfad);
            if (!in.open(QIODevice::ReadOnly)) std::abort();
            const QByteArray b = in.readAll();
            groesse = b.size();
        });
        std::size_t gelesen = 0;
        const double lesen = Bestes(runden, [&] {
            const wetter::Ergebnis e = wetter::Lies(pfad);
            if (const auto* a = std::get_if<wetter::Ablehnung>(&e)) {
                std::fprintf(stderr, "%s: %s\n", f.name, qPrintable(wetter::Text(*a)));
                std::exit(1);
            }
            gelesen = std::get<wetter::Datei>(e).reihe.messungen.size();
        });
        std::printf("%-11s %4d min %8zu %8.1f %10.2f %10.2f %7.1f\n", f.name, f.schritt, gelesen,
                    groesse / 1e6, boden, lesen, lesen / boden);
        QFile::remove(pfad);
    }
    return 0;
}
