// Faults of the file system under the settings and the site file: a disk that runs full
// during a save, and two processes saving the same site file at once.
#include "basis/dateizugriff.h"
#include "basis/inidatei.h"
#include "basis/zahltext.h"
#include "workspace/standorte.h"

#include <gtest/gtest.h>

#include "dateien.h"
#include "kleinesdateisystem.h"
#include "prozesse.h"
#include "trenner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

QByteArray Standorte(int anzahl) {
    QByteArray inhalt;
    for (int i = 1; i <= anzahl; ++i)
        inhalt += "[Ort " + QByteArray::number(i) + "]\r\nBreite=" + QByteArray::number(i) +
                  ",25\r\nL\xE4nge=-" + QByteArray::number(i % 180) + ",5\r\n";
    return inhalt;
}

const QByteArray kEinstellungen = "[COMs]\r\nSender1=4\r\n[Form]\r\nTop=100\r\nLeft=100\r\n";

// What closing the main window writes, in its order.
void SchliesseFenster(const QString& pfad) {
    IniDatei ini(pfad);
    const QString form = QStringLiteral("Form");
    ini.SchreibeGanzzahl(form, QStringLiteral("Top"), 120);
    ini.SchreibeGanzzahl(form, QStringLiteral("Left"), 80);
    ini.SchreibeGanzzahl(form, QStringLiteral("Height"), 700);
    ini.SchreibeGanzzahl(form, QStringLiteral("Width"), 900);
    ini.SchreibeText(form, QStringLiteral("Caption"), QStringLiteral("Heliowendler-Simulation"));
    ini.SchreibeText(form, QStringLiteral("InitMax"), QStringLiteral("0"));
    ini.SchreibeGanzzahl(QStringLiteral("COMs"), QStringLiteral("Sender1"), 4);
}

void NeuerStandort(const QString& pfad) {
    standorte::Schreibe(pfad, QStringLiteral("Neu"), {47.5, -9.75});
}

struct PlattenFall {
    const char* name;
    const char* datei;
    QByteArray vorher;
    std::function<void(const QString&)> schreiben;
    qint64 frei; // bytes left on the disk when the save starts
};

class VollePlatte : public testing::TestWithParam<PlattenFall> {
protected:
    void TearDown() override { dateizugriff::SetzeSchreibfunktion({}); }
    MitTrenner komma_{u','};
};

// The disk runs full while the new text is written: the save is reported and the file keeps
// every byte. On a tmpfs of 256 KiB where the test may mount one, else through a write
// function that takes only as many bytes as the disk would.
TEST_P(VollePlatte, DateiBleibtUndFehlerWirdGemeldet) {
    const PlattenFall& f = GetParam();
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    auto platte = std::make_unique<kleinesdateisystem::Tmpfs>(ordner.path(), 256 * 1024);
    const QString pfad = ordner.filePath(QString::fromUtf8(f.datei));
    const QString fueller = ordner.filePath(QStringLiteral("fueller"));
    SchreibDatei(pfad, f.vorher);
    if (platte->eingehaengt()) {
        std::printf("[ Platte   ] tmpfs von 256 KiB, %lld Bytes frei\n",
                    static_cast<long long>(f.frei));
        ASSERT_GE(kleinesdateisystem::FuelleBisVoll(fueller, f.frei), 0);
    } else {
        std::printf("[ Platte   ] kein tmpfs (%s): Schreibfunktion nimmt %lld Bytes\n",
                    qPrintable(platte->Grund()), static_cast<long long>(f.frei));
        auto rest = std::make_shared<qint64>(f.frei);
        dateizugriff::SetzeSchreibfunktion(
            [rest](int fd, const char* daten, std::size_t laenge) -> long {
                if (*rest <= 0) {
                    errno = ENOSPC;
                    return -1;
                }
                const auto n = static_cast<std::size_t>(std::min<qint64>(*rest, laenge));
                *rest -= static_cast<qint64>(n);
                return ::write(fd, daten, n);
            });
    }

    try {
        f.schreiben(pfad);
        ADD_FAILURE() << "no SchreibFehler";
    } catch (const SchreibFehler& e) {
        EXPECT_EQ(e.meldung(), "In " + pfad + " kann nicht geschrieben werden");
    }
    EXPECT_EQ(LiesDatei(pfad), f.vorher);
    QStringList erwartet{QString::fromUtf8(f.datei)};
    if (platte->eingehaengt()) erwartet << QStringLiteral("fueller");
    erwartet.sort();
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), erwartet);

    // With room again the same save goes through.
    dateizugriff::SetzeSchreibfunktion({});
    QFile::remove(fueller);
    f.schreiben(pfad);
    EXPECT_NE(LiesDatei(pfad), f.vorher);
    EXPECT_TRUE(LiesDatei(pfad).startsWith(f.vorher.left(f.vorher.indexOf('\n'))));
}

INSTANTIATE_TEST_SUITE_P(Faelle, VollePlatte,
                         testing::Values(PlattenFall{"FensterSchliessen", "heliowendler.INI",
                                                     kEinstellungen, SchliesseFenster, 0},
                                         PlattenFall{"StandortZu100", "heliowendler.POS",
                                                     Standorte(100), NeuerStandort, 0},
                                         PlattenFall{"StandortZu300TeilsPlatz", "heliowendler.POS",
                                                     Standorte(300), NeuerStandort, 8192}),
                         [](const testing::TestParamInfo<PlattenFall>& i) {
                             return std::string(i.param.name);
                         });

// Two processes add 200 sites each to the same site file at the same time: every site is
// there once, with its own values.
TEST(ZweiProzesse, JederOrtKommtAn) {
    const MitTrenner komma(u',');
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("heliowendler.POS"));
    constexpr int kStandorte = 200;
    auto name = [](int prozess, int i) { return QStringLiteral("P%1 Ort %2").arg(prozess).arg(i); };
    auto werte = [](int prozess, int i) {
        return standorte::Koordinaten{prozess * 10 + i / 8.0, -(prozess * 20 + i / 16.0)};
    };

    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    pid_t kinder[2];
    for (int p = 0; p < 2; ++p) {
        kinder[p] = StarteKind(
            [&, p] {
                // What is checked is that no save loses another's site, not the time limit: a
                // loaded disk can keep the other writer's save (and its sync) longer than that.
                dateizugriff::SetzeSperrfrist(std::chrono::seconds(60));
                for (int i = 0; i < kStandorte; ++i)
                    standorte::Schreibe(pfad, name(p + 1, i), werte(p + 1, i));
                return true;
            },
            rohr);
        ASSERT_GT(kinder[p], 0);
    }
    close(rohr[0]);
    close(rohr[1]); // both start now
    for (pid_t kind : kinder) {
        const KindEnde ende = WarteAufKind(kind, std::chrono::seconds(120));
        EXPECT_EQ(ende, KindEnde::Erfolg) << Text(ende);
    }

    const QStringList namen = standorte::Namen(pfad);
    EXPECT_EQ(namen.size(), 2 * kStandorte);
    int fehlend = 0, falsch = 0;
    for (int p = 1; p <= 2; ++p) {
        for (int i = 0; i < kStandorte; ++i) {
            if (!namen.contains(name(p, i))) {
                ++fehlend;
                continue;
            }
            const auto k = standorte::Lese(pfad, name(p, i));
            if (k.Breite != werte(p, i).Breite || k.Laenge != werte(p, i).Laenge) ++falsch;
        }
    }
    EXPECT_EQ(fehlend, 0);
    EXPECT_EQ(falsch, 0);
}

} // namespace
