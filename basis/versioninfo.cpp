#include "basis/versioninfo.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace versionsblock {

namespace {

using Bytes = std::span<const unsigned char>;

std::uint64_t LE(Bytes b, std::size_t at, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = n; i-- > 0;)
        v = v << 8 | b[at + i];
    return v;
}

constexpr std::size_t Aufgerundet(std::size_t n) {
    return (n + 3) / 4 * 4;
}

bool GleicherSchluessel(std::string_view a, std::string_view b) {
    auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return klein(x) == klein(y); });
}

struct Knoten {
    std::string_view schluessel;
    Bytes wert;
    std::size_t kinder = 0; // offset of the first child
    std::size_t ende = 0;   // offset behind the node
};

// The node at offset start, which must end by grenze; nothing when it does not fit.
std::optional<Knoten> LiesKnoten(Bytes block, std::size_t start, std::size_t grenze) {
    if (grenze > block.size() || start > grenze || grenze - start < 6) return std::nullopt;
    const std::size_t laenge = LE(block, start, 2);
    const std::size_t wertLaenge = LE(block, start + 2, 2);
    if (laenge < 6 || laenge > grenze - start) return std::nullopt;
    const std::size_t ende = start + laenge;

    const auto* anfang = block.data() + start + 6;
    const auto* nul = std::find(anfang, block.data() + ende, 0);
    if (nul == block.data() + ende) return std::nullopt;
    Knoten k;
    k.schluessel = std::string_view(reinterpret_cast<const char*>(anfang), nul - anfang);
    const std::size_t wert = Aufgerundet(start + 6 + k.schluessel.size() + 1);
    if (wert > ende || wertLaenge > ende - wert) return std::nullopt;
    k.wert = block.subspan(wert, wertLaenge);
    k.kinder = std::min(Aufgerundet(wert + wertLaenge), ende);
    k.ende = ende;
    return k;
}

} // namespace

std::optional<Bytes> Wert(Bytes block, std::string_view pfad) {
    auto knoten = LiesKnoten(block, 0, block.size()); // the section may carry padding behind
    if (!knoten || !GleicherSchluessel(knoten->schluessel, Wurzel)) return std::nullopt;
    while (!pfad.empty()) {
        if (pfad.front() == '\\') {
            pfad.remove_prefix(1);
            continue;
        }
        const std::string_view name = pfad.substr(0, pfad.find('\\'));
        pfad.remove_prefix(name.size());
        std::optional<Knoten> kind;
        // Each child lies behind the previous one, so the walk ends after the parent.
        for (std::size_t at = knoten->kinder; at < knoten->ende; at = Aufgerundet(kind->ende)) {
            kind = LiesKnoten(block, at, knoten->ende);
            if (!kind) return std::nullopt;
            if (GleicherSchluessel(kind->schluessel, name)) break;
        }
        if (!kind || !GleicherSchluessel(kind->schluessel, name)) return std::nullopt;
        knoten = kind;
    }
    return knoten->wert;
}

std::optional<std::string> Text(Bytes block, std::string_view pfad) {
    const auto wert = Wert(block, pfad);
    if (!wert) return std::nullopt;
    const auto nul = std::find(wert->begin(), wert->end(), 0);
    return std::string(wert->begin(), nul);
}

namespace {

// Reads from a file with every offset and length checked against its size first.
class Datei {
public:
    explicit Datei(const std::string& pfad) : in_(pfad, std::ios::binary) {
        if (!in_) return;
        in_.seekg(0, std::ios::end);
        const auto groesse = in_.tellg();
        if (!in_ || groesse < 0) return;
        groesse_ = static_cast<std::uint64_t>(groesse);
        ok_ = true;
    }
    std::uint64_t Groesse() const { return ok_ ? groesse_ : 0; }
    bool Lies(std::uint64_t at, std::uint64_t n, std::vector<unsigned char>& ziel) {
        if (!ok_ || at > groesse_ || n > groesse_ - at) return false;
        ziel.resize(static_cast<std::size_t>(n));
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(at));
        in_.read(reinterpret_cast<char*>(ziel.data()), static_cast<std::streamsize>(n));
        return in_ && static_cast<std::uint64_t>(in_.gcount()) == n;
    }

private:
    std::ifstream in_;
    std::uint64_t groesse_ = 0;
    bool ok_ = false;
};

constexpr std::uint64_t ElfKopf = 64;
constexpr std::uint64_t AbschnittsKopf = 64; // Elf64_Shdr
constexpr std::uint32_t ShtNobits = 8;
constexpr std::uint16_t ShnXindex = 0xffff;
// The version block and the table of section names are small; refuse anything larger.
constexpr std::uint64_t MaxAbschnitt = 1u << 16;
constexpr std::uint64_t MaxNamenstabelle = 1u << 20;
constexpr std::uint64_t MaxKopftabelle = 1u << 24;

struct Abschnittskopf {
    std::uint32_t name, typ, link;
    std::uint64_t offset, groesse;
};

Abschnittskopf Kopf(Bytes k) {
    return {static_cast<std::uint32_t>(LE(k, 0, 4)), static_cast<std::uint32_t>(LE(k, 4, 4)),
            static_cast<std::uint32_t>(LE(k, 40, 4)), LE(k, 24, 8), LE(k, 32, 8)};
}

bool LiesInhalt(Datei& d, const Abschnittskopf& k, std::uint64_t max,
                std::vector<unsigned char>& ziel) {
    return k.typ != ShtNobits && k.groesse <= max && d.Lies(k.offset, k.groesse, ziel);
}

} // namespace

std::vector<unsigned char> LiesElfAbschnitt(const std::string& pfad, std::string_view name) {
    Datei d(pfad);
    std::vector<unsigned char> kopf;
    if (!d.Lies(0, ElfKopf, kopf)) return {};
    const bool elf64le = kopf[0] == 0x7f && kopf[1] == 'E' && kopf[2] == 'L' && kopf[3] == 'F' &&
                         kopf[4] == 2 && kopf[5] == 1;
    if (!elf64le) return {};
    const std::uint64_t shoff = LE(kopf, 0x28, 8);
    const std::uint64_t shentsize = LE(kopf, 0x3a, 2);
    std::uint64_t shnum = LE(kopf, 0x3c, 2);
    std::uint64_t shstrndx = LE(kopf, 0x3e, 2);
    if (shoff == 0 || shentsize < AbschnittsKopf) return {};

    // Many sections: the counts move into the first section header.
    std::vector<unsigned char> erster;
    if (!d.Lies(shoff, AbschnittsKopf, erster)) return {};
    if (shnum == 0) shnum = Kopf(erster).groesse;
    if (shstrndx == ShnXindex) shstrndx = Kopf(erster).link;
    if (shnum == 0 || shnum > (d.Groesse() - shoff) / shentsize || shstrndx >= shnum) return {};

    if (shnum * shentsize > MaxKopftabelle) return {};
    std::vector<unsigned char> tabelle;
    if (!d.Lies(shoff, shnum * shentsize, tabelle)) return {};
    auto kopfNr = [&](std::uint64_t i) {
        return Kopf(
            Bytes(tabelle).subspan(static_cast<std::size_t>(i * shentsize), AbschnittsKopf));
    };
    std::vector<unsigned char> namen;
    if (!LiesInhalt(d, kopfNr(shstrndx), MaxNamenstabelle, namen)) return {};

    for (std::uint64_t i = 0; i < shnum; ++i) {
        const Abschnittskopf k = kopfNr(i);
        if (k.name >= namen.size()) continue;
        const unsigned char* anfang = namen.data() + k.name;
        const unsigned char* nul = std::find(anfang, anfang + (namen.size() - k.name), 0);
        if (nul == namen.data() + namen.size()) continue;
        if (std::string_view(reinterpret_cast<const char*>(anfang), nul - anfang) != name) continue;
        std::vector<unsigned char> inhalt;
        if (!LiesInhalt(d, k, MaxAbschnitt, inhalt)) return {};
        return inhalt;
    }
    return {};
}

} // namespace versionsblock

MyVersionInfo::MyVersionInfo(const std::string& programm) {
    std::vector<unsigned char> daten =
        versionsblock::LiesElfAbschnitt(programm, versionsblock::Abschnitt);
    const auto tr = versionsblock::Wert(daten, "\\VarFileInfo\\Translation");
    if (!tr || tr->size() < 4) return;
    uebersetzung_ = static_cast<std::uint32_t>((*tr)[0] | (*tr)[1] << 8) << 16 |
                    static_cast<std::uint32_t>((*tr)[2] | (*tr)[3] << 8);
    daten_ = std::move(daten);
}

MyVersionInfo::~MyVersionInfo() = default;

std::optional<std::string> MyVersionInfo::Abfrage(std::string_view name) const {
    if (daten_.empty()) return std::nullopt;
    char tabelle[16];
    std::snprintf(tabelle, sizeof tabelle, "%08lx", static_cast<unsigned long>(uebersetzung_));
    const std::string pfad = "\\StringFileInfo\\" + std::string(tabelle) + "\\" + std::string(name);
    return versionsblock::Text(daten_, pfad);
}

std::string VersionsText(std::string_view dateiversion) {
    std::string_view version = dateiversion;
    std::string_view build;
    for (std::size_t i = dateiversion.size(); i-- > 1;) {
        if (dateiversion[i] == '.') {
            version = dateiversion.substr(0, i);
            build = dateiversion.substr(i + 1);
            break;
        }
    }
    // The third field of the pattern is always empty; its blank stays.
    return std::string(version) + " (Build " + std::string(build) + ") ";
}
