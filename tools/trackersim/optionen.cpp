#include "tools/trackersim/optionen.h"

#include "basis/sprache.h"

#include <QCoreApplication>
#include <charconv>
#include <chrono>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <set>
#include <string_view>
#include <system_error>

namespace trackersim {

namespace {

// The translated format (the messages' locale decides) with %1, %2, ... replaced in order.
std::string Text(const char* format, std::initializer_list<std::string_view> argumente = {}) {
    return sprache::Text("trackersim", format, argumente);
}

template <typename T> bool LeseZahl(std::string_view text, T& wert) {
    const char* ende = text.data() + text.size();
    T v{};
    const auto [p, ec] = std::from_chars(text.data(), ende, v);
    if (text.empty() || ec != std::errc() || p != ende) return false;
    wert = v;
    return true;
}

bool LeseGanzzahl(std::string_view text, unsigned long long min, unsigned long long max,
                  unsigned long long& wert) {
    return LeseZahl(text, wert) && wert >= min && wert <= max;
}

// "N,M,...": numbers from 1 on.
bool LeseListe(std::string_view text, std::set<unsigned>& liste) {
    if (text.empty()) return false;
    for (;;) {
        const auto komma = text.find(',');
        unsigned long long n = 0;
        if (!LeseGanzzahl(text.substr(0, komma), 1, 0xFFFFFFFFu, n)) return false;
        liste.insert(static_cast<unsigned>(n));
        if (komma == std::string_view::npos) return true;
        text.remove_prefix(komma + 1);
    }
}

// A text the device sends: printable ASCII, so it cannot end a bootloader line early.
bool LeseText(std::string_view text, std::string& wert) {
    if (text.empty() || text.size() > 64) return false;
    for (const char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    wert = text;
    return true;
}

// "JJJJ-MM-TTTHH:MM:SS" (or a blank instead of the T), UTC.
bool LeseUhr(std::string_view text, std::int64_t& wert) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != ' ') || text[13] != ':' || text[16] != ':')
        return false;
    int j = 0, mo = 0, t = 0, h = 0, mi = 0, s = 0;
    if (!LeseZahl(text.substr(0, 4), j) || !LeseZahl(text.substr(5, 2), mo) ||
        !LeseZahl(text.substr(8, 2), t) || !LeseZahl(text.substr(11, 2), h) ||
        !LeseZahl(text.substr(14, 2), mi) || !LeseZahl(text.substr(17, 2), s))
        return false;
    using namespace std::chrono;
    const year_month_day ymd{year{j}, month{static_cast<unsigned>(mo)},
                             day{static_cast<unsigned>(t)}};
    if (!ymd.ok() || h > 23 || mi > 59 || s > 59) return false;
    wert = UtcSekunden(j, static_cast<unsigned>(mo), static_cast<unsigned>(t), h, mi, s);
    return true;
}

} // namespace

std::string Hilfetext() {
    return Text(QT_TRANSLATE_NOOP(
        "trackersim",
        "Aufruf: trackersim [Optionen]\n"
        "Spielt die Trackersteuerung oder ihren Bootloader an einem Pseudo-Terminal. Gibt\n"
        "den Pfad des Geraets als eine Zeile aus und laeuft bis SIGINT oder SIGTERM.\n"
        "--opt=wert oder --opt wert; Zahlen mit Punkt.\n"
        "  --link PFAD                 symbolischer Link PFAD -> Geraet; ersetzt einen alten\n"
        "                              Link, nie eine Datei; beim Ende entfernt\n"
        "  --baud N                    sendet im Takt von N Baud, 10 Bit je Byte\n"
        "                              (ohne: so schnell wie das Pseudo-Terminal)\n"
        "  --rx-baud N                 nimmt die Bytes der Anwendung im Takt von N Baud an,\n"
        "                              wie eine Leitung sie liefert (ohne: sofort)\n"
        "Steuerung (Standard):\n"
        "  --version TEXT              Versionstext der Antwort auf \"GET Info\" (01.20)\n"
        "  --clock JJJJ-MM-TTTHH:MM:SS Uhr (UTC) beim Start (ohne: jetzt)\n"
        "  --speedup F                 Uhr, Tracking und Motor laufen F-mal so schnell (1)\n"
        "  --ack-set                   beantwortet SET-Anfragen mit dem Status\n"
        "                              (ohne: SET-Anfragen bleiben unbeantwortet)\n"
        "  --param-falsch              speichert \"SET Parameter\" mit einer um 1 cm\n"
        "                              groesseren Modulhoehe (Fehler beim Zuruecklesen)\n"
        "Bootloader:\n"
        "  --bootloader                spielt den Bootloader statt der Steuerung\n"
        "  --bootloader-version TEXT   Zeile beim Einschalten (Bootloader V1.00)\n"
        "  --flash-dump DATEI          schreibt den Flash (64 KiB) beim Ende und bei\n"
        "                              SIGUSR1 nach DATEI\n"
        "  --notakn N,M,...            \"NotAKN\" auf die Rahmen N, M (ab 1, ohne Loeschen)\n"
        "  --notakn-rate P             \"NotAKN\" mit der Wahrscheinlichkeit P (0 bis 1)\n"
        "  --akn-blank N,M,...         schreibt die Rahmen N, M und antwortet \"AKN \" (mit\n"
        "                              Leerzeichen am Ende, also keine Quittung)\n"
        "  --early-akn                 antwortet beim Loeschen \"AKN\" vor \"Flash clear OK\"\n"
        "  --slow-erase MS             meldet \"Flash clear OK\" erst MS Millisekunden nach\n"
        "                              \"Flash clear start\" (ein langsames Loeschen)\n"
        "  --log                       jeder Rahmen und seine Antwort als Zeile nach stderr\n"
        "Stoerungen:\n"
        "  --bad-checksum N,M,...      falsche Pruefsumme in den Antworten N, M (ab 1)\n"
        "  --noise N                   N Stoerbytes vor jeder Antwort (Bootloader: als\n"
        "                              eigene Zeile vor jeder Antwortzeile)\n"
        "  --silent N,M,...            Anfragen (Bootloader: Rahmen) N, M gehen verloren:\n"
        "                              nicht ausgefuehrt, nicht beantwortet\n"
        "  --seed N                    Startwert fuer --noise und --notakn-rate (1)\n"
        "  --flut S                    sendet S Sekunden lang gueltige Statusantworten so\n"
        "                              schnell, wie das Pseudo-Terminal sie nimmt (ein\n"
        "                              USB-Adapter, der die Baudrate nicht einhaelt);\n"
        "                              danach die Zeile \"Flut vorbei <ns>\" auf stdout,\n"
        "                              sobald das letzte Byte der Flut uebergeben ist\n"
        "                              (ns: CLOCK_MONOTONIC in Nanosekunden)\n"
        "  --flut-ab S                 die Flut beginnt S Sekunden nach dem Start (0)\n"
        "  --flut-falsch               die Antworten der Flut tragen eine falsche\n"
        "                              Pruefsumme\n"
        "  --help                      diese Hilfe\n"
        "Signale: SIGUSR1 schreibt den Flash (--flash-dump); SIGUSR2 schaltet den\n"
        "Bootloader neu ein (er meldet seine Version).\n"
        "Ende: 0 nach SIGINT oder SIGTERM, 1 Fehler beim Lauf, 2 falscher Aufruf.\n"));
}

bool LeseOptionen(int argc, const char* const* argv, Optionen& o, std::string& fehler) {
    Stoerplan plan;
    bool notaknGegeben = false;
    std::string nurBootloader; // an option the controller does not know
    // Each option with a value: its reader, and what the value must be when it fails.
    struct Wertoption {
        const char* name;
        const char* erwartet;
        std::function<bool(std::string_view)> lies;
    };
    const Wertoption wertoptionen[] = {
        {"link", QT_TRANSLATE_NOOP("trackersim", "ein Pfad"),
         [&](std::string_view w) {
             o.link = w;
             return !w.empty();
         }},
        {"flash-dump", QT_TRANSLATE_NOOP("trackersim", "ein Pfad"),
         [&](std::string_view w) {
             o.flashDump = w;
             return !w.empty();
         }},
        {"baud", QT_TRANSLATE_NOOP("trackersim", "eine Baudrate von 50 bis 4000000"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             return LeseGanzzahl(w, 50, 4'000'000, n) && (o.baud = unsigned(n), true);
         }},
        {"flut", QT_TRANSLATE_NOOP("trackersim", "eine Zahl von Sekunden von 1 bis 3600"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             return LeseGanzzahl(w, 1, 3600, n) && (o.flut = unsigned(n), true);
         }},
        {"flut-ab", QT_TRANSLATE_NOOP("trackersim", "eine Zahl von Sekunden von 0 bis 3600"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             return LeseGanzzahl(w, 0, 3600, n) && (o.flutAb = unsigned(n), true);
         }},
        {"rx-baud", QT_TRANSLATE_NOOP("trackersim", "eine Baudrate von 50 bis 4000000"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             return LeseGanzzahl(w, 50, 4'000'000, n) && (o.rxBaud = unsigned(n), true);
         }},
        {"version", QT_TRANSLATE_NOOP("trackersim", "ein Text aus 1 bis 64 druckbaren Zeichen"),
         [&](std::string_view w) { return LeseText(w, o.steuerung.version); }},
        {"bootloader-version",
         QT_TRANSLATE_NOOP("trackersim", "ein Text aus 1 bis 64 druckbaren Zeichen"),
         [&](std::string_view w) { return LeseText(w, o.bootloaderEinstellungen.version); }},
        {"clock", QT_TRANSLATE_NOOP("trackersim", "eine Zeit JJJJ-MM-TTTHH:MM:SS"),
         [&](std::string_view w) { return LeseUhr(w, o.steuerung.uhr) && (o.uhrGesetzt = true); }},
        {"speedup", QT_TRANSLATE_NOOP("trackersim", "eine Zahl von 0.001 bis 1000000"),
         [&](std::string_view w) {
             double f = 0;
             return LeseZahl(w, f) && f >= 0.001 && f <= 1e6 && (o.steuerung.zeitraffer = f, true);
         }},
        {"bad-checksum", QT_TRANSLATE_NOOP("trackersim", "eine Liste N,M,... von Zahlen ab 1"),
         [&](std::string_view w) { return LeseListe(w, plan.bei[Stoerung::FalschePruefsumme]); }},
        {"silent", QT_TRANSLATE_NOOP("trackersim", "eine Liste N,M,... von Zahlen ab 1"),
         [&](std::string_view w) { return LeseListe(w, plan.bei[Stoerung::Stille]); }},
        {"notakn", QT_TRANSLATE_NOOP("trackersim", "eine Liste N,M,... von Zahlen ab 1"),
         [&](std::string_view w) {
             notaknGegeben = true;
             return LeseListe(w, plan.bei[Stoerung::NotAkn]);
         }},
        {"akn-blank", QT_TRANSLATE_NOOP("trackersim", "eine Liste N,M,... von Zahlen ab 1"),
         [&](std::string_view w) {
             nurBootloader = "--akn-blank";
             return LeseListe(w, plan.bei[Stoerung::AknLeerzeichen]);
         }},
        {"notakn-rate", QT_TRANSLATE_NOOP("trackersim", "eine Wahrscheinlichkeit von 0 bis 1"),
         [&](std::string_view w) {
             double p = 0;
             notaknGegeben = true;
             return LeseZahl(w, p) && p >= 0 && p <= 1 && (plan.notAknRate = p, true);
         }},
        {"slow-erase",
         QT_TRANSLATE_NOOP("trackersim", "eine Zahl von Millisekunden von 1 bis 600000"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             nurBootloader = "--slow-erase";
             return LeseGanzzahl(w, 1, 600'000, n) &&
                    (o.bootloaderEinstellungen.loeschdauer = std::chrono::milliseconds(n), true);
         }},
        {"noise", QT_TRANSLATE_NOOP("trackersim", "eine Zahl von 0 bis 1000"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             return LeseGanzzahl(w, 0, 1000, n) && (plan.rauschen = unsigned(n), true);
         }},
        {"seed", QT_TRANSLATE_NOOP("trackersim", "eine Zahl von 0 bis 4294967295"),
         [&](std::string_view w) {
             unsigned long long n = 0;
             return LeseGanzzahl(w, 0, 0xFFFFFFFFu, n) && (plan.seed = std::uint32_t(n), true);
         }},
    };
    const std::pair<const char*, bool*> schalter[] = {
        {"help", &o.hilfe},
        {"bootloader", &o.bootloader},
        {"ack-set", &o.steuerung.quittieren},
        {"param-falsch", &o.steuerung.parameterVerfaelschen},
        {"early-akn", &o.bootloaderEinstellungen.fruehesAkn},
        {"log", &o.protokoll},
        {"flut-falsch", &o.flutFalsch},
    };

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, 2) != "--" || arg.size() == 2) {
            fehler = Text(QT_TRANSLATE_NOOP("trackersim", "unerwartetes Argument '%1'"), {arg});
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
        bool bekannt = false;
        for (const auto& [sname, ziel] : schalter) {
            if (name != sname) continue;
            if (mitWert) {
                fehler =
                    Text(QT_TRANSLATE_NOOP("trackersim", "Option '%1' nimmt keinen Wert"), {opt});
                return false;
            }
            *ziel = bekannt = true;
        }
        for (const Wertoption& w : wertoptionen) {
            if (name != w.name) continue;
            bekannt = true;
            if (!mitWert) {
                if (i + 1 >= argc) {
                    fehler = Text(QT_TRANSLATE_NOOP("trackersim", "Option '%1' braucht einen Wert"),
                                  {opt});
                    return false;
                }
                wert = argv[++i];
            }
            if (!w.lies(wert)) {
                fehler = Text(QT_TRANSLATE_NOOP("trackersim", "'%1' ist fuer %2 nicht %3"),
                              {wert, opt, Text(w.erwartet)});
                return false;
            }
        }
        if (!bekannt) {
            fehler = Text(QT_TRANSLATE_NOOP("trackersim", "unbekannte Option '%1'"), {opt});
            return false;
        }
    }
    if (o.hilfe) return true;
    if (o.flutFalsch && o.flut == 0) {
        fehler = Text(QT_TRANSLATE_NOOP("trackersim", "--flut-falsch gilt nur mit --flut"));
        return false;
    }
    if (!o.bootloader && (!o.flashDump.empty() || notaknGegeben)) {
        fehler = Text(QT_TRANSLATE_NOOP(
            "trackersim", "--flash-dump, --notakn und --notakn-rate gelten nur mit --bootloader"));
        return false;
    }
    if (!o.bootloader) {
        if (o.bootloaderEinstellungen.fruehesAkn) nurBootloader = "--early-akn";
        if (o.protokoll) nurBootloader = "--log";
        if (!nurBootloader.empty()) {
            fehler = Text(QT_TRANSLATE_NOOP("trackersim", "%1 gilt nur mit --bootloader"),
                          {nurBootloader});
            return false;
        }
    }
    if (o.bootloader && !plan.bei[Stoerung::FalschePruefsumme].empty()) {
        fehler = Text(QT_TRANSLATE_NOOP(
            "trackersim",
            "--bad-checksum gilt nur fuer die Steuerung (der Bootloader antwortet mit Text)"));
        return false;
    }
    o.steuerung.stoerungen = plan;
    o.bootloaderEinstellungen.stoerungen = plan;
    return true;
}

} // namespace trackersim
