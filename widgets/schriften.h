#pragma once
// The faces the windows and the scene are laid out for. Their layouts were drawn with the
// Windows faces "MS Sans Serif" and "Tahoma" at 8 points and "System" at 13 pixels, which
// Linux does not have; the generic sans-serif face that stands in for them (DejaVu Sans) is
// 15 to 20 percent wider and runs texts out of the room they were given. Liberation Sans has
// the widths of Arial, Liberation Sans Narrow those of Arial Narrow (package fonts-liberation).
#include <QFont>

namespace schriften {

// Windows: Liberation Sans at 11 pixels, the size of an 8-point face at 96 dpi. "MS Sans
// Serif" and "Tahoma" are plain sans-serif faces of nearly Arial's widths. Pixels rather than
// points, since the dialogs place their controls at fixed pixel positions.
QFont Fenster();

// Texts of the scene: Liberation Sans Narrow at 13 pixels. The compass labels have little
// room: "W=270°" stands between the box edge and the travel-range disc (39 pixels), "O=90°"
// between the disc and the right edge (40). Liberation Sans needs 47 pixels for "W=270°",
// the narrow face 39.
QFont Szene();

// The family names, for tests that check they are really installed and not replaced.
inline constexpr const char* FensterFamilie = "Liberation Sans";
inline constexpr const char* SzenenFamilie = "Liberation Sans Narrow";

} // namespace schriften
