// The receiver's byte steps: which frames, checksum failures and bootloader lines a byte
// stream yields, whatever pieces it arrives in.
#include "proben.h"
#include "seriallink/empfangsautomat.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using rahmen::Bytes;

namespace {

struct Fundstueck {
    char art; // 'R' frame, 'F' checksum failure, 'Z' line
    Bytes bytes;
    friend bool operator==(const Fundstueck&, const Fundstueck&) = default;
};

void PrintTo(const Fundstueck& f, std::ostream* os) {
    *os << f.art << '[';
    for (const auto b : f.bytes)
        *os << ' ' << std::hex << int(b);
    *os << " ]";
}

class Protokoll final : public Empfangsautomat::Senke {
public:
    std::vector<Fundstueck> funde;
    void RahmenGefunden(std::span<const std::uint8_t> r) override { Neu('R', r); }
    void PruefsummeFalsch(std::span<const std::uint8_t> k) override { Neu('F', k); }
    void ZeileGefunden(std::span<const std::uint8_t> z) override { Neu('Z', z); }

private:
    void Neu(char art, std::span<const std::uint8_t> b) {
        funde.push_back({art, {b.begin(), b.end()}});
    }
};

Bytes Text(const std::string& s) {
    return {s.begin(), s.end()};
}
Bytes Mal(const Bytes& b, int n) {
    Bytes r;
    for (int i = 0; i < n; ++i)
        r = r + b;
    return r;
}

// A response of n payload bytes 0x01 whose payload byte k is 0xE5 (frame byte 3 + k).
Bytes MitInneremE5(std::size_t n, std::size_t k) {
    Bytes nutz(n, 0x01);
    nutz[k] = 0xE5;
    return rahmen::Antwort(0x30, nutz);
}

std::vector<Fundstueck> Lies(const Bytes& bytes, bool firmware = false) {
    Empfangsautomat a;
    Protokoll p;
    a.Lies(bytes, firmware, p);
    return p.funde;
}

TEST(Empfangsautomat, StatusantwortWirdAngenommen) {
    Empfangsautomat a;
    Protokoll p;
    a.Lies(Status, false, p);
    EXPECT_EQ(p.funde, (std::vector<Fundstueck>{{'R', Status}}));
    EXPECT_FALSE(a.Sammelt());
    EXPECT_EQ(a.Rahmen(), 1u);
    EXPECT_EQ(a.Pruefsummenfehler(), 0u);
}

TEST(Empfangsautomat, FalschePruefsummeSchlucktDieNaechstenVierStatusantworten) {
    Empfangsautomat a;
    Protokoll p;
    a.Lies(StatusFalsch + Mal(Status, 5), false, p);
    // The damaged candidate fails at every end byte up to 40 bytes, then is dropped; the
    // fifth response after it is the first one seen again.
    std::vector<Fundstueck> erwartet;
    Bytes kandidat = StatusFalsch;
    for (int i = 0; i < 5; ++i) {
        erwartet.push_back({'F', kandidat});
        kandidat = kandidat + Status;
    }
    erwartet.push_back({'R', Status});
    EXPECT_EQ(p.funde, erwartet);
    EXPECT_EQ(a.Pruefsummenfehler(), 5u);
    EXPECT_FALSE(a.Sammelt());
}

// A reply asked for again after a damaged one, or after a stray start byte: dropping the
// candidate first lets it be read on its own.
TEST(Empfangsautomat, VerworfenerKandidatSchlucktNichts) {
    for (const Bytes& vorher : {StatusFalsch, Bytes{rahmen::StartAntwort}}) {
        Empfangsautomat a;
        Protokoll p;
        a.Lies(vorher, false, p);
        EXPECT_TRUE(a.Sammelt());
        a.VerwirfKandidat();
        EXPECT_FALSE(a.Sammelt());
        a.Lies(Status, false, p);
        ASSERT_FALSE(p.funde.empty());
        EXPECT_EQ(p.funde.back(), (Fundstueck{'R', Status}));
    }
}

TEST(Empfangsautomat, InneresE5AnByte37BleibtOffenAnByte38EndetEs) {
    const Bytes bei37 = MitInneremE5(40, 34), bei38 = MitInneremE5(40, 35);
    ASSERT_EQ(bei37[37], 0xE5);
    ASSERT_EQ(bei38[38], 0xE5);
    EXPECT_EQ(Lies(bei37), (std::vector<Fundstueck>{{'F', Bytes(bei37.begin(), bei37.begin() + 38)},
                                                    {'R', bei37}}));
    // Ended at the inner 0xE5; the rest of the frame is not a frame.
    EXPECT_EQ(Lies(bei38),
              (std::vector<Fundstueck>{{'F', Bytes(bei38.begin(), bei38.begin() + 39)}}));
}

// The parameter response (46 bytes) with 0xE5 at frame byte stelle: a payload byte for 37 ...
// 43, the checksum for 44.
Bytes ParameterMitE5(std::size_t stelle) {
    Bytes nutz(41, 0x01);
    nutz[0] = 0x21;
    if (stelle < 44) {
        nutz[stelle - 3] = 0xE5;
    } else {
        // A last payload byte that makes the checksum 0xE5.
        nutz[40] = 0;
        nutz[40] = static_cast<std::uint8_t>(0xE5 - rahmen::Antwort(2, nutz)[44]);
    }
    return rahmen::Antwort(2, nutz);
}

// The 39-byte rule took an 0xE5 at frame byte 38 or later for the end of the parameter
// response and dropped it; one at 37 kept it open but was counted as a checksum failure. The
// response is accepted with no failure with its 0xE5 at 37, 38 and 43, and as its checksum;
// alone, and after a damaged status response that swallows the four responses after it, as it
// always did. The same finds whatever the split of the stream.
class ParameterantwortMitE5 : public testing::TestWithParam<std::tuple<std::size_t, bool>> {};

TEST_P(ParameterantwortMitE5, WirdAngenommen) {
    const auto [stelle, beschaedigtDavor] = GetParam();
    const Bytes p = ParameterMitE5(stelle);
    ASSERT_EQ(p.size(), 46u);
    ASSERT_EQ(p[stelle], 0xE5);
    Bytes strom = Status;
    std::vector<Fundstueck> erwartet{{'R', Status}};
    if (beschaedigtDavor) {
        strom = strom + StatusFalsch + Mal(Status, 4);
        Bytes kandidat = StatusFalsch;
        for (int i = 0; i < 5; ++i) {
            erwartet.push_back({'F', kandidat});
            kandidat = kandidat + Status;
        }
    }
    strom = strom + p + Status;
    erwartet.push_back({'R', p});
    erwartet.push_back({'R', Status});
    for (std::size_t i = 0; i <= strom.size(); ++i) {
        Empfangsautomat a;
        Protokoll pr;
        a.Lies({strom.data(), i}, false, pr);
        a.Lies({strom.data() + i, strom.size() - i}, false, pr);
        ASSERT_EQ(pr.funde, erwartet) << "geteilt bei " << i;
        EXPECT_EQ(a.Pruefsummenfehler(), beschaedigtDavor ? 5u : 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Stellen, ParameterantwortMitE5,
                         testing::Combine(testing::Values(37u, 38u, 43u, 44u), testing::Bool()),
                         [](const auto& info) {
                             return "E5bei" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "_nachSchaden" : "_allein");
                         });

// Only the parameter response's layout waits for its 46th byte: any other command or length
// keeps the 39-byte rule, and so does a stray start byte before status responses.
TEST(Empfangsautomat, AndereKandidatenBehaltenDie39ByteRegel) {
    Bytes anderesKommando = ParameterMitE5(38);
    anderesKommando[1] = 0x30;
    anderesKommando[44] = rahmen::Pruefsumme({anderesKommando.data(), 44});
    EXPECT_EQ(Lies(anderesKommando),
              (std::vector<Fundstueck>{
                  {'F', Bytes(anderesKommando.begin(), anderesKommando.begin() + 39)}}));

    // A stray 0x55 takes the next status response's start byte for its command and swallows
    // five responses, as it always did, and not one more.
    const Bytes strom = Bytes{0x55} + Mal(Status, 6);
    std::vector<Fundstueck> erwartet;
    Bytes kandidat = Bytes{0x55} + Status;
    for (int i = 0; i < 5; ++i) {
        erwartet.push_back({'F', kandidat});
        kandidat = kandidat + Status;
    }
    erwartet.push_back({'R', Status});
    EXPECT_EQ(Lies(strom), erwartet);
}

TEST(Empfangsautomat, BytesVorDemStartUndStartbytesImKandidaten) {
    const Bytes mit55 = rahmen::Antwort(9, Bytes{0x55, 0x55, 0x10});
    EXPECT_EQ(Lies(Bytes{0x00, 0xFF, 0xE5, 0xAA, 0x12} + Status + Bytes{0xE5} + mit55),
              (std::vector<Fundstueck>{{'R', Status}, {'R', mit55}}));
}

TEST(Empfangsautomat, KandidatWaechstNichtUeber100Bytes) {
    Empfangsautomat a;
    Protokoll p;
    // 100 bytes without an end byte, then noise, then a response.
    a.Lies(Bytes{0x55} + Bytes(99, 0x01) + Bytes(10, 0x02) + Status, false, p);
    EXPECT_EQ(p.funde, (std::vector<Fundstueck>{{'R', Status}}));
    EXPECT_EQ(a.Verworfen(), 1u);
    // The next start byte right after the drop opens the next candidate.
    EXPECT_EQ(Lies(Bytes{0x55} + Bytes(99, 0x01) + Status),
              (std::vector<Fundstueck>{{'R', Status}}));
}

TEST(Empfangsautomat, LaengenbyteBis95PasstUeber95NieMehr) {
    const Bytes genau100 = rahmen::Antwort(0x30, Bytes(95, 0x01));
    ASSERT_EQ(genau100.size(), 100u);
    EXPECT_EQ(Lies(genau100), (std::vector<Fundstueck>{{'R', genau100}}));

    Bytes zuLang = rahmen::Antwort(0x30, Bytes(96, 0x01)); // 101 bytes
    ASSERT_NE(zuLang[99], 0xE5);
    Empfangsautomat a;
    Protokoll p;
    a.Lies(zuLang + Status, false, p);
    EXPECT_EQ(p.funde, (std::vector<Fundstueck>{{'R', Status}}));
    EXPECT_EQ(a.Verworfen(), 1u);
}

TEST(Empfangsautomat, Bootloaderzeilen) {
    struct Fall {
        const char* name;
        std::string text;
        std::vector<std::string> zeilen;
    };
    for (const Fall& f : {
             Fall{"CR", "AKN\r", {"AKN"}},
             Fall{"CR LF", "AKN\r\nAKN\r", {"AKN", "\nAKN"}},
             Fall{"leer", "\r\r", {"", ""}},
             Fall{"Nullbyte", std::string("A\0K\rN", 5), {"AK"}},
             Fall{"ohne Ende", "Flash clear", {}},
         }) {
        std::vector<Fundstueck> erwartet;
        for (const auto& z : f.zeilen)
            erwartet.push_back({'Z', Text(z)});
        EXPECT_EQ(Lies(Text(f.text), true), erwartet) << f.name;
    }
}

TEST(Empfangsautomat, ZeilenNurImFirmwaremodus) {
    Empfangsautomat a;
    Protokoll p;
    a.Lies(Text("AB"), true, p);
    a.Lies(Text("CD\r"), false, p); // not collected; the text keeps "AB"
    EXPECT_TRUE(p.funde.empty());
    a.Lies(Text("E\r"), true, p);
    EXPECT_EQ(p.funde, (std::vector<Fundstueck>{{'Z', Text("ABE")}}));
}

TEST(Empfangsautomat, GrossesUImBootloadertextOeffnetEinenKandidaten) {
    Empfangsautomat a;
    Protokoll p;
    a.Lies(Text("Version U1.0\r") + Status, true, p);
    // "U1.0\r" + the response: the length byte is '.', so no end byte can close it yet.
    EXPECT_EQ(p.funde, (std::vector<Fundstueck>{{'Z', Text("Version U1.0")},
                                                {'F', Text("U1.0\r") + Status}}));
    EXPECT_TRUE(a.Sammelt());
    EXPECT_EQ(a.Rahmen(), 0u);
}

// The same finds whatever the pieces: split at every byte boundary, and byte by byte.
TEST(Empfangsautomat, JedeTeilungGibtDieselbenFunde) {
    const Bytes strom = Bytes{0x00, 0x13} + Status + StatusFalsch + Mal(Status, 5) +
                        Text("Flash clear OK\r\nAKN\r") + MitInneremE5(40, 34) + Bytes{0x55} +
                        Bytes(120, 0x07) + Status;
    for (const bool firmware : {false, true}) {
        const std::vector<Fundstueck> ganz = Lies(strom, firmware);
        ASSERT_GE(ganz.size(), 8u);
        for (std::size_t i = 0; i <= strom.size(); ++i) {
            Empfangsautomat a;
            Protokoll p;
            a.Lies({strom.data(), i}, firmware, p);
            a.Lies({strom.data() + i, strom.size() - i}, firmware, p);
            ASSERT_EQ(p.funde, ganz) << "geteilt bei " << i;
        }
        Empfangsautomat a;
        Protokoll p;
        for (const std::uint8_t b : strom)
            a.Lies({&b, 1}, firmware, p);
        EXPECT_EQ(p.funde, ganz);
    }
}

} // namespace
