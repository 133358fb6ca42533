// The programs' option reader. Built in the binary without Qt, as heliowendler-calc's options
// must build: both forms of a value, negative numbers, numbers with a point only, options
// given twice, words and foreign options as each program wants them, and the message of every
// wrong call.
#include "basis/kommandozeile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace kz = kommandozeile;

struct Werte {
    bool schalter = false;
    int ganz = 7;
    double zahl = 0;
    std::string text;
    std::vector<std::string> liste;
};

struct Lauf {
    bool ok = false;
    std::string fehler;
    Werte w;
    kz::Aufruf aufruf;
};

Lauf Lies(std::vector<const char*> args, kz::Regeln regeln = {}) {
    args.insert(args.begin(), "programm");
    Lauf l;
    const kz::Option optionen[] = {
        kz::Schalter("an", [&] { l.w.schalter = true; }),
        kz::Wert("ganz", kz::Ganzzahl(l.w.ganz, -5, 100), "eine Zahl von -5 bis 100"),
        kz::Wert("zahl", kz::Zahl(l.w.zahl, -180, 180), "eine Zahl von -180 bis 180"),
        kz::Wert("text", kz::Text(l.w.text), "ein Text"),
        kz::Wert("port", kz::Liste(l.w.liste), "ein Port", true),
    };
    l.ok =
        kz::Lies(static_cast<int>(args.size()), args.data(), optionen, regeln, l.aufruf, l.fehler);
    return l;
}

TEST(Kommandozeile, BeideFormenUndZahlenMitPunkt) {
    const Lauf n = Lies({"--ganz", "-5", "--zahl=-14.48"});
    ASSERT_TRUE(n.ok) << n.fehler;
    EXPECT_EQ(n.w.ganz, -5);
    EXPECT_EQ(n.w.zahl, -14.48);
    // A value is the next word whatever it looks like.
    const Lauf r =
        Lies({"--ganz=100", "--zahl", "1e2", "--text", "--an", "--port", "a", "--port=b"});
    ASSERT_TRUE(r.ok) << r.fehler;
    EXPECT_EQ(r.w.ganz, 100);
    EXPECT_EQ(r.w.zahl, 100.0);
    EXPECT_EQ(r.w.text, "--an");
    EXPECT_FALSE(r.w.schalter);
    EXPECT_EQ(r.w.liste, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(r.aufruf.gegeben, (std::vector<std::string>{"ganz", "zahl", "text", "port", "port"}));
    EXPECT_TRUE(r.aufruf.Gegeben("port"));
    EXPECT_FALSE(r.aufruf.Gegeben("an"));
}

TEST(Kommandozeile, FalscheAufrufeNennenOptionUndWert) {
    const struct {
        std::vector<const char*> args;
        const char* meldung;
    } faelle[] = {
        {{"--gibtsnicht"}, "unbekannte Option '--gibtsnicht'"},
        {{"wort"}, "unerwartetes Argument 'wort'"},
        {{"--"}, "unerwartetes Argument '--'"},
        {{"--an=1"}, "Option '--an' nimmt keinen Wert"},
        {{"--ganz"}, "Option '--ganz' braucht einen Wert"},
        {{"--ganz", "101"}, "'101' ist für --ganz nicht eine Zahl von -5 bis 100"},
        {{"--ganz", "1.5"}, "'1.5' ist für --ganz nicht eine Zahl von -5 bis 100"},
        {{"--ganz", "+3"}, "'+3' ist für --ganz nicht eine Zahl von -5 bis 100"},
        {{"--ganz", ""}, "'' ist für --ganz nicht eine Zahl von -5 bis 100"},
        {{"--zahl", "1,5"}, "'1,5' ist für --zahl nicht eine Zahl von -180 bis 180"},
        {{"--zahl", "nan"}, "'nan' ist für --zahl nicht eine Zahl von -180 bis 180"},
        {{"--zahl", "inf"}, "'inf' ist für --zahl nicht eine Zahl von -180 bis 180"},
        {{"--zahl", "180.5"}, "'180.5' ist für --zahl nicht eine Zahl von -180 bis 180"},
        {{"--text="}, "'' ist für --text nicht ein Text"},
        {{"--ganz", "1", "--ganz=2"}, "Option '--ganz' ist mehr als einmal angegeben"},
    };
    for (const auto& f : faelle) {
        const Lauf l = Lies(f.args);
        EXPECT_FALSE(l.ok) << f.meldung;
        EXPECT_EQ(l.fehler, f.meldung);
    }
}

TEST(Kommandozeile, WoerterUndFremdeOptionen) {
    kz::Regeln befehle;
    befehle.woerter = true;
    Lauf l = Lies({"status", "--ganz", "3", "5"}, befehle);
    ASSERT_TRUE(l.ok) << l.fehler;
    EXPECT_EQ(l.aufruf.woerter, (std::vector<std::string>{"status", "5"}));
    l = Lies({"status", "--fremd"}, befehle);
    EXPECT_FALSE(l.ok);

    // Qt's options, with one dash or two, are left to Qt; the program's own are still read.
    kz::Regeln anwendung;
    anwendung.fremdeUebergehen = true;
    l = Lies({"-platform", "offscreen", "--style", "fusion", "--ganz=4"}, anwendung);
    ASSERT_TRUE(l.ok) << l.fehler;
    EXPECT_EQ(l.w.ganz, 4);
    l = Lies({"--style", "--ganz=x"}, anwendung);
    EXPECT_FALSE(l.ok);
}

TEST(Kommandozeile, MeldungenDurchDieUebersetzung) {
    kz::Uebersetzung() = [](const char* kontext, const char* text) {
        const std::string t = text;
        if (std::string(kontext) == "Kommandozeile" && t == "'%1' ist für %2 nicht %3")
            return std::string("'%1' is not %3 for %2");
        if (t == "eine Zahl von -5 bis 100") return std::string("a number from -5 to 100");
        return t;
    };
    const Lauf l = Lies({"--ganz", "x"});
    kz::Uebersetzung() = nullptr;
    EXPECT_EQ(l.fehler, "'x' is not a number from -5 to 100 for --ganz");
}

} // namespace
