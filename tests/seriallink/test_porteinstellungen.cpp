// The setting string the interface dialog applies before it writes its own members.
#include "seriallink/porteinstellungen.h"

#include <gtest/gtest.h>

namespace {

TEST(Einstellstring, SetztDieGenanntenUndGibtBinaerOhneHandshake) {
    Porteinstellungen r;
    r.fOutX = r.fInX = true;
    r.fRtsControl = Porteinstellungen::RtsHandshake;
    ASSERT_TRUE(WendeEinstellstringAn(r, "baud=38400 parity=N data=8 stop=1"));
    EXPECT_EQ(r.BaudRate, 38400u);
    EXPECT_EQ(r.ByteSize, 8);
    EXPECT_EQ(r.Parity, Porteinstellungen::KeineParitaet);
    EXPECT_FALSE(r.fParity);
    EXPECT_EQ(r.StopBits, Porteinstellungen::EinStopbit);
    EXPECT_TRUE(r.fBinary);
    EXPECT_FALSE(r.fOutX || r.fInX || r.fOutxCtsFlow || r.fOutxDsrFlow);
    EXPECT_EQ(r.fRtsControl, Porteinstellungen::RtsDisable);
    EXPECT_EQ(r.fDtrControl, Porteinstellungen::DtrDisable);

    ASSERT_TRUE(WendeEinstellstringAn(r, "  PARITY=e  stop=1.5 "));
    EXPECT_EQ(r.Parity, Porteinstellungen::Gerade);
    EXPECT_TRUE(r.fParity);
    EXPECT_EQ(r.StopBits, Porteinstellungen::AnderthalbStopbits);
    EXPECT_EQ(r.BaudRate, 38400u); // not named: kept
}

TEST(Einstellstring, UnverstandenesLaesstDenSatzUnveraendert) {
    Porteinstellungen r;
    ASSERT_TRUE(WendeEinstellstringAn(r, "baud=4800 data=7"));
    const Porteinstellungen vorher = r;
    for (const char* falsch : {"baud=", "baud=abc", "baud=0", "data=9", "data=4", "parity=x",
                               "stop=3", "tempo=1", "baud", "baud=4800 data=8 stop=1 x=1"})
        EXPECT_FALSE(WendeEinstellstringAn(r, falsch)) << falsch;
    EXPECT_EQ(r, vorher);
}

} // namespace
