// The bootloader transfer without a window: the frames it builds, and what it does, in order,
// for each reply line: a complete run, "NotAKN" with and without a limit, replies it must not
// act on, a failed send, Start again, the window closed, and what waits when a reply is
// overdue.
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

// A note as one short text, its values in it.
std::string Text(const Notiz& n) {
    const std::string zeile = " Zeile " + std::to_string(n.zeile);
    switch (n.art) {
    case Notiz::Art::Antwort:
        return "antwort " + n.text;
    case Notiz::Art::FremdeZeile:
        return "zeile " + n.text;
    case Notiz::Art::Programmierung:
        return "programmierung";
    case Notiz::Art::Adresszeiger:
        return "adresszeiger " + n.text + zeile;
    case Notiz::Art::Wiederholung:
        return "wiederholung" + zeile + " Mal " + std::to_string(n.wiederholung);
    case Notiz::Art::Aufgegeben:
        return "aufgegeben" + zeile + " nach " + std::to_string(n.wiederholung);
    case Notiz::Art::Fertig:
        return "ende" + zeile;
    }
    return "?";
}

std::string Text(Panelstand s) {
    switch (s) {
    case Panelstand::Loeschen:
        return "loeschen";
    case Panelstand::Zeile:
        return "zeile";
    case Panelstand::Sendefehler:
        return "sendefehler";
    }
    return "?";
}

// Records what the transfer does, one entry per call, in order.
class Protokoll : public Umgebung {
public:
    bool Sende(std::span<const std::uint8_t> rahmen) override {
        ereignisse.push_back("sende " + Hex(rahmen));
        return portOffen;
    }
    void Notiere(const Notiz& n) override { ereignisse.push_back("notiz " + Text(n)); }
    void Panel(Panelstand s) override { ereignisse.push_back("panel " + Text(s)); }
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
const std::string Ende = "notiz ende Zeile 7";

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
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F0 00 9B E5", "panel loeschen"}));
    EXPECT_EQ(u.ZeilenIndex(), 0);
    EXPECT_FALSE(u.WartetAufAntwort()); // the erase is not watched

    u.BootloaderZeile("Bootloader V1.00");
    u.BootloaderZeile("Flash clear start");
    EXPECT_EQ(p.Neu(), (Liste{"notiz zeile Bootloader V1.00", "notiz antwort Flash clear start"}));
    u.BootloaderZeile("Flash clear OK");
    EXPECT_EQ(p.Neu(), (Liste{"notiz antwort Flash clear OK", "clear OK",
                              "notiz adresszeiger @F000 Zeile 1", "sende AA F1 02 F0 00 8E E5",
                              "panel zeile", "notiz programmierung", "fortschritt an"}));
    EXPECT_TRUE(u.LoeschenBestaetigt());
    EXPECT_EQ(u.ZeilenIndex(), 1);
    EXPECT_TRUE(u.WartetAufAntwort());

    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F2 04 31 40 00 04 16 E5", "panel zeile"}));
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"notiz adresszeiger @FFE0 Zeile 3", "sende AA F1 02 FF E0 7D E5",
                              "panel zeile"}));
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

// "NotAKN" after the third frame: the third image line again, as often as it comes, each time
// with the count of the refusals in a row; an "AKN" starts the count anew.
TEST_F(UebertragungTest, NotAknWiederholtDieselbeZeile) {
    Programmiere();
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(u.ZeilenIndex(), 3);
    p.Neu();
    for (int i = 1; i <= 12; ++i) {
        u.BootloaderZeile("NotAKN");
        EXPECT_EQ(p.Neu(), (Liste{"notiz wiederholung Zeile 3 Mal " + std::to_string(i),
                                  "notiz adresszeiger @FFE0 Zeile 3", "sende AA F1 02 FF E0 7D E5",
                                  "panel zeile"}));
        EXPECT_EQ(u.ZeilenIndex(), 3);
    }
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F2 04 00 F0 00 F0 81 E5", "panel zeile"}));
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu().front(), "notiz wiederholung Zeile 4 Mal 1");
}

// With a limit (the service tool's), the refusal after the last repeat allowed ends the
// transfer: nothing more is sent, and later replies are only shown. The limit counts per line.
TEST_F(UebertragungTest, WiederholgrenzeBeendet) {
    u.SetzeWiederholgrenze(2);
    Programmiere();
    u.BootloaderZeile("NotAKN");
    u.BootloaderZeile("NotAKN");
    u.BootloaderZeile("AKN"); // line 1 taken after two repeats
    p.Neu();
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu().front(), "notiz wiederholung Zeile 2 Mal 1");
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu().front(), "notiz wiederholung Zeile 2 Mal 2");
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu(), (Liste{"notiz aufgegeben Zeile 2 nach 2", "fortschritt aus"}));
    EXPECT_FALSE(u.WartetAufAntwort());
    EXPECT_FALSE(u.Ueberfaellig(std::chrono::seconds(5), true));
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"notiz zeile AKN"}));
    // A limit of none at all: the first refusal ends it.
    u.SetzeWiederholgrenze(0);
    Programmiere();
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu(), (Liste{"notiz aufgegeben Zeile 1 nach 0", "fortschritt aus"}));
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
        {"AKN", false, "notiz zeile AKN"},
        {"NotAKN", false, "notiz zeile NotAKN"},
        {"AKN ", true, "notiz zeile AKN "},
        {" AKN", true, "notiz zeile  AKN"},
        {"akn", true, "notiz zeile akn"},
        {"\nAKN", true, "notiz zeile \nAKN"},
        {"NotAKN ", true, "notiz zeile NotAKN "},
        {"Flash clear OK ", false, "notiz zeile Flash clear OK "},
        {"", true, "notiz zeile "},
        {"\xC4\xFF", true, "notiz zeile \xC4\xFF"}, // the bytes as they came
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
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F0 00 9B E5", "panel sendefehler"}));
    p.portOffen = true;
    u.BootloaderZeile("Flash clear OK");
    p.Neu();
    p.portOffen = false;
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), (Liste{"sende AA F2 04 31 40 00 04 16 E5", "panel sendefehler"}));
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
    EXPECT_EQ(p.Neu().back(), "panel loeschen");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(p.Neu(), Liste{"notiz zeile AKN"});
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
    EXPECT_EQ(p.Neu(), (Liste{"notiz antwort Flash clear OK", "clear OK", "fortschritt aus",
                              "notiz programmierung", "fortschritt an"}));
}

TEST_F(UebertragungTest, GeschlossenesFensterHandeltNichtMehr) {
    Programmiere();
    u.Beende();
    EXPECT_FALSE(u.WartetAufAntwort());
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(p.Neu(), (Liste{"notiz zeile AKN", "notiz zeile NotAKN"}));
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

// What waits when a reply is overdue: the erase before and after "Flash clear start", the
// line and the address of a frame (a "NotAKN" does not move the address on), the port when it
// is closed, nothing after the end; the wait given is the one told.
TEST_F(UebertragungTest, UeberfaelligNenntWasWartet) {
    using A = Verzug::Art;
    using std::chrono::milliseconds;
    const Liste image = {"@F000", "31 40 00 04", "00 01", "@FFE0", "00 F0", "@FFFE", "00 F0", "q"};
    EXPECT_FALSE(u.Ueberfaellig(milliseconds(5000), true));
    Start(image);
    EXPECT_EQ(u.Ueberfaellig(milliseconds(500), true),
              (Verzug{A::KeinLoeschen, milliseconds(500)}));
    EXPECT_EQ(u.Ueberfaellig(milliseconds(500), false),
              (Verzug{A::PortVerloren, milliseconds(500)}));
    u.BootloaderZeile("Bootloader V1.00"); // no word on the erase
    EXPECT_EQ(u.Ueberfaellig(milliseconds(500), true)->art, A::KeinLoeschen);
    u.BootloaderZeile("Flash clear start");
    EXPECT_EQ(u.Ueberfaellig(milliseconds(1200), true),
              (Verzug{A::LoeschenDauert, milliseconds(1200)}));
    u.BootloaderZeile("Flash clear OK");
    EXPECT_EQ(u.Ueberfaellig(milliseconds(5000), true),
              (Verzug{A::KeineQuittung, milliseconds(5000), 1, true, 0xF000, 0}));
    u.BootloaderZeile("AKN");
    u.BootloaderZeile("AKN");
    EXPECT_EQ(u.Ueberfaellig(milliseconds(300), true),
              (Verzug{A::KeineQuittung, milliseconds(300), 3, false, 0xF004, 2}));
    u.BootloaderZeile("NotAKN");
    u.BootloaderZeile("NotAKN");
    EXPECT_EQ(u.ZeilenIndex(), 3);
    EXPECT_EQ(u.Ueberfaellig(milliseconds(300), true),
              (Verzug{A::KeineQuittung, milliseconds(300), 3, false, 0xF004, 2}));
    EXPECT_TRUE(u.WartetAufAntwort());
    u.BootloaderZeile("Bootloader V1.00"); // not a reply: the frame still waits
    EXPECT_TRUE(u.WartetAufAntwort());
    EXPECT_EQ(u.Ueberfaellig(milliseconds(300), false)->art, A::PortVerloren);
    // A new Start: the erase again, not yet begun.
    Start(image);
    EXPECT_EQ(u.Ueberfaellig(milliseconds(500), true)->art, A::KeinLoeschen);
    u.Beende();
    EXPECT_FALSE(u.Ueberfaellig(milliseconds(500), true));
}

} // namespace
