// The simulator's command line: what each option sets, and the values it refuses.
#include "tools/trackersim/optionen.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace trackersim {
namespace {

bool Lies(std::vector<const char*> args, Optionen& o, std::string& fehler) {
    args.insert(args.begin(), "trackersim");
    return LeseOptionen(static_cast<int>(args.size()), args.data(), o, fehler);
}

TEST(Optionen, SetztWasSieNennen) {
    Optionen o;
    std::string fehler;
    ASSERT_TRUE(Lies({"--link", "/tmp/ts", "--baud=4800", "--version", "02.05", "--clock",
                      "2009-02-28T23:59:59", "--speedup", "2.5", "--ack-set", "--bad-checksum",
                      "1,3", "--silent=2", "--noise", "7", "--seed", "42"},
                     o, fehler))
        << fehler;
    EXPECT_EQ(o.link, "/tmp/ts");
    EXPECT_EQ(o.baud, 4800u);
    EXPECT_EQ(o.steuerung.version, "02.05");
    EXPECT_TRUE(o.uhrGesetzt);
    EXPECT_EQ(o.steuerung.uhr, UtcSekunden(2009, 3, 1, 0, 0, 0) - 1);
    EXPECT_EQ(o.steuerung.zeitraffer, 2.5);
    EXPECT_TRUE(o.steuerung.quittieren);
    const Stoerplan& s = o.steuerung.stoerungen;
    EXPECT_TRUE(s.Trifft(Stoerung::FalschePruefsumme, 1));
    EXPECT_FALSE(s.Trifft(Stoerung::FalschePruefsumme, 2));
    EXPECT_TRUE(s.Trifft(Stoerung::FalschePruefsumme, 3));
    EXPECT_TRUE(s.Trifft(Stoerung::Stille, 2));
    EXPECT_EQ(s.rauschen, 7u);
    EXPECT_EQ(s.seed, 42u);
    EXPECT_FALSE(o.bootloader);

    Optionen b;
    ASSERT_TRUE(Lies({"--bootloader", "--flash-dump", "/tmp/flash.bin", "--notakn", "3,7",
                      "--notakn-rate", "0.25", "--bootloader-version", "BSL 1.2"},
                     b, fehler))
        << fehler;
    EXPECT_TRUE(b.bootloader);
    EXPECT_EQ(b.flashDump, "/tmp/flash.bin");
    EXPECT_TRUE(b.bootloaderEinstellungen.stoerungen.Trifft(Stoerung::NotAkn, 7));
    EXPECT_EQ(b.bootloaderEinstellungen.stoerungen.notAknRate, 0.25);
    EXPECT_EQ(b.bootloaderEinstellungen.version, "BSL 1.2");

    Optionen c;
    ASSERT_TRUE(Lies({"--bootloader", "--akn-blank", "2,9", "--early-akn", "--log", "--rx-baud",
                      "4800", "--slow-erase", "1500"},
                     c, fehler))
        << fehler;
    EXPECT_TRUE(c.bootloaderEinstellungen.stoerungen.Trifft(Stoerung::AknLeerzeichen, 9));
    EXPECT_FALSE(c.bootloaderEinstellungen.stoerungen.Trifft(Stoerung::AknLeerzeichen, 3));
    EXPECT_TRUE(c.bootloaderEinstellungen.fruehesAkn);
    EXPECT_TRUE(c.protokoll);
    EXPECT_EQ(c.rxBaud, 4800u);
    EXPECT_EQ(c.bootloaderEinstellungen.loeschdauer, std::chrono::milliseconds(1500));

    Optionen d;
    ASSERT_TRUE(Lies({"--flut", "20", "--flut-ab=8"}, d, fehler)) << fehler;
    EXPECT_EQ(d.flut, 20u);
    EXPECT_EQ(d.flutAb, 8u);
    EXPECT_FALSE(d.flutFalsch);
    ASSERT_TRUE(Lies({"--flut", "1", "--flut-falsch"}, d, fehler)) << fehler;
    EXPECT_TRUE(d.flutFalsch);
    Optionen e;
    EXPECT_FALSE(Lies({"--flut", "0"}, e, fehler));
    // The fault lists add up when given more than once.
    Optionen f;
    ASSERT_TRUE(Lies({"--stray-start", "2", "--silent", "1", "--silent=4,5"}, f, fehler)) << fehler;
    EXPECT_TRUE(f.steuerung.stoerungen.Trifft(Stoerung::Startbyte, 2));
    EXPECT_EQ(f.steuerung.stoerungen.bei[Stoerung::Stille], (std::set<unsigned>{1, 4, 5}));
    EXPECT_EQ(c.baud, 0u);
}

TEST(Optionen, OhneOptionenDieVorgaben) {
    Optionen o;
    std::string fehler;
    ASSERT_TRUE(Lies({}, o, fehler));
    EXPECT_EQ(o.baud, 0u); // no pacing unless asked for
    EXPECT_EQ(o.rxBaud, 0u);
    EXPECT_FALSE(o.protokoll);
    EXPECT_FALSE(o.bootloaderEinstellungen.fruehesAkn);
    EXPECT_EQ(o.steuerung.version, "01.20");
    EXPECT_FALSE(o.uhrGesetzt);
    EXPECT_FALSE(o.steuerung.quittieren);
    EXPECT_TRUE(o.link.empty());
}

TEST(Optionen, WeistFalschesZurueck) {
    const std::vector<std::vector<const char*>> faelle = {
        {"--gibtsnicht"},
        {"link"},
        {"--"},
        {"--link"},
        {"--link="},
        {"--help=1"},
        {"--baud", "0"},
        {"--baud", "48OO"},
        {"--version", ""},
        {"--version", "01.20\r"},
        {"--version", "01234567890123456789012345678901234567890123456789012345678901234"},
        {"--clock", "2009-02-29T00:00:00"},
        {"--clock", "2009-02-28T24:00:00"},
        {"--clock", "2009-2-28T12:00:00"},
        {"--speedup", "0"},
        {"--speedup", "nan"},
        {"--bad-checksum", "0"},
        {"--bad-checksum", "1,,2"},
        {"--silent", "1,"},
        {"--noise", "-1"},
        {"--seed", "4294967296"},
        {"--bootloader", "--notakn-rate", "1.5"},
        // Options of the other mode.
        {"--flash-dump", "/tmp/x"},
        {"--notakn", "3"},
        {"--bootloader", "--bad-checksum", "1"},
        {"--akn-blank", "1"},
        {"--early-akn"},
        {"--log"},
        {"--bootloader", "--akn-blank", "0"},
        {"--bootloader", "--early-akn=1"},
        {"--slow-erase", "100"},
        {"--bootloader", "--slow-erase", "0"},
        {"--bootloader", "--slow-erase", "1.5"},
        {"--rx-baud", "49"},
        {"--flut-falsch"}, // without a flood
        {"--flut", "1", "--flut-falsch=1"},
        {"--bootloader", "--stray-start", "1"},
        {"--bootloader", "--stuck"},
        {"--baud", "4800", "--baud", "9600"}, // a value given twice
    };
    for (const auto& f : faelle) {
        Optionen o;
        std::string fehler;
        EXPECT_FALSE(Lies(f, o, fehler)) << testing::PrintToString(f);
        EXPECT_FALSE(fehler.empty());
    }
}

} // namespace
} // namespace trackersim
