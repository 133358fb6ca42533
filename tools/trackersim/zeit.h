#pragma once
// The simulator's monotonic time: since its start, in microseconds (a byte at 4800 baud
// lasts 2083 us). The device logic is handed the time by its caller, so tests drive it.
#include <chrono>

namespace trackersim {

using Zeit = std::chrono::microseconds;

inline double Sekunden(Zeit t) {
    return std::chrono::duration<double>(t).count();
}

} // namespace trackersim
