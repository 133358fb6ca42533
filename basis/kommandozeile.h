#pragma once
// The programs' command lines, read one way: "--opt=wert" or "--opt wert" (so "--lam -14.48"
// takes the negative value), numbers with a point whatever the locale, each option at most
// once unless it says otherwise, words that are no option only where a program takes them.
// A program names its options in a table (name, what the value must be, how it is read); the
// reader says what went wrong with the option and the value, and the program ends with the
// exit code its help documents.
//
// Standard C++ only: heliowendler-calc's options and their tests build without Qt. The
// messages are marked for Qt's translation (context "Kommandozeile") and translated through
// the function a program sets (sprache::Text in the programs with Qt); German without one.
#include <charconv>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kommandozeile {

// Translates text in kontext. Empty: the German text as it stands.
using Uebersetzer = std::function<std::string(const char* kontext, const char* text)>;
inline Uebersetzer& Uebersetzung() {
    static Uebersetzer u;
    return u;
}

// The format with each placeholder %1 ... %99 replaced by that argument, in one pass: a
// placeholder inside an argument (a value the user typed, "--jahr %2") stays as it is, and so
// does one without an argument.
inline std::string Fuelle(std::string_view format, std::span<const std::string_view> argumente) {
    std::string t;
    t.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        std::size_t ende = i + 1, n = 0;
        // Up to two digits, as QString::arg reads them.
        while (format[i] == '%' && ende < format.size() && ende < i + 3 && format[ende] >= '0' &&
               format[ende] <= '9')
            n = 10 * n + static_cast<std::size_t>(format[ende++] - '0');
        if (ende > i + 1 && n >= 1 && n <= argumente.size()) {
            t += argumente[n - 1];
            i = ende - 1;
        } else {
            t += format[i];
        }
    }
    return t;
}

// The translated format filled with the arguments (Fuelle).
inline std::string Uebersetzt(const char* kontext, const char* format,
                              std::initializer_list<std::string_view> argumente = {}) {
    const std::string t = Uebersetzung() ? Uebersetzung()(kontext, format) : std::string(format);
    return Fuelle(t, std::span<const std::string_view>(argumente.begin(), argumente.size()));
}

// One option of a program. A switch has no `wert`; an option with a value reads it with
// `wert`, which returns false when the value is not what `erwartet` says (a text marked for
// the translation in the program's context, "eine Zahl von 0 bis 1000").
struct Option {
    std::string_view name{}; // without the dashes
    std::function<bool(std::string_view)> wert{};
    const char* erwartet = "";
    std::function<void()> schalter{};
    bool mehrfach = false; // may be given more than once (each value is read in turn)
    std::vector<std::string> erwartetWerte{}; // fill erwartet's %1, %2, ...
};
inline Option Schalter(std::string_view name, std::function<void()> an) {
    return {name, {}, "", std::move(an), false, {}};
}
inline Option Wert(std::string_view name, std::function<bool(std::string_view)> lies,
                   const char* erwartet, bool mehrfach = false) {
    return {name, std::move(lies), erwartet, {}, mehrfach, {}};
}

// What the reader does with the rest of the command line.
struct Regeln {
    const char* kontext = "Kommandozeile"; // of the options' `erwartet`
    // Words that are no option: collected for the program (a command, its arguments), or a
    // wrong call.
    bool woerter = false;
    // Options the table does not name: a wrong call, or left to someone else (the
    // application leaves Qt's own to Qt, which takes them with one dash or two).
    bool fremdeUebergehen = false;
};

// What the command line held besides the options' values.
struct Aufruf {
    std::vector<std::string> woerter; // in order
    std::vector<std::string> gegeben; // the names of the options given, in order
    bool Gegeben(std::string_view name) const {
        for (const std::string& g : gegeben)
            if (g == name) return true;
        return false;
    }
};

// Reads argv[1 ... argc-1]. On a wrong call returns false with a message naming the option or
// the value (translated); the options read until then keep their values.
inline bool Lies(int argc, const char* const* argv, std::span<const Option> optionen,
                 const Regeln& regeln, Aufruf& aufruf, std::string& fehler) {
    constexpr const char* K = "Kommandozeile";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, 2) != "--" || arg.size() == 2) {
            if (regeln.woerter || regeln.fremdeUebergehen) {
                aufruf.woerter.emplace_back(arg);
                continue;
            }
            fehler = Uebersetzt(K, QT_TRANSLATE_NOOP("Kommandozeile", "unerwartetes Argument '%1'"),
                                {arg});
            return false;
        }
        std::string_view name = arg.substr(2), wert;
        bool mitWert = false;
        if (const auto gleich = name.find('='); gleich != std::string_view::npos) {
            wert = name.substr(gleich + 1);
            name = name.substr(0, gleich);
            mitWert = true;
        }
        const std::string opt = "--" + std::string(name);
        const Option* o = nullptr;
        for (const Option& k : optionen)
            if (k.name == name) o = &k;
        if (!o) {
            if (regeln.fremdeUebergehen) continue;
            fehler =
                Uebersetzt(K, QT_TRANSLATE_NOOP("Kommandozeile", "unbekannte Option '%1'"), {opt});
            return false;
        }
        if (!o->mehrfach && aufruf.Gegeben(name)) {
            fehler = Uebersetzt(
                K, QT_TRANSLATE_NOOP("Kommandozeile", "Option '%1' ist mehr als einmal angegeben"),
                {opt});
            return false;
        }
        aufruf.gegeben.emplace_back(name);
        if (!o->wert) {
            if (mitWert) {
                fehler = Uebersetzt(
                    K, QT_TRANSLATE_NOOP("Kommandozeile", "Option '%1' nimmt keinen Wert"), {opt});
                return false;
            }
            if (o->schalter) o->schalter();
            continue;
        }
        if (!mitWert) {
            if (i + 1 >= argc) {
                fehler = Uebersetzt(
                    K, QT_TRANSLATE_NOOP("Kommandozeile", "Option '%1' braucht einen Wert"), {opt});
                return false;
            }
            wert = argv[++i];
        }
        if (!o->wert(wert)) {
            std::vector<std::string_view> werte(o->erwartetWerte.begin(), o->erwartetWerte.end());
            const std::string erwartet = Fuelle(Uebersetzt(regeln.kontext, o->erwartet), werte);
            fehler = Uebersetzt(K, QT_TRANSLATE_NOOP("Kommandozeile", "'%1' ist für %2 nicht %3"),
                                {wert, opt, erwartet});
            return false;
        }
    }
    return true;
}

// --- Values -------------------------------------------------------------------------------

// A whole number in decimal digits with an optional minus, between min and max.
template <typename T>
bool LeseGanzzahl(std::string_view text, long long min, long long max, T& wert) {
    long long v = 0;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, v);
    if (text.empty() || ec != std::errc() || p != ende || v < min || v > max) return false;
    wert = static_cast<T>(v);
    return true;
}

// A finite decimal number with a point (an exponent allowed), between min and max.
inline bool LeseZahl(std::string_view text, double min, double max, double& wert) {
    double v = 0;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, v, std::chars_format::general);
    if (text.empty() || ec != std::errc() || p != ende || !std::isfinite(v) || v < min || v > max)
        return false;
    wert = v;
    return true;
}

// Readers for an Option's `wert`.
template <typename T>
std::function<bool(std::string_view)> Ganzzahl(T& ziel, long long min, long long max) {
    return [&ziel, min, max](std::string_view w) { return LeseGanzzahl(w, min, max, ziel); };
}
inline std::function<bool(std::string_view)> Zahl(double& ziel, double min, double max) {
    return [&ziel, min, max](std::string_view w) { return LeseZahl(w, min, max, ziel); };
}
// A text that is not empty.
inline std::function<bool(std::string_view)> Text(std::string& ziel) {
    return [&ziel](std::string_view w) {
        ziel = w;
        return !w.empty();
    };
}
// Each value appended (with mehrfach).
inline std::function<bool(std::string_view)> Liste(std::vector<std::string>& ziel) {
    return [&ziel](std::string_view w) {
        ziel.emplace_back(w);
        return !w.empty();
    };
}

} // namespace kommandozeile
