// Pacing of the device's output: at a baud rate, 10 bits per byte, one byte after the other;
// without one, every byte at once.
#include "hilfen.h"
#include "tools/trackersim/sendeplan.h"

#include <gtest/gtest.h>

namespace trackersim::test {
namespace {

TEST(Sendeplan, OhneBaudrateIstAllesSofortFaellig) {
    Sendeplan p;
    p.Anhaengen(Bytes(46, 0x11), S(5));
    EXPECT_EQ(p.Naechste(), S(5));
    EXPECT_EQ(p.Faellig(S(5)).size(), 46u);
    EXPECT_FALSE(p.Naechste().has_value());
}

// A response of n bytes takes n * 10 / baud seconds, however large n is: the due times are
// not rounded byte by byte.
TEST(Sendeplan, JedesByteBrauchtZehnBitzeiten) {
    for (const unsigned baud : {1200u, 4800u, 9600u, 115200u}) {
        for (const std::size_t n : {1u, 8u, 46u, 1000u}) {
            Sendeplan p(baud);
            const Zeit beginn = S(3);
            Bytes bytes(n);
            for (std::size_t i = 0; i < n; ++i)
                bytes[i] = static_cast<std::uint8_t>(i);
            p.Anhaengen(bytes, beginn);
            const Zeit dauer{static_cast<Zeit::rep>(n * 10 * 1'000'000 / baud)};
            EXPECT_EQ(p.Faellig(beginn + p.Bytedauer() - Zeit{1}), Bytes{}) << baud << " " << n;
            // The bytes come in order, none before its time.
            Bytes bisher = p.Faellig(beginn + dauer / 2);
            EXPECT_NEAR(double(bisher.size()), n / 2.0, 1.0) << baud << " " << n;
            EXPECT_EQ(p.Faellig(beginn + dauer - Zeit{2}).size() + bisher.size(), n - 1)
                << baud << " " << n;
            ASSERT_TRUE(p.Naechste().has_value());
            EXPECT_LE(*p.Naechste(), beginn + dauer);
            EXPECT_GE(*p.Naechste(), beginn + dauer - Zeit{1});
            EXPECT_EQ(p.Faellig(beginn + dauer).size(), 1u);
        }
    }
}

TEST(Sendeplan, WasWaehrendDesSendensKommtWartetDahinter) {
    Sendeplan p(4800);
    p.Anhaengen(Bytes(10, 0xAA), S(0));
    p.Anhaengen(Bytes(10, 0xBB), S(0.001)); // the line is still busy with the first
    const Zeit zwanzigBytes{20 * 10 * 1'000'000 / 4800};
    const Bytes alles = p.Faellig(zwanzigBytes);
    ASSERT_EQ(alles.size(), 20u);
    EXPECT_EQ(alles[9], 0xAA);
    EXPECT_EQ(alles[10], 0xBB);
    EXPECT_FALSE(p.Naechste().has_value());
    // After a pause the line is idle: the next byte takes one byte time from its hand-over.
    p.Anhaengen(Bytes{0xCC}, S(1));
    EXPECT_EQ(p.Faellig(S(1) + p.Bytedauer() - Zeit{1}), Bytes{});
    EXPECT_EQ(p.Faellig(S(1) + p.Bytedauer()), Bytes{0xCC});
}

} // namespace
} // namespace trackersim::test
