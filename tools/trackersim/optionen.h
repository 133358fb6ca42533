#pragma once
// Command line of trackersim. "--opt=wert" and "--opt wert" are both accepted.
#include "tools/trackersim/bootloader.h"
#include "tools/trackersim/steuerung.h"

#include <string>

namespace trackersim {

struct Optionen {
    bool hilfe = false;
    bool bootloader = false;
    std::string link;        // symlink to create to the device, empty: none
    std::string flashDump;   // file the flash is written to, empty: none
    unsigned baud = 0;       // pacing of what the device sends, 0: none
    unsigned rxBaud = 0;     // pacing of what it receives, 0: none
    bool protokoll = false;  // the bootloader's frames and replies to stderr
    bool uhrGesetzt = false; // --clock given; otherwise the clock starts at the present time
    unsigned flutAb = 0;     // the flood of status responses begins this many seconds in
    unsigned flut = 0;       // and lasts this many seconds, 0: no flood
    bool flutFalsch = false; // the flood's responses carry a wrong checksum
    SteuerungsEinstellungen steuerung;
    BootloaderEinstellungen bootloaderEinstellungen;
};

std::string Hilfetext();

// Reads argv[1 ... argc-1] into o (the fault plan into both devices' settings). On failure
// returns false with a message naming the option or the value.
bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler);

} // namespace trackersim
