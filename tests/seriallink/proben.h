#pragma once
// Bytes and settings the link's tests share: the controller's status response, the same
// response with a wrong checksum, joining byte strings, and the line's usual settings.
#include "seriallink/porteinstellungen.h"
#include "seriallink/rahmen.h"

inline const rahmen::Bytes Status =
    rahmen::Antwort(9, rahmen::Bytes{0x21, 0x10, 0x00}); // 55 09 03 21 10 00 93 E5
inline const rahmen::Bytes StatusFalsch{0x55, 0x09, 0x03, 0x21, 0x10, 0x00, 0x94, 0xE5};

inline rahmen::Bytes operator+(rahmen::Bytes a, const rahmen::Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// 4800 baud, 8 data bits, no parity, one stop bit, no handshake.
inline Porteinstellungen Standard() {
    Porteinstellungen e;
    WendeEinstellstringAn(e, "baud=4800 parity=N data=8 stop=1");
    return e;
}
