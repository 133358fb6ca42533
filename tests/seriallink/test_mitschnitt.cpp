// The traffic record over the receiver's own byte steps: every byte shows once, in the find the
// receiver made of it, whatever pieces the bytes came in; each entry carries the time its first
// byte was read; what is still open at the end is given out.
#include "proben.h"
#include "seriallink/mitschnitt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using rahmen::Bytes;
using Art = Mitschnitt::Eintrag::Art;

namespace {

Bytes Text(const std::string& s) {
    return {s.begin(), s.end()};
}

Mitschnitt::Uhr::time_point Ms(int ms) {
    return Mitschnitt::Uhr::time_point(std::chrono::milliseconds(ms));
}

const char* Name(Art a) {
    switch (a) {
    case Art::Gesendet:
        return "Gesendet";
    case Art::NichtGesendet:
        return "NichtGesendet";
    case Art::Rahmen:
        return "Rahmen";
    case Art::PruefsummeFalsch:
        return "PruefsummeFalsch";
    case Art::Zeile:
        return "Zeile";
    case Art::Zeilenanfang:
        return "Zeilenanfang";
    case Art::Rauschen:
        return "Rauschen";
    case Art::Unvollendet:
        return "Unvollendet";
    case Art::Verworfen:
        return "Verworfen";
    }
    return "?";
}

struct Stueck {
    Art art;
    Bytes bytes;
    friend bool operator==(const Stueck&, const Stueck&) = default;
};

void PrintTo(const Stueck& s, std::ostream* os) {
    *os << Name(s.art) << '[';
    for (const auto b : s.bytes)
        *os << ' ' << std::hex << int(b);
    *os << " ]";
}

// A receiver's byte steps with the record on: the receiver's finds and the record's entries.
class Aufnahme : public Empfangsautomat::Senke {
public:
    Aufnahme() {
        m.Starte([this](const Mitschnitt::Eintrag& e) { eintraege.push_back(e); });
    }
    void Lies(const Bytes& b, bool firmware, int ms) {
        m.Lies(automat, b, firmware, *this, Ms(ms));
    }
    // The entries as kind and bytes, runs of noise joined (noise is given out per read).
    std::vector<Stueck> Stuecke() const {
        std::vector<Stueck> s;
        for (const auto& e : eintraege) {
            if (e.art == Art::Rauschen && !s.empty() && s.back().art == Art::Rauschen)
                s.back().bytes = s.back().bytes + e.bytes;
            else
                s.push_back({e.art, e.bytes});
        }
        return s;
    }
    Bytes Alle() const {
        Bytes b;
        for (const auto& e : eintraege)
            b = b + e.bytes;
        return b;
    }

    void RahmenGefunden(std::span<const std::uint8_t> r) override {
        rahmen.emplace_back(r.begin(), r.end());
    }
    void PruefsummeFalsch(std::span<const std::uint8_t>) override {}
    void ZeileGefunden(std::span<const std::uint8_t> z) override {
        zeilen.emplace_back(z.begin(), z.end());
    }

    Mitschnitt m;
    Empfangsautomat automat;
    std::vector<Mitschnitt::Eintrag> eintraege;
    std::vector<Bytes> rahmen, zeilen; // what the receiver found
};

// A status response whose payload holds a carriage return: 55 09 03 21 0D 00 90 E5.
const Bytes MitCr = rahmen::Antwort(9, Bytes{0x21, 0x0D, 0x00});

struct Fall {
    const char* name;
    Bytes strom;
    bool firmware;
    std::vector<Stueck> erwartet; // up to the record's end
};

std::vector<Fall> Faelle() {
    Bytes akn30;
    for (int i = 0; i < 30; ++i)
        akn30 = akn30 + Text("AKN\r");
    std::vector<Stueck> zeilen30;
    for (int i = 0; i < 30; ++i)
        zeilen30.push_back({Art::Zeile, Text("AKN\r")});
    std::vector<Stueck> verworfen{{Art::Zeile, Text("Update\r")}};
    verworfen.insert(verworfen.end(), zeilen30.begin(), zeilen30.end());
    const Bytes vierStatus = Status + Status + Status + Status;
    return {
        {"Steuerung",
         Bytes{0x00, 0x13, 0x37} + Status + StatusFalsch + vierStatus + Status + Bytes{0x55, 0x09},
         false,
         {{Art::Rauschen, {0x00, 0x13, 0x37}},
          {Art::Rahmen, Status},
          {Art::PruefsummeFalsch, StatusFalsch + vierStatus},
          {Art::Rahmen, Status},
          {Art::Unvollendet, {0x55, 0x09}}}},
        {"Bootloader",
         Text("Bootloader V1.00\rFlash clear start\rAKN\rAK"),
         true,
         {{Art::Zeile, Text("Bootloader V1.00\r")},
          {Art::Zeile, Text("Flash clear start\r")},
          {Art::Zeile, Text("AKN\r")},
          {Art::Zeilenanfang, Text("AK")}}},
        // A line does not take the beginning of a frame still being collected.
        {"Rahmen mit CR",
         Text("AKN\r") + MitCr + Text("AKN\r"),
         true,
         {{Art::Zeile, Text("AKN\r")}, {Art::Rahmen, MitCr}, {Art::Zeile, Text("AKN\r")}}},
        {"Rahmen in einer Zeile",
         Text("xy") + MitCr + Text("z\r"),
         true,
         {{Art::Zeilenanfang, Text("xy")}, {Art::Rahmen, MitCr}, {Art::Zeile, Text("z\r")}}},
        // A "U" opens a candidate that is dropped at 100 bytes: its lines are lines.
        {"U im Text", Text("Update\r") + akn30, true, verworfen},
        // The candidate a "U" opened still runs at the end: the line is the line's, what
        // follows it the candidate's.
        {"U am Ende",
         Text("Version U1.0\r") + Status,
         true,
         {{Art::Zeile, Text("Version U1.0\r")}, {Art::Unvollendet, Status}}},
    };
}

class JedesByteEinmal : public testing::TestWithParam<Fall> {};

// Split at every byte boundary and byte by byte: the same entries, every byte in exactly one
// of them, in order, and every frame the receiver accepted whole.
TEST_P(JedesByteEinmal, WieDerEmpfaengerEsSchnitt) {
    const Fall& f = GetParam();
    const auto pruefe = [&](Aufnahme& a, const std::string& wie) {
        a.m.Beende();
        EXPECT_EQ(a.Alle(), f.strom) << wie;
        EXPECT_EQ(a.Stuecke(), f.erwartet) << wie;
        std::vector<Bytes> rahmen;
        for (const auto& e : a.eintraege)
            if (e.art == Art::Rahmen) rahmen.push_back(e.bytes);
        EXPECT_EQ(rahmen, a.rahmen) << wie;
    };
    for (std::size_t i = 0; i <= f.strom.size(); ++i) {
        Aufnahme a;
        a.Lies({f.strom.begin(), f.strom.begin() + static_cast<std::ptrdiff_t>(i)}, f.firmware, 0);
        a.Lies({f.strom.begin() + static_cast<std::ptrdiff_t>(i), f.strom.end()}, f.firmware, 10);
        pruefe(a, "geteilt bei " + std::to_string(i));
    }
    Aufnahme a;
    for (const std::uint8_t b : f.strom)
        a.Lies({b}, f.firmware, 0);
    pruefe(a, "Byte für Byte");
}

INSTANTIATE_TEST_SUITE_P(Stroeme, JedesByteEinmal, testing::ValuesIn(Faelle()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (c == ' ') c = '_';
                             return n;
                         });

// A line that a frame cut in two: its end carries the whole line the receiver handed on.
TEST(Mitschnitt, ZeilenendeTraegtDieGanzeZeile) {
    Aufnahme a;
    a.Lies(Text("AKN\r") + MitCr + Text("AKN\r"), true, 0);
    ASSERT_EQ(a.eintraege.size(), 3u);
    EXPECT_EQ(a.eintraege[0].zeile, Text("AKN"));
    EXPECT_EQ(a.eintraege[2].zeile, (Bytes{0x90, 0xE5, 'A', 'K', 'N'}));
    EXPECT_EQ(a.zeilen.back(), a.eintraege[2].zeile);
}

// Each entry carries the time its first byte was read, however many reads it spanned and
// whatever was sent meanwhile; what is open at the end too.
TEST(Mitschnitt, ZeitDesErstenBytes) {
    Aufnahme a;
    a.Lies({0x00, 0x01}, false, 5);
    a.Lies(Bytes(Status.begin(), Status.begin() + 3), false, 120);
    a.m.Gesendet(rahmen::Anfrage(8), Ms(2000));
    a.Lies(Bytes(Status.begin() + 3, Status.end()), false, 4126);
    a.Lies({0x55, 0x09}, false, 5000);
    a.Lies({0x03}, false, 5100);
    a.m.Beende();
    ASSERT_EQ(a.eintraege.size(), 4u);
    EXPECT_EQ(a.eintraege[0].zeit, Ms(5));
    EXPECT_EQ(a.eintraege[1].art, Art::Gesendet);
    EXPECT_EQ(a.eintraege[1].zeit, Ms(2000));
    EXPECT_EQ(a.eintraege[2].art, Art::Rahmen);
    EXPECT_EQ(a.eintraege[2].zeit, Ms(120));
    EXPECT_EQ(a.eintraege[3].art, Art::Unvollendet);
    EXPECT_EQ(a.eintraege[3].zeit, Ms(5000));

    Aufnahme b;
    b.Lies(Text("AK"), true, 10);
    b.Lies(Text("N\rFl"), true, 50);
    b.Lies(Text("ash"), true, 70);
    b.m.Beende();
    ASSERT_EQ(b.eintraege.size(), 2u);
    EXPECT_EQ(b.eintraege[0].zeit, Ms(10));
    EXPECT_EQ(b.eintraege[1].art, Art::Zeilenanfang);
    EXPECT_EQ(b.eintraege[1].zeit, Ms(50));
}

// The mode changes between reads as the receiver's does: the half line before it is given out
// as such, and frames are cut as ever.
TEST(Mitschnitt, Moduswechsel) {
    Aufnahme a;
    a.Lies(Text("AB"), true, 0);
    a.Lies(Status + Bytes{0x01}, false, 10);
    a.Lies(Text("AKN\r"), true, 20);
    a.m.Beende();
    EXPECT_EQ(a.Stuecke(), (std::vector<Stueck>{{Art::Zeilenanfang, Text("AB")},
                                                {Art::Rahmen, Status},
                                                {Art::Rauschen, {0x01}},
                                                {Art::Zeile, Text("AKN\r")}}));
}

// A line without a carriage return shows as its beginning once it is long, not never.
TEST(Mitschnitt, LangeZeileOhneEnde) {
    Aufnahme a;
    a.Lies(Bytes(Mitschnitt::GroessterRest + 1, 'x'), true, 0);
    ASSERT_EQ(a.eintraege.size(), 1u);
    EXPECT_EQ(a.eintraege[0].art, Art::Zeilenanfang);
    EXPECT_EQ(a.eintraege[0].bytes.size(), Mitschnitt::GroessterRest + 1);
}

// A candidate dropped before a request is sent again (a short response with a wrong checksum
// stays open below 39 bytes): its bytes show once, as dropped, and the next response is a
// frame of its own, for the receiver and in the record.
TEST(Mitschnitt, VerworfenerKandidat) {
    Aufnahme a;
    a.Lies(StatusFalsch, false, 0);
    a.m.VerwirfKandidat(a.automat);
    a.Lies(Status, false, 300);
    a.m.VerwirfKandidat(a.automat); // nothing open: nothing recorded
    a.m.Beende();
    EXPECT_EQ(a.Stuecke(), (std::vector<Stueck>{{Art::Verworfen, StatusFalsch},
                                                {Art::Rahmen, Status}}));
    EXPECT_EQ(a.rahmen, std::vector<Bytes>{Status});
    EXPECT_EQ(a.eintraege[0].zeit, Ms(0));
}

// Off, the record only runs the receiver's steps and keeps nothing.
TEST(Mitschnitt, AusLaufenNurDieSchritte) {
    Aufnahme a;
    a.m.Beende();
    a.Lies(Text("AKN\r") + Status, true, 0);
    EXPECT_TRUE(a.eintraege.empty());
    EXPECT_EQ(a.zeilen, std::vector<Bytes>{Text("AKN")});
    EXPECT_EQ(a.rahmen, std::vector<Bytes>{Status});
}

} // namespace
