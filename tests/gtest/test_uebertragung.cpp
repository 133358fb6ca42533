// The bootloader transfer without a window: the frames it builds, and what it does, in order,
// for each reply line: a complete run, "NotAKN", replies it must not act on, a failed send,
// Start again, the window closed, and the note on a missing reply.
#include "geraet/uebertragung.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

using namespace uebertragung;
using Liste = std::vector<std::string>;

std::string Hex(std::span<const std::uint8_t> b) {
    std::string s;
    for (const std::uint8_t x : b) {
        char t[4];
        std::snprintf(t, sizeof t, s.empty() ? "%02X" : " %02X", x);
        s += t;
    }
    return s;
}

// Records what the transfer does, one entry per call, in order.
class Protokoll : public Umgebung {
public:
    bool Sende(std::span<const std::uint8_t> rahmen) override {
        ereignisse.push_back("sende " + Hex(rahmen));
        return portOffen;
    }
    void Monitor(const std::string& text) override { ereignisse.push_back("monitor " + text); }
    void Panel(const std::string& text) override { ereignisse.push_back("panel " + text); }
    void ClearOK() override { ereignisse.push_back("clear OK"); }
    void Fortschritt(bool an) override {
        ereignisse.push_back(an ? "fortschritt an" : "fortschritt aus");
    }
    void Fertig() override {
        ereignisse.push_back("fertig");
        if (beiFertig) beiFertig();
    }

    // What has happened since the last call.
    Liste Neu() { return std::exchange(ereignisse, {}); }

    Liste ereignisse;
    bool portOffen = true;
    std::function<void()> beiFertig;
};

const Liste Image = {"@F000", "31 40 00 04", "@FFE0", "00 F0 00 F0", "@FFFE", "00 F0", "q"};
const std::string Ende =
    "monitor Programmierung fertig.\n Bitte trennen Sie die Spannung und starten Sie das Gerät "
    "neu!";

class UebertragungTest : public testing::Test {
protected:
    void Start(const Liste& image = Image) {
        u.Ruecksetzen();
        u.Loeschen(image);
    }
    // Start and the erase reported done: the first line went out.
    void Programmiere() {
        Start();
        u.BootloaderZeile("Flash clear start");
        u.BootloaderZeile("Flash clear OK");
        p.Neu();
    }

    Protokoll p;
    Uebertragung u{p};
};

TEST_F(UebertragungTest, Rahmen) {
    EXPECT_EQ(Hex(LoeschRahmen()), "AA F0 00 9B E5");
    EXPECT_EQ(Hex(Zeilenrahmen("@F000")), "AA F1 02 F0 00 8E E5");
    EXPECT_EQ(Hex(Zeilenrahmen("@f000")), "AA F1 02 F0 00 8E E5");
    EXPECT_EQ(Hex(Zeilenrahmen("31 40 00 04")), "AA F2 04 31 40 00 04 16 E5");
    EXPECT_EQ(Hex(Zeilenrahmen("31 40 00 04 ")), "AA F2 04 31 40 00 04 16 E5");
}

// The run the bootloader's replies drive, line by line: each "AKN" releases exactly one frame,
// the end line sends nothing and ends with the success box.
TEST_F(UebertragungTest, VollstaendigerLauf) {
    Start();
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F0 00 9B E5", "panel Flash clear"}));
    EXPECT_EQ(u.ZeilenIndex(), 0);
    EXPECT_FALSE(u.WartetAufAntwort()); // the erase is not watched

    u.BootloaderZeile("Bootloader V1.00");
    u.BootloaderZeile("Flash clear start");
    EXPECT_EQ(p.Neu(), (Liste{"monitor Bootloader V1.00", "monitor Flash clear start"}));
    u.BootloaderZeile("Flash clear OK");
    EXPECT_EQ(p.Neu(),
              (Liste{"monitor Flash clear OK", "clear OK",
                     "monitor Schreibe Adresszeiger im Flash @F000", "sende AA F1 02 F0 00 8E E5",
                     "panel Flash ADDR", "monitor Starte Programmierung", "fortschritt an"}));
    EXPECT_TRUE(u.LoeschenBestaetigt());
    EXPECT_EQ(u.ZeilenIndex(), 1);
    EXPECT_TRUE(u.WartetAufAntwort());

    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F2 04 31 40 00 04 16 E5", "panel Flash ADDR"}));
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"monitor Schreibe Adresszeiger im Flash @FFE0",
                              "sende AA F1 02 FF E0 7D E5", "panel Flash ADDR"}));
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(u.ZeilenIndex(), 6);
    EXPECT_EQ(p.Neu().size(), 2u + 3u + 2u);
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{Ende, "fertig"}));
    EXPECT_EQ(u.ZeilenIndex(), 7);
    EXPECT_FALSE(u.WartetAufAntwort());
    // A stray reply after the end sends nothing.
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"fortschritt aus"}));
}

// "NotAKN" after the third frame: the third image line again, as often as it comes.
TEST_F(UebertragungTest, NotAknWiederholtDieselbeZeile) {
    Programmiere();
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(u.ZeilenIndex(), 3);
    p.Neu();
    for (int i = 0; i < 3; ++i) {
        u.BootloaderZeile("NotAKN");
        EXPECT_EQ(p.Neu(), (Liste{"monitor Empfangsfehler! Wiederhole",
                                  "monitor Schreibe Adresszeiger im Flash @FFE0",
                                  "sende AA F1 02 FF E0 7D E5", "panel Flash ADDR"}));
        EXPECT_EQ(u.ZeilenIndex(), 3);
    }
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F2 04 00 F0 00 F0 81 E5", "panel Flash ADDR"}));
}

// Lines the transfer only shows: replies before the erase has ended, replies that are not
// exactly "AKN" or "NotAKN", anything else the bootloader says. Nothing is sent for them.
TEST_F(UebertragungTest, NurGezeigteZeilen) {
    struct Fall {
        const char* zeile;
        bool programmierend;
        const char* gezeigt;
    };
    const Fall faelle[] = {
        {"AKN", false, "monitor AKN"},
        {"NotAKN", false, "monitor NotAKN"},
        {"AKN ", true, "monitor AKN "},
        {" AKN", true, "monitor  AKN"},
        {"akn", true, "monitor akn"},
        {"\nAKN", true, "monitor \nAKN"},
        {"NotAKN ", true, "monitor NotAKN "},
        {"Flash clear OK ", false, "monitor Flash clear OK "},
        {"", true, "monitor "},
        {"\xC4\xFF", true, "monitor \xC3\x84\xC3\xBF"}, // each byte one character
    };
    for (const Fall& f : faelle) {
        if (f.programmierend) {
            Programmiere();
        } else {
            Start();
            u.BootloaderZeile("Flash clear start");
            p.Neu();
        }
        const int index = u.ZeilenIndex();
        u.BootloaderZeile(f.zeile);
        EXPECT_EQ(p.Neu(), Liste{f.gezeigt}) << f.zeile;
        EXPECT_EQ(u.ZeilenIndex(), index) << f.zeile;
        EXPECT_EQ(u.LoeschenBestaetigt(), f.programmierend) << f.zeile;
    }
}

TEST_F(UebertragungTest, SendefehlerMeldetUndZaehltWeiter) {
    p.portOffen = false;
    Start();
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F0 00 9B E5", "panel FEHLER beim senden!"}));
    p.portOffen = true;
    u.BootloaderZeile("Flash clear OK");
    p.Neu();
    p.portOffen = false;
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F2 04 31 40 00 04 16 E5", "panel FEHLER beim senden!"}));
    EXPECT_EQ(u.ZeilenIndex(), 2);
    EXPECT_TRUE(u.WartetAufAntwort());
}

// Start again in the middle: from the erase on, and the reply to the frame that was under way
// is only shown.
TEST_F(UebertragungTest, StartBeginntNeu) {
    Programmiere();
    u.BootloaderZeile("AKN");
    Start();
    EXPECT_EQ(u.ZeilenIndex(), 0);
    EXPECT_FALSE(u.LoeschenBestaetigt());
    EXPECT_FALSE(u.WartetAufAntwort());
    EXPECT_EQ(p.Neu().back(), "panel Flash clear");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), Liste{"monitor AKN"});
    u.BootloaderZeile("Flash clear OK");
    EXPECT_EQ(p.Neu().at(3), "sende AA F1 02 F0 00 8E E5");
    EXPECT_EQ(u.ZeilenIndex(), 1);
}

// A Start refused for want of a valid image leaves nothing to send, even for an erase that an
// earlier Start had asked for.
TEST_F(UebertragungTest, NachAbgewiesenemStartWirdNichtsGesendet) {
    Start();
    u.Ruecksetzen();
    p.Neu();
    u.BootloaderZeile("Flash clear OK");
    EXPECT_EQ(p.Neu(), (Liste{"monitor Flash clear OK", "clear OK", "fortschritt aus",
                              "monitor Starte Programmierung", "fortschritt an"}));
}

TEST_F(UebertragungTest, GeschlossenesFensterHandeltNichtMehr) {
    Programmiere();
    u.Beende();
    EXPECT_FALSE(u.WartetAufAntwort());
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu(), (Liste{"monitor AKN", "monitor NotAKN"}));
}

// A reply that comes while the success box is open sends nothing and opens no second box.
TEST_F(UebertragungTest, ZeileWaehrendDerErfolgsmeldung) {
    Programmiere();
    for (int i = 0; i < 5; ++i)
        u.BootloaderZeile("AKN");
    p.Neu();
    p.beiFertig = [this] { u.BootloaderZeile("AKN"); };
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{Ende, "fertig", "fortschritt aus"}));
}

// The note on a missing reply names the line and the address that wait; a "NotAKN" does not
// move the address on.
TEST_F(UebertragungTest, KeineAntwortNenntZeileUndAdresse) {
    const Liste image = {"@F000", "31 40 00 04", "00 01", "@FFE0", "00 F0", "@FFFE", "00 F0", "q"};
    Start(image);
    u.BootloaderZeile("Flash clear OK");
    EXPECT_EQ(u.KeineAntwort(), "Keine Antwort des Bootloaders seit 5 s auf Zeile 1 "
                                "(Adresszeiger F000). Die Übertragung wartet; Start beginnt neu.");
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(u.KeineAntwort(), "Keine Antwort des Bootloaders seit 5 s auf Zeile 3 "
                                "(2 Bytes ab Adresse F004). Die Übertragung wartet; Start "
                                "beginnt neu.");
    u.BootloaderZeile("NotAKN");
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(u.ZeilenIndex(), 3);
    EXPECT_NE(u.KeineAntwort().find("(2 Bytes ab Adresse F004)"), std::string::npos);
    EXPECT_TRUE(u.WartetAufAntwort());
    u.BootloaderZeile("Bootloader V1.00"); // not a reply: the frame still waits
    EXPECT_TRUE(u.WartetAufAntwort());
}

} // namespace
