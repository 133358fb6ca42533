#pragma once
// The port settings record: what the interface dialog fills and the port layer applies.
// Member names and codes follow the serial settings record the controller's service tools
// have always exchanged (a DCB), so the dialog's rules read the same here.
#include <cstdint>
#include <string_view>

struct Porteinstellungen {
    // Codes of the handshake members.
    static constexpr std::uint8_t RtsDisable = 0, RtsEnable = 1, RtsHandshake = 2;
    static constexpr std::uint8_t DtrDisable = 0, DtrEnable = 1, DtrHandshake = 2;
    // Codes of Parity and StopBits.
    static constexpr std::uint8_t KeineParitaet = 0, Ungerade = 1, Gerade = 2, Mark = 3, Space = 4;
    static constexpr std::uint8_t EinStopbit = 0, AnderthalbStopbits = 1, ZweiStopbits = 2;

    std::uint32_t BaudRate = 0;
    std::uint8_t ByteSize = 0; // 5 ... 8
    std::uint8_t Parity = KeineParitaet;
    std::uint8_t StopBits = EinStopbit;
    bool fBinary = false;
    bool fParity = false;
    bool fOutxCtsFlow = false;
    std::uint8_t fRtsControl = RtsDisable;
    bool fOutxDsrFlow = false;
    std::uint8_t fDtrControl = DtrDisable;
    bool fOutX = false, fInX = false;
    char XonChar = 0x11, XoffChar = 0x13;
    bool fAbortOnError = false;

    friend bool operator==(const Porteinstellungen&, const Porteinstellungen&) = default;
};

// Applies a setting string such as "baud=38400 parity=N data=8 stop=1" to the record, as the
// classic mode strings do: the named members take the given values, and the members the
// string does not name are reset to binary 8-bit transfer without flow control. Returns false
// (record unchanged) when a part is not understood.
bool WendeEinstellstringAn(Porteinstellungen& r, std::string_view text);
