#pragma once
// The faults the simulated device can be told to show, so that the application's handling of
// a bad line can be seen and tested. Numbered faults name the event they hit, counted from 1
// since the simulator started:
//   FalschePruefsumme  the k-th response leaves with its checksum one too high (controller);
//   Startbyte          a lone start byte 0x55 goes before the k-th response (controller): a
//                      receiver takes it for a frame's beginning;
//   Stille             the k-th request (bootloader: the k-th frame) is lost on the line: it is
//                      not acted on and not answered;
//   NotAkn             the bootloader answers its k-th frame "NotAKN" and does not write it;
//   AknLeerzeichen     the bootloader writes its k-th frame and answers "AKN " (a blank too
//                      many), which is no acknowledgement.
// Bootloader frames are counted without the erase request, so frame k carries image line k
// (or a repetition). Noise and a random NotAKN rate are not numbered.
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace trackersim {

enum class Stoerung { FalschePruefsumme, Startbyte, Stille, NotAkn, AknLeerzeichen };

struct Stoerplan {
    std::map<Stoerung, std::set<unsigned>> bei;
    // Bytes of noise before every response (bootloader: a line of noise before every reply).
    unsigned rauschen = 0;
    // Probability that a bootloader frame is answered "NotAKN", 0 ... 1.
    double notAknRate = 0;
    std::uint32_t seed = 1;

    bool Trifft(Stoerung s, unsigned nummer) const {
        const auto it = bei.find(s);
        return it != bei.end() && it->second.count(nummer) != 0;
    }
};

// Random bytes for the noise and the NotAKN rate, repeatable through the seed.
class Zufall {
public:
    explicit Zufall(std::uint32_t seed) : gen_(seed) {}
    // Noise never holds a response's start byte 0x55 nor the line end 0x0D: it must show the
    // application skipping bytes, not swallow the response or split the reply behind it.
    std::vector<std::uint8_t> Rauschen(unsigned anzahl);
    bool Wahr(double wahrscheinlichkeit);

private:
    std::mt19937 gen_;
};

} // namespace trackersim
