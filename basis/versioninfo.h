#pragma once
// The application's version information, read from its own executable file.
//
// The build puts a version block into the ELF section ".hwversion" of the application
// (cmake/Versionsblock.cmake); other programs, the tests among them, have none. The block is a
// tree of nodes in the manner of a version resource. All integers are little-endian and all
// offsets count from the start of the block:
//
//   u16 laenge      bytes of the node from its start to the end of its last child
//   u16 wertLaenge  bytes of the value (a text value counts its closing NUL)
//   u16 typ         0: binary value, 1: text value
//   key             ASCII, closed by NUL, then zero bytes up to a multiple of 4
//   value           wertLaenge bytes, then zero bytes up to a multiple of 4
//   children        nodes, each starting at a multiple of 4
//
// The tree the build writes:
//
//   "HW_VERSION_INFO"                     root, no value
//     "StringFileInfo"
//       "040704e4"                         language and code page as eight hex digits
//         "FileVersion"    = "2.0.0.2"     texts
//         "ProductVersion" = "2.0.0.0"
//         ...
//     "VarFileInfo"
//       "Translation"    = 07 04 e4 04     u16 language, u16 code page
//
// A value is found by its path of keys, "\StringFileInfo\040704e4\FileVersion"; keys compare
// without regard to ASCII case.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace versionsblock {

inline constexpr char Abschnitt[] = ".hwversion";
inline constexpr char Wurzel[] = "HW_VERSION_INFO";

struct Eintrag {
    std::string_view schluessel;
    std::string_view wert;
};

// Writes the block for one translation into out, or only measures it when out is null.
// Returns its size. constexpr so that the build can place the finished bytes in a section.
constexpr std::size_t Schreibe(unsigned char* out, std::uint16_t sprache, std::uint16_t codepage,
                               std::span<const Eintrag> eintraege) {
    struct Schreiber {
        unsigned char* out;
        std::size_t pos = 0;
        constexpr void Byte(unsigned v) {
            if (out) out[pos] = static_cast<unsigned char>(v & 0xffu);
            ++pos;
        }
        constexpr void Wort(unsigned v) {
            Byte(v);
            Byte(v >> 8);
        }
        constexpr void Text(std::string_view s) {
            for (char c : s)
                Byte(static_cast<unsigned char>(c));
            Byte(0);
        }
        constexpr void Ausrichten() {
            while (pos % 4 != 0)
                Byte(0);
        }
        constexpr std::size_t Beginne(std::string_view key, std::size_t wertLaenge, unsigned typ) {
            const std::size_t start = pos;
            Wort(0); // length, known at Ende()
            Wort(static_cast<unsigned>(wertLaenge));
            Wort(typ);
            Text(key);
            Ausrichten();
            return start;
        }
        constexpr void Ende(std::size_t start) {
            Ausrichten();
            const std::size_t laenge = pos - start;
            if (laenge > 0xffff) throw "version block too large";
            if (out) {
                out[start] = static_cast<unsigned char>(laenge & 0xffu);
                out[start + 1] = static_cast<unsigned char>(laenge >> 8);
            }
        }
    } s{out};

    char tabelle[9] = {};
    const std::uint32_t uebersetzung = std::uint32_t{sprache} << 16 | codepage;
    for (int i = 0; i < 8; ++i)
        tabelle[i] = "0123456789abcdef"[(uebersetzung >> (28 - 4 * i)) & 0xfu];

    const std::size_t wurzel = s.Beginne(Wurzel, 0, 0);
    const std::size_t sfi = s.Beginne("StringFileInfo", 0, 1);
    const std::size_t tab = s.Beginne(std::string_view(tabelle, 8), 0, 1);
    for (const Eintrag& e : eintraege) {
        const std::size_t k = s.Beginne(e.schluessel, e.wert.size() + 1, 1);
        s.Text(e.wert);
        s.Ende(k);
    }
    s.Ende(tab);
    s.Ende(sfi);
    const std::size_t vfi = s.Beginne("VarFileInfo", 0, 1);
    const std::size_t tr = s.Beginne("Translation", 4, 0);
    s.Wort(sprache);
    s.Wort(codepage);
    s.Ende(tr);
    s.Ende(vfi);
    s.Ende(wurzel);
    return s.pos;
}

template <std::size_t N> struct Block { unsigned char daten[N]; };

template <std::size_t N>
constexpr Block<N> Baue(std::uint16_t sprache, std::uint16_t codepage,
                        std::span<const Eintrag> eintraege) {
    Block<N> b{};
    if (Schreibe(b.daten, sprache, codepage, eintraege) != N) throw "size does not match";
    return b;
}

// The bytes of the value at pfad ("\VarFileInfo\Translation"; "\" is the root's value).
// Nothing when the path is missing or the block is damaged; never reads outside the block.
std::optional<std::span<const unsigned char>> Wert(std::span<const unsigned char> block,
                                                   std::string_view pfad);
// A text value, up to its first NUL.
std::optional<std::string> Text(std::span<const unsigned char> block, std::string_view pfad);

// The contents of the named section of a 64-bit little-endian ELF file. Empty when the file
// cannot be read, is no such file, lacks the section or contradicts itself anywhere.
std::vector<unsigned char> LiesElfAbschnitt(const std::string& pfad, std::string_view name);

} // namespace versionsblock

class MyVersionInfo {
public:
    static constexpr const char* EigenesProgramm = "/proc/self/exe";

    // Reads the version block of the executable at programm.
    explicit MyVersionInfo(const std::string& programm = EigenesProgramm);
    virtual ~MyVersionInfo();

    bool HatDaten() const { return !daten_.empty(); }
    // Language * 65536 + code page of the first translation; 0 without version data.
    std::uint32_t Uebersetzung() const { return uebersetzung_; }
    // The text under "\StringFileInfo\%08lx\%s" for the first translation and name.
    std::optional<std::string> Abfrage(std::string_view name) const;
    std::optional<std::string> Dateiversion() const { return Abfrage("FileVersion"); }

private:
    std::uint32_t uebersetzung_ = 0;
    std::vector<unsigned char> daten_; // empty: no version data
};

// "%s (Build %s) %s": the version cut at its last dot (the first character is never taken
// for it), the build number after that dot, and an empty text, so the result ends in a blank.
std::string VersionsText(std::string_view dateiversion);
