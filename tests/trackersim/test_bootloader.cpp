// The simulated bootloader: its version line, the erase, one reply line per frame, the flash
// written at the set address, and NotAKN, silence and noise where it is told to show them.
#include "hilfen.h"
#include "tools/trackersim/bootloader.h"

#include <gtest/gtest.h>

namespace trackersim::test {
namespace {

const Bytes Loeschen{0xAA, 0xF0, 0x00, 0x9B, 0xE5};
const Bytes AdresseF000{0xAA, 0xF1, 0x02, 0xF0, 0x00, 0x8E, 0xE5};
const Bytes Daten31400004{0xAA, 0xF2, 0x04, 0x31, 0x40, 0x00, 0x04, 0x16, 0xE5};
const Bytes AKN = Text("AKN\r"), NotAKN = Text("NotAKN\r");

Bytes Adresse(unsigned a) {
    return rahmen::BootloaderRahmen(bootkommando::Adresse,
                                    Bytes{std::uint8_t(a >> 8), std::uint8_t(a & 0xFF)});
}
Bytes Daten(const Bytes& d) {
    return rahmen::BootloaderRahmen(bootkommando::Daten, d);
}

class BootloaderTest : public testing::Test {
protected:
    Bytes Sende(const Bytes& rahmen) { return b->Empfange(rahmen, S(t += 0.1)); }
    Bytes Flash(std::size_t adresse, std::size_t n) const {
        return Bytes(b->Flash().begin() + adresse, b->Flash().begin() + adresse + n);
    }
    void Starte(BootloaderEinstellungen e) { b = std::make_unique<Bootloader>(std::move(e)); }

    std::unique_ptr<Bootloader> b = std::make_unique<Bootloader>();
    double t = 0;
};

TEST_F(BootloaderTest, MeldetSichMitSeinerVersion) {
    EXPECT_EQ(b->Einschalten(S(0)), Text("Bootloader V1.00\r"));
    BootloaderEinstellungen e;
    e.version = "BSL 2.1";
    Starte(e);
    EXPECT_EQ(b->Einschalten(S(0)), Text("BSL 2.1\r"));
}

TEST_F(BootloaderTest, LoeschtAdressiertUndSchreibt) {
    EXPECT_EQ(Flash(0, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Sende(Loeschen), Text("Flash clear start\rFlash clear OK\r"));
    EXPECT_EQ(Sende(AdresseF000), AKN);
    EXPECT_EQ(Sende(Daten31400004), AKN);
    // The address advances with the data.
    EXPECT_EQ(Sende(Daten(Bytes{0xB2, 0x40})), AKN);
    EXPECT_EQ(Flash(0xEFFF, 8), (Bytes{0xFF, 0x31, 0x40, 0x00, 0x04, 0xB2, 0x40, 0xFF}));
    // Up to the last byte of the 64 KiB, and not one beyond.
    EXPECT_EQ(Sende(Adresse(0xFFFE)), AKN);
    EXPECT_EQ(Sende(Daten(Bytes{0x12, 0x34, 0x56})), NotAKN);
    EXPECT_EQ(Flash(0xFFFE, 2), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(Sende(Daten(Bytes{0x12, 0x34})), AKN);
    EXPECT_EQ(Flash(0xFFFE, 2), (Bytes{0x12, 0x34}));
    EXPECT_EQ(Sende(Daten(Bytes{0x56})), NotAKN);
    // Erasing again clears everything.
    EXPECT_EQ(Sende(Loeschen), Text("Flash clear start\rFlash clear OK\r"));
    EXPECT_EQ(Flash(0xF000, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Flash(0xFFFE, 2), (Bytes{0xFF, 0xFF}));
}

TEST_F(BootloaderTest, SchreibenOhneLoeschenLoeschtNurBits) {
    Sende(Adresse(0x1000));
    Sende(Daten(Bytes{0xF0, 0x3C}));
    Sende(Adresse(0x1000));
    EXPECT_EQ(Sende(Daten(Bytes{0x0F, 0xFF})), AKN);
    EXPECT_EQ(Flash(0x1000, 2), (Bytes{0x00, 0x3C}));
}

TEST_F(BootloaderTest, FehlerhafteRahmenBekommenNotAknUndAendernNichts) {
    Bytes falsch = Daten31400004;
    falsch[7] ^= 0x01;
    const Bytes faelle[] = {
        falsch,
        rahmen::BootloaderRahmen(bootkommando::Adresse, Bytes{0xF0}),
        rahmen::BootloaderRahmen(bootkommando::Adresse, Bytes{0xF0, 0x00, 0x00}),
        rahmen::BootloaderRahmen(bootkommando::Daten),
        rahmen::BootloaderRahmen(0xF3, Bytes{0x01}),
        rahmen::BootloaderRahmen(0x02),
    };
    Sende(AdresseF000);
    for (const Bytes& f : faelle) {
        EXPECT_EQ(Sende(f), NotAKN) << testing::PrintToString(f);
        EXPECT_EQ(Flash(0xF000, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    }
    // The address was not moved by the bad frames.
    EXPECT_EQ(Sende(Daten31400004), AKN);
    EXPECT_EQ(Flash(0xF000, 4), (Bytes{0x31, 0x40, 0x00, 0x04}));
}

// Frames are counted without the erase: frame 3 is the third image line.
TEST_F(BootloaderTest, NotAknBeimGewaehltenRahmenUndDieWiederholungGilt) {
    BootloaderEinstellungen e;
    e.stoerungen.bei[Stoerung::NotAkn] = {3};
    Starte(e);
    Sende(Loeschen);
    EXPECT_EQ(Sende(AdresseF000), AKN);
    EXPECT_EQ(Sende(Daten(Bytes{0x01})), AKN);
    EXPECT_EQ(Sende(Daten(Bytes{0x02})), NotAKN);
    EXPECT_EQ(Flash(0xF000, 2), (Bytes{0x01, 0xFF}));
    EXPECT_EQ(Sende(Daten(Bytes{0x02})), AKN);
    EXPECT_EQ(Flash(0xF000, 2), (Bytes{0x01, 0x02}));
}

TEST_F(BootloaderTest, NotAknRateIstWiederholbar) {
    BootloaderEinstellungen e;
    e.stoerungen.notAknRate = 0.5;
    e.stoerungen.seed = 7;
    const auto lauf = [&] {
        Starte(e);
        Bytes r;
        for (int i = 0; i < 40; ++i)
            r = r + Sende(AdresseF000);
        return r;
    };
    const Bytes erster = lauf();
    EXPECT_EQ(lauf(), erster);
    const std::string text(erster.begin(), erster.end());
    std::size_t notakn = 0;
    for (auto p = text.find("NotAKN"); p != std::string::npos; p = text.find("NotAKN", p + 1))
        ++notakn;
    EXPECT_GT(notakn, 5u);
    EXPECT_LT(notakn, 35u);
}

// The replies the application must not take for an acknowledgement: "AKN" with a blank after
// it (the frame is written all the same), and an "AKN" inside the erase.
TEST_F(BootloaderTest, AknMitLeerzeichenUndAknVorDemLoeschende) {
    BootloaderEinstellungen e;
    e.stoerungen.bei[Stoerung::AknLeerzeichen] = {2};
    e.fruehesAkn = true;
    Starte(e);
    EXPECT_EQ(Sende(Loeschen), Text("Flash clear start\rAKN\rFlash clear OK\r"));
    EXPECT_EQ(Sende(AdresseF000), AKN);
    EXPECT_EQ(Sende(Daten31400004), Text("AKN \r"));
    EXPECT_EQ(Flash(0xF000, 4), (Bytes{0x31, 0x40, 0x00, 0x04}));
    EXPECT_EQ(Sende(Daten(Bytes{0x01})), AKN);
}

// A slow erase: "Flash clear OK" comes from the device's tick once its time has passed.
TEST_F(BootloaderTest, LangsamesLoeschen) {
    BootloaderEinstellungen e;
    e.loeschdauer = S(1.5);
    e.fruehesAkn = true;
    Starte(e);
    EXPECT_EQ(b->Empfange(Loeschen, S(10)), Text("Flash clear start\rAKN\r"));
    EXPECT_EQ(b->NaechsterTakt(), S(11.5));
    EXPECT_EQ(b->Takt(S(11.4)), Bytes{});
    EXPECT_EQ(b->Takt(S(11.5)), Text("Flash clear OK\r"));
    EXPECT_EQ(b->NaechsterTakt(), std::nullopt);
    EXPECT_EQ(b->Takt(S(12)), Bytes{});
    t = 12;
    EXPECT_EQ(Sende(AdresseF000), AKN);
}

// One line per frame: its number (the erase not counted), command, length and reply.
TEST_F(BootloaderTest, ProtokollNenntJedenRahmen) {
    std::vector<std::string> zeilen;
    BootloaderEinstellungen e;
    e.stoerungen.bei[Stoerung::NotAkn] = {2};
    e.stoerungen.bei[Stoerung::Stille] = {3};
    e.protokoll = [&zeilen](std::string_view z) { zeilen.emplace_back(z); };
    Starte(e);
    Sende(Loeschen);
    Sende(AdresseF000);
    Sende(Daten31400004);
    Sende(Daten31400004);
    EXPECT_EQ(zeilen, (std::vector<std::string>{"Loeschen", "Rahmen 1: F1, 2 Bytes -> \"AKN\"",
                                                "Rahmen 2: F2, 4 Bytes -> \"NotAKN\"",
                                                "Rahmen 3: F2, 4 Bytes -> keine Antwort"}));
}

TEST_F(BootloaderTest, StilleVerliertDenRahmen) {
    BootloaderEinstellungen e;
    e.stoerungen.bei[Stoerung::Stille] = {2};
    Starte(e);
    EXPECT_EQ(Sende(AdresseF000), AKN);
    EXPECT_EQ(Sende(Daten31400004), Bytes{});
    EXPECT_EQ(Flash(0xF000, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Sende(Daten31400004), AKN);
}

// Noise comes as a line of its own, so the reply behind it still stands alone on its line.
TEST_F(BootloaderTest, RauschenAlsEigeneZeileVorJederAntwort) {
    BootloaderEinstellungen e;
    e.stoerungen.rauschen = 12;
    Starte(e);
    const Bytes r = Sende(AdresseF000);
    ASSERT_EQ(r.size(), 12u + 1u + 4u);
    EXPECT_EQ(std::count(r.begin(), r.begin() + 12, '\r'), 0);
    EXPECT_EQ(r[12], '\r');
    EXPECT_EQ(Bytes(r.begin() + 13, r.end()), AKN);
}

TEST_F(BootloaderTest, RahmenInStueckenUndZwischenFremdenBytes) {
    const Bytes strom = Text("xyz") + Loeschen + Bytes{0x00, 0xE5} + AdresseF000 + Daten31400004;
    const Bytes erwartet = Text("Flash clear start\rFlash clear OK\rAKN\rAKN\r");
    for (std::size_t schnitt = 0; schnitt <= strom.size(); ++schnitt) {
        Bootloader neu;
        const Bytes vorn = neu.Empfange(std::span(strom).first(schnitt), S(0));
        const Bytes a = vorn + neu.Empfange(std::span(strom).subspan(schnitt), S(0));
        EXPECT_EQ(a, erwartet) << "geteilt nach Byte " << schnitt;
        EXPECT_EQ(neu.Flash()[0xF003], 0x04);
    }
}

} // namespace
} // namespace trackersim::test
