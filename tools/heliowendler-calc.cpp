// Runs the main window's whole calculation from the command line and prints its results as
// Name=value lines, or a CSV table over one UTC day. Numbers are printed in the C locale's
// format, so they always carry a point.
#include "basis/sprache.h"
#include "geometry/jahrescsv.h"
#include "geometry/jahresstudie.h"
#include "geometry/rechenlauf.h"
#include "tools/calc_optionen.h"
#include "wetter/wetterdatei.h"
#include "wetter/wettertexte.h"

#include <QCoreApplication>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void Zeile(const char* name, double wert) {
    std::printf("%s=%.17g\n", name, wert);
}

void DruckeErgebnis(const RechenlaufErgebnis& r) {
    Zeile("Azimut", r.Azimut);
    Zeile("Hoehe", r.Hoehe);
    Zeile("Schatten", r.Schatten);
    Zeile("SchattenErr", r.SchattenErr);
    Zeile("WinkelZurSonne", r.WinkelZurSonne);
    Zeile("TrackerPos", r.TrackerPos);
    Zeile("Verschattung", r.Verschattung);
    std::printf("WendeStunde=%d\nWendeMinute=%d\n", r.WendeStunde, r.WendeMinute);
    Zeile("MorgenPos", r.MorgenPos);
    Zeile("AWestMax", r.AWestMax);
    Zeile("AOstMax", r.AOstMax);
}

// The searches run once for the date, as the simulation run's driver finds the same
// Sonnenwende on every tick of one day: WendeStunde is the date's Sonnenwende for every row,
// and the sign flips at the first whole hour after it. Where the sun is up in a neighbouring
// solar day (daylight crossing 0:00 UTC), that day's search signs the row.
void DruckeTabelle(const RechenlaufEingabe& e, int schritt) {
    Tagessuchen suchen(e);
    std::printf("Zeit,Azimut,Hoehe,Schatten,WinkelZurSonne,TrackerPos,Verschattung\n");
    for (int m = 0; m < 24 * 60; m += schritt) {
        const int stunde = m / 60, minute = m % 60;
        const RechenlaufErgebnis r = suchen.Augenblick(stunde + minute / 60.0);
        std::printf("%02d:%02d,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\n", stunde, minute, r.Azimut,
                    r.Hoehe, r.Schatten, r.WinkelZurSonne, r.TrackerPos, r.Verschattung);
    }
}

// The month table and the year, three ways side by side; then the year's extremes.
void DruckeJahresstudie(const RechenlaufEingabe& e, int schritt) {
    std::fputs(jahrescsv::Jahresstudie(jahresstudie::Rechne(e, schritt), e.Jahr).c_str(), stdout);
}

// The yearly study for each value of one error input, on every core: the loss with
// backtracking, the beam on the unshaded part and the partly shaded hours. Values that cannot
// be formed are refused before anything runs (exit 2). With a weather series the sweep runs
// on its rows.
bool DruckeVariation(const calc::Optionen& o, const messreihe::Reihe* wetterreihe = nullptr) {
    std::vector<double> werte;
    try {
        werte = jahresstudie::Werte(o.von, o.bis, o.weite);
    } catch (const std::invalid_argument&) {
    }
    if (werte.empty()) {
        std::fprintf(stderr, "heliowendler-calc: %s\n",
                     calc::Text(QT_TRANSLATE_NOOP("heliowendler-calc",
                                                  "die Werte von --variiere lassen sich nicht "
                                                  "bilden: hoechstens 1001, jeder Schritt muss "
                                                  "den Wert aendern"))
                         .c_str());
        return false;
    }
    if (wetterreihe) {
        std::fputs(
            jahrescsv::WetterVariation(
                werte,
                wetterjahr::Variiere(o.eingabe, *wetterreihe, o.wetterOptionen, o.variiert, werte),
                o.wetterOptionen)
                .c_str(),
            stdout);
        return true;
    }
    const std::vector<jahresstudie::Summe> summen =
        jahresstudie::Variiere(o.eingabe, o.variiert, werte, o.schritt);
    std::fputs(jahrescsv::Variation(werte, summen).c_str(), stdout);
    return true;
}

void Meldung(const QString& text) {
    std::fprintf(stderr, "heliowendler-calc: %s\n", text.toLocal8Bit().constData());
}

QString Uebersetzt(const char* text) {
    return QString::fromStdString(sprache::Text("heliowendler-calc", text));
}

// Reads the weather file and places the calculation at its site (the given --phi/--lam win;
// a warning where they differ from the file's by more than 0.1 degrees). What the file is,
// its data quality and the alignment check go to stderr. Nothing when it is refused.
std::optional<wetter::Datei> LiesWetter(calc::Optionen& o) {
    const wetter::Ergebnis gelesen = wetter::Lies(QString::fromLocal8Bit(o.wetter), o.zeitversatz);
    if (const auto* ablehnung = std::get_if<wetter::Ablehnung>(&gelesen)) {
        Meldung(Uebersetzt(QT_TRANSLATE_NOOP("heliowendler-calc", "%1: %2"))
                    .arg(QString::fromLocal8Bit(o.wetter), wetter::Text(*ablehnung)));
        return std::nullopt;
    }
    wetter::Datei datei = std::get<wetter::Datei>(gelesen);
    const messreihe::Ort& ort = datei.reihe.ort;
    RechenlaufEingabe& e = o.eingabe;
    const double phi = e.Phi, lam = e.Lam;
    e = wetterjahr::AmOrt(e, ort);
    if (o.phiGegeben) e.Phi = phi;
    if (o.lamGegeben) e.Lam = lam;
    Meldung(Uebersetzt(QT_TRANSLATE_NOOP("heliowendler-calc",
                                         "Wetterdatei %1: Breite %2, Laenge %3 (Ost positiv), "
                                         "Hoehe %4 m, %5 bis %6, Schritt %7 min, %8 Zeilen"))
                .arg(wetter::FormatName(datei.format))
                .arg(ort.breite, 0, 'f', 4)
                .arg(ort.laengeOst, 0, 'f', 4)
                .arg(ort.hoehe, 0, 'f', 0)
                .arg(QString::asprintf("%04d-%02d-%02d", datei.erster.jahr, datei.erster.monat,
                                       datei.erster.tag),
                     QString::asprintf("%04d-%02d-%02d", datei.letzter.jahr, datei.letzter.monat,
                                       datei.letzter.tag))
                .arg(datei.schrittMinuten)
                .arg(static_cast<qlonglong>(datei.reihe.messungen.size())));
    const bool abweichend = (o.phiGegeben && std::abs(phi - ort.breite) > 0.1) ||
                            (o.lamGegeben && std::abs(-lam - ort.laengeOst) > 0.1);
    if (abweichend)
        Meldung(Uebersetzt(QT_TRANSLATE_NOOP(
                               "heliowendler-calc",
                               "Warnung: gerechnet an Breite %1, Laenge %2 (Ost negativ); die "
                               "Wetterdatei gilt fuer Breite %3, Laenge %4 (Ost negativ)"))
                    .arg(e.Phi, 0, 'f', 4)
                    .arg(e.Lam, 0, 'f', 4)
                    .arg(ort.breite, 0, 'f', 4)
                    .arg(-ort.laengeOst, 0, 'f', 4));
    for (const QString& zeile : wetter::Qualitaetstexte(datei.qualitaet))
        Meldung(zeile);
    const QString hinweis = wetter::Hinweis(datei.ausrichtung);
    if (!hinweis.isEmpty()) Meldung(hinweis);
    return datei;
}

} // namespace

int main(int argc, char** argv) {
    // Qt only for the translation of the help and the messages: English for an English
    // locale, as the windows. The numbers are printed by the C library, with a point.
    QCoreApplication app(argc, argv);
    // The application object takes the user's locale for the C library; the numbers keep
    // the point.
    std::setlocale(LC_NUMERIC, "C");
    sprache::Installiere(app, false);
    kommandozeile::Uebersetzung() = [](const char* kontext, const char* text) {
        return sprache::Text(kontext, text);
    };
    calc::Optionen o;
    std::string fehler;
    if (!calc::LeseOptionen(argc, argv, o, fehler)) {
        std::fprintf(
            stderr, "heliowendler-calc: %s\n%s\n", fehler.c_str(),
            calc::Text(QT_TRANSLATE_NOOP("heliowendler-calc", "(--help zeigt die Optionen)"))
                .c_str());
        return 2;
    }
    if (o.hilfe) {
        std::fputs(calc::Hilfetext().c_str(), stdout);
        return 0;
    }
    try {
        if (!o.wetter.empty()) {
            const std::optional<wetter::Datei> datei = LiesWetter(o);
            if (!datei) return 4;
            if (o.variiert) {
                if (!DruckeVariation(o, &datei->reihe)) return 2;
            } else
                std::fputs(jahrescsv::Wetterjahr(
                               wetterjahr::Rechne(o.eingabe, datei->reihe, o.wetterOptionen))
                               .c_str(),
                           stdout);
        } else if (o.variiert) {
            if (!DruckeVariation(o)) return 2;
        } else if (o.jahresstudie)
            DruckeJahresstudie(o.eingabe, o.schritt);
        else if (o.tabelleMinuten > 0)
            DruckeTabelle(o.eingabe, o.tabelleMinuten);
        else
            DruckeErgebnis(Rechenlauf(o.eingabe));
    } catch (const std::exception& x) {
        std::fprintf(stderr, "heliowendler-calc: %s\n", x.what());
        return 2;
    }
    return 0;
}
