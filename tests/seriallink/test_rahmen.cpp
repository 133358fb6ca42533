// Frame envelope: the byte strings the controller and its bootloader expect, and the
// envelope test of received candidates.
#include "seriallink/rahmen.h"

#include <gtest/gtest.h>

using rahmen::Bytes;

namespace {

struct RahmenFall {
    const char* name;
    Bytes gebaut;
    Bytes erwartet;
};

class RahmenBau : public testing::TestWithParam<RahmenFall> {};

TEST_P(RahmenBau, GibtDieBytesDesGeraets) {
    EXPECT_EQ(GetParam().gebaut, GetParam().erwartet);
}

const Bytes Pos359{0x67, 0x01}, Pos1{0x01, 0x00}, Adresse{0xF0, 0x00},
    Daten{0x31, 0x40, 0x00, 0x04};
const Bytes Status{0x21, 0x10, 0x00};

INSTANTIATE_TEST_SUITE_P(
    Beispiele, RahmenBau,
    testing::Values(
        RahmenFall{"GetParam", rahmen::Anfrage(2), {0xAA, 0x02, 0x00, 0x00, 0xAD, 0xE5}},
        RahmenFall{"GetTime", rahmen::Anfrage(4), {0xAA, 0x04, 0x00, 0x00, 0xAF, 0xE5}},
        RahmenFall{"GetInfo", rahmen::Anfrage(10), {0xAA, 0x0A, 0x00, 0x00, 0xB5, 0xE5}},
        RahmenFall{"SetPosition359",
                   rahmen::Anfrage(6, Pos359),
                   {0xAA, 0x06, 0x02, 0x00, 0x67, 0x01, 0x1B, 0xE5}},
        RahmenFall{"SetPosition1",
                   rahmen::Anfrage(6, Pos1),
                   {0xAA, 0x06, 0x02, 0x00, 0x01, 0x00, 0xB4, 0xE5}},
        RahmenFall{"Loeschen", rahmen::BootloaderRahmen(0xF0), {0xAA, 0xF0, 0x00, 0x9B, 0xE5}},
        RahmenFall{"Adresse",
                   rahmen::BootloaderRahmen(0xF1, Adresse),
                   {0xAA, 0xF1, 0x02, 0xF0, 0x00, 0x8E, 0xE5}},
        RahmenFall{"Datenzeile",
                   rahmen::BootloaderRahmen(0xF2, Daten),
                   {0xAA, 0xF2, 0x04, 0x31, 0x40, 0x00, 0x04, 0x16, 0xE5}},
        RahmenFall{"Statusantwort",
                   rahmen::Antwort(9, Status),
                   {0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x93, 0xE5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rahmen, LaengeUeber255WirdGekappt) {
    const Bytes viel(300, 0x01);
    const Bytes r = rahmen::BootloaderRahmen(0xF2, viel);
    ASSERT_EQ(r.size(), 255u + 5u);
    EXPECT_EQ(r[2], 255);
    EXPECT_EQ(r.back(), rahmen::Ende);
}

TEST(Rahmen, AntwortPasst) {
    const Bytes gut{0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x93, 0xE5};
    EXPECT_TRUE(rahmen::AntwortPasst(gut));
    Bytes falsch = gut;
    falsch[6] = 0x94;
    EXPECT_FALSE(rahmen::AntwortPasst(falsch));
    // Bytes after the checksum are not examined.
    Bytes laenger = gut;
    laenger.push_back(0x00);
    EXPECT_TRUE(rahmen::AntwortPasst(laenger));
    // Too short for its length byte, or for any envelope at all.
    EXPECT_FALSE(rahmen::AntwortPasst(Bytes(gut.begin(), gut.begin() + 6)));
    EXPECT_FALSE(rahmen::AntwortPasst(Bytes{0x55, 0x09}));
    EXPECT_FALSE(rahmen::AntwortPasst(Bytes{}));
}

} // namespace
