#pragma once
// The simulator's side of the line: a pseudo-terminal whose slave the application opens like a
// serial port, a symlink with a fixed name to it, and the flash dump file. Failures throw
// std::runtime_error with the system's message.
#include <cstdint>
#include <span>
#include <string>

namespace trackersim {

class Pseudoterminal {
public:
    Pseudoterminal();
    ~Pseudoterminal();
    Pseudoterminal(const Pseudoterminal&) = delete;
    Pseudoterminal& operator=(const Pseudoterminal&) = delete;

    int Master() const { return master_; }            // non-blocking
    const std::string& Pfad() const { return pfad_; } // the slave, e.g. /dev/pts/7

private:
    int master_ = -1;
    // Held open for the simulator's whole life: without it every close by the application would
    // hang up the master, and reads there would fail until the next open.
    int slave_ = -1;
    std::string pfad_;
};

// A symlink pfad -> ziel for as long as the object lives. An existing symlink at pfad is
// replaced (one left by a simulator that was killed); anything else there is refused. At the
// end the link is removed only while it still points to ziel, so a newer simulator's link with
// the same name stays.
class Verknuepfung {
public:
    Verknuepfung(std::string pfad, std::string ziel);
    ~Verknuepfung();
    Verknuepfung(const Verknuepfung&) = delete;
    Verknuepfung& operator=(const Verknuepfung&) = delete;

private:
    std::string pfad_, ziel_;
};

// Writes the bytes to a temporary file beside pfad and renames it over pfad, so a reader never
// sees half a dump.
void SchreibeDatei(const std::string& pfad, std::span<const std::uint8_t> bytes);

} // namespace trackersim
