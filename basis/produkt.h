#pragma once
// The application's name: the main window's caption, the caption of its message boxes, the
// application name and the version block's "ProductName".
#include <QString>

namespace produkt {

inline constexpr char Name[] = "Heliowendler-Simulation";
inline QString Titel() {
    return QString::fromLatin1(Name);
}

} // namespace produkt
