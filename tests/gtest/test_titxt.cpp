// The TI-TXT image: how each line is read for the transfer (hex digits, address lines, data
// lines), how a file is cut into lines, and the check that decides whether an image may be
// sent, with the line and the reason it names when it may not.
#include "geraet/titxt.h"

#include <gtest/gtest.h>

namespace {

using namespace titxt;

TEST(TiTxt, HexByte) {
    struct Fall {
        char c1, c2;
        int wert;
    };
    const Fall faelle[] = {
        {'F', 'F', 255},
        {'0', 'A', 10},
        {'0', '0', 0},
        {'9', '9', 0x99},
        {'A', '0', 0xA0},
        {'7', 'E', 0x7E},
        // Lower-case digits are the digits they are (170, where upper-case reading gave 202).
        {'a', 'a', 170},
        {'f', 'F', 255},
        {'c', '3', 0xC3},
        // Other characters keep the arithmetic of the upper-case reading: code - 0x37.
        {'G', '0', 0},
        {'Z', 'Z', 83},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(HexByte(f.c1, f.c2), f.wert) << f.c1 << f.c2;
}

TEST(TiTxt, ZeilenartenUndWasDieUebertragungLiest) {
    EXPECT_EQ(Art("@F000"), Zeilenart::Adresse);
    EXPECT_EQ(Art("q"), Zeilenart::Ende);
    EXPECT_EQ(Art("31 40"), Zeilenart::Daten);

    EXPECT_EQ(Adresse("@F000"), 0xF000);
    EXPECT_EQ(Adresse("@ffe0"), 0xFFE0);
    EXPECT_EQ(Adresse("@12345"), 0x1234); // the fifth digit is not read

    EXPECT_EQ(Datenbytes("00 11 22"), (Bytes{0x00, 0x11, 0x22}));
    EXPECT_EQ(Datenbytes("00 11 22 "), (Bytes{0x00, 0x11, 0x22}));
    EXPECT_EQ(Datenbytes("31 40 00 04"), (Bytes{0x31, 0x40, 0x00, 0x04}));
    EXPECT_EQ(Datenbytes("3f 4a"), (Bytes{0x3F, 0x4A}));
}

TEST(TiTxt, ZeilenEinerDatei) {
    using Z = std::vector<std::string>;
    EXPECT_EQ(Zeilen("@F000\n31 40\nq\n"), (Z{"@F000", "31 40", "q"}));
    EXPECT_EQ(Zeilen("@F000\r\n31 40\r\nq\r\n"), (Z{"@F000", "31 40", "q"}));
    EXPECT_EQ(Zeilen("@F000\r31 40\rq"), (Z{"@F000", "31 40", "q"}));
    EXPECT_EQ(Zeilen("@F000\n31 40\nq"), (Z{"@F000", "31 40", "q"}));
    EXPECT_EQ(Zeilen("\xEF\xBB\xBF@F000\nq\n"), (Z{"@F000", "q"}));
    EXPECT_EQ(Zeilen("a\n\nb\r\n\r\n"), (Z{"a", "", "b", ""}));
    EXPECT_EQ(Zeilen(""), Z{});
}

const char* const Beispiel = "@F000\n31 40 00 04\n@FFE0\n00 F0 00 F0\n@FFFE\n00 F0\nq\n";

TEST(TiTxt, BeispielImageIstGueltig) {
    const auto zeilen = Zeilen(Beispiel);
    EXPECT_EQ(zeilen.size(), 7u);
    const Pruefung p = Pruefe(zeilen);
    EXPECT_TRUE(p.gueltig) << p.fehler;
    EXPECT_EQ(p.segmente, 3);
    EXPECT_EQ(p.fehler, "");
}

// Files that may be sent: the same bytes in every spelling the writers use.
TEST(TiTxt, GueltigeSchreibweisen) {
    const std::string voll = [] {
        std::string z;
        for (int i = 0; i < 95; ++i)
            z += (i ? " " : "") + std::string("5A");
        return z;
    }();
    const std::string faelle[] = {
        "@F000\r\n31 40 00 04\r\n@FFE0\r\n00 F0 00 F0\r\n@FFFE\r\n00 F0\r\nq\r\n",
        "@f000\n31 4a 00 0b\n@ffe0\n00 f0 00 F0\n@fffe\n00 f0\nq",
        "@F000\n31 40 00 04 \n@FFE0\n00 F0 00 F0 \n@FFFE\n00 F0\nq\n",
        "@C000\n" + voll + "\n@FFE0\n00\n@FFFE\n00 F0\nq\n",
        "@F000\n@FFE0\n@FFF0\n00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\nq\n",
    };
    for (const std::string& f : faelle) {
        const Pruefung p = Pruefe(Zeilen(f));
        EXPECT_TRUE(p.gueltig) << f << "\n" << p.fehler;
        EXPECT_EQ(p.segmente, 3) << f;
    }
}

// Files that may not be sent, each with the line at fault and what the user is told.
TEST(TiTxt, AbgewieseneImages) {
    struct Fall {
        const char* name;
        std::string datei;
        int zeile;
        const char* fehler;
        int segmente;
    };
    const std::string kopf = "@F000\n";
    const std::string rest = "@FFE0\n00 F0\n@FFFE\n00 F0\nq\n";
    const std::string zuLang = [] {
        std::string z = "00";
        for (int i = 1; i < 96; ++i)
            z += " 00";
        return z;
    }();
    const Fall faelle[] = {
        {"Zwei Segmente", "@F000\n31 40 00 04\n@FFFE\n00 F0\nq\n", 0,
         "Das Image hat 2 Adresszeilen; ein gültiges hat mindestens drei.", 2},
        {"Ein Segment", "@F000\n31 40 00 04\nq\n", 0,
         "Das Image hat 1 Adresszeile; ein gültiges hat mindestens drei.", 1},
        {"Ende fehlt", kopf + "31 40\n@FFE0\n00 F0\n@FFFE\n00 F0\n", 6,
         "Die letzte Zeile (Zeile 6) ist nicht \"q\".", 3},
        {"Ende mit Leerzeichen", kopf + "31 40\n" + rest.substr(0, rest.size() - 2) + "q \n", 7,
         "Zeile 7: Die letzte Zeile ist genau \"q\", nicht \"q \".", 3},
        {"Ende vor dem Ende", kopf + "31 40\nq\n" + rest, 3,
         "Zeile 3: \"q\" beendet das Image, danach stehen aber noch 5 Zeilen.", 3},
        {"Leere Zeile", kopf + "31 40\n\n" + rest, 3, "Zeile 3 ist leer.", 3},
        {"Leere Zeile am Ende", kopf + "31 40\n" + rest + "\n", 7,
         "Zeile 7: \"q\" beendet das Image, danach steht aber noch eine Zeile.", 3},
        {"Adresse mit sechs Ziffern", "@010000\n31 40\n" + rest, 1,
         "Zeile 1: Eine Adresszeile ist \"@\" und genau vier Hexadezimalziffern (\"@F000\"), "
         "nicht \"@010000\".",
         3},
        {"Adresse mit drei Ziffern", kopf + "31 40\n@FE0\n00\n" + rest, 3,
         "Zeile 3: Eine Adresszeile ist \"@\" und genau vier Hexadezimalziffern (\"@F000\"), "
         "nicht \"@FE0\".",
         4},
        {"Adresse mit Leerzeichen", "@F000 \n31 40\n" + rest, 1,
         "Zeile 1: Eine Adresszeile ist \"@\" und genau vier Hexadezimalziffern (\"@F000\"), "
         "nicht \"@F000 \".",
         3},
        {"Adresse keine Hexziffern", "@F0G0\n31 40\n" + rest, 1,
         "Zeile 1: Eine Adresszeile ist \"@\" und genau vier Hexadezimalziffern (\"@F000\"), "
         "nicht \"@F0G0\".",
         3},
        {"Ungerade letzte Ziffer", kopf + "31 40 0\n" + rest, 2,
         "Zeile 2: Das letzte Byte hat nur eine Hexadezimalziffer.", 3},
        {"Eine Ziffer", kopf + "3\n" + rest, 2,
         "Zeile 2: Das letzte Byte hat nur eine Hexadezimalziffer.", 3},
        {"Zwei Leerzeichen", kopf + "31  40\n" + rest, 2,
         "Zeile 2, Spalte 4: Die Bytes sind durch genau ein Leerzeichen getrennt.", 3},
        {"Zwei Leerzeichen am Ende", kopf + "31 40  \n" + rest, 2,
         "Zeile 2, Spalte 7: Die Bytes sind durch genau ein Leerzeichen getrennt.", 3},
        {"Leerzeichen vorn", kopf + " 31 40\n" + rest, 2,
         "Zeile 2, Spalte 1: Die Bytes sind durch genau ein Leerzeichen getrennt.", 3},
        {"Keine Hexziffer", kopf + "31 4G\n" + rest, 2,
         "Zeile 2, Spalte 5: \"G\" ist keine Hexadezimalziffer.", 3},
        {"Tabulator", kopf + "31\t40\n" + rest, 2,
         "Zeile 2, Spalte 3: Zwischen zwei Bytes steht genau ein Leerzeichen, nicht das "
         "Zeichen 0x09.",
         3},
        {"Ohne Trenner", kopf + "3140\n" + rest, 2,
         "Zeile 2, Spalte 3: Zwischen zwei Bytes steht genau ein Leerzeichen, nicht \"4\".", 3},
        {"Komma", kopf + "31,40\n" + rest, 2,
         "Zeile 2, Spalte 3: Zwischen zwei Bytes steht genau ein Leerzeichen, nicht \",\".", 3},
        {"Nicht ASCII",
         kopf +
             "31 \xC4"
             "0\n" +
             rest,
         2, "Zeile 2, Spalte 4: das Zeichen 0xC4 ist keine Hexadezimalziffer.", 3},
        {"96 Bytes", kopf + zuLang + "\n" + rest, 2,
         "Zeile 2 hat 96 Bytes; ein Rahmen fasst höchstens 95.", 3},
        {"Daten vor der Adresse", "31 40\n@F000\n31 40\n" + rest, 1,
         "Zeile 1: Daten vor der ersten Adresszeile.", 3},
        {"Ueber FFFF hinaus", "@F000\n31 40\n@FFE0\n00 F0\n@FFFE\n00 F0 00\nq\n", 6,
         "Zeile 6: Die Daten reichen über die Adresse FFFF hinaus.", 3},
        {"Leere Datei", "", 0, "Die Datei ist leer.", 0},
    };
    for (const Fall& f : faelle) {
        const Pruefung p = Pruefe(Zeilen(f.datei));
        EXPECT_FALSE(p.gueltig) << f.name;
        EXPECT_EQ(p.fehlerzeile, f.zeile) << f.name;
        EXPECT_EQ(p.fehler, f.fehler) << f.name;
        EXPECT_EQ(p.segmente, f.segmente) << f.name;
    }
}

} // namespace
