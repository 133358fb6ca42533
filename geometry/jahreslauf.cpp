#include "geometry/jahreslauf.h"

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace jahresstudie {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double zuRad = (1.0 / 180) * pi;

} // namespace

Lauf::Lauf(const RechenlaufEingabe& e)
    : e_(e), mit_(KomplettAus(e, 0, 0, 12, false)),
      fehlerfrei_(e.ModulHErr == 0 && e.ModulAErr == 0 && e.ModulNErr == 0 &&
                  e.EndlageStartErr == 0) {
    ohne_ = mit_;
    ohne_.ModulHErr = ohne_.ModulAErr = ohne_.NeigungErr = ohne_.EndlageStartErr = 0;
    gMit_ = KomplettGeometrieAus(mit_);
    gOhne_ = KomplettGeometrieAus(ohne_);
    const double nErr = (e.ModulN + e.ModulNErr) * zuRad, n = e.ModulN * zuRad;
    sinNErr_ = std::sin(nErr);
    cosNErr_ = std::cos(nErr);
    sinN_ = std::sin(n);
    cosN_ = std::cos(n);
    cErr_ = 0.01 * (e.ModulH + e.ModulHErr) * cosNErr_;
    c_ = 0.01 * e.ModulH * cosN_;
    cosStopErr_ = std::cos(e.EndlageStartErr * zuRad);
}

Augenblick Lauf::Geometrie(const Sonnenstand& sonne, double stunden, int wende, bool nord) {
    Augenblick a;
    const double tanHoehe = std::tan(sonne.hoehe * zuRad);

    // With backtracking and the errors: the window's calculation.
    for (KomplettEingabe* k : {&mit_, &ohne_}) {
        k->Hoehe = sonne.hoehe;
        k->stunden = stunden;
        k->WendeStunde = wende;
        k->mittagNord = nord;
    }
    const KomplettErgebnis mit = Mit(sonne, tanHoehe, a);

    // The same geometry without errors (the same calculation when there are none).
    if (fehlerfrei_) {
        a.cosOhneF = a.cosMit;
        a.fOhneF = a.fMit;
    } else {
        const KomplettErgebnis o = BerechneKomplett(gOhne_, ohne_, tanHoehe);
        const double cosOhne = std::cos(o.WinkelZurSonne * zuRad);
        a.cosOhneF = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinN_, cosN_, cosOhne);
        a.fOhneF = Anteil(o, cosOhne);
    }

    // Without backtracking: the tracker faces the sun, the errors as they are.
    a.cosOhneB = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinNErr_, cosNErr_, cosStopErr_);
    a.fOhneB = Anteil(mit, cosStopErr_);
    return a;
}

KomplettErgebnis Lauf::Mit(const Sonnenstand& sonne, double tanHoehe, Augenblick& a) {
    const KomplettErgebnis mit = BerechneKomplett(gMit_, mit_, tanHoehe);
    a.trackerPos = sonne.azimut + mit.WinkelZurSonne;
    // The module faces where the tracker really stands: the sun's azimuth turned by the
    // correction and the east-stop error.
    const double cosMit = std::cos((mit.WinkelZurSonne + e_.EndlageStartErr) * zuRad);
    a.cosMit = Einfall(sonne.sinHoehe, sonne.cosHoehe, sinNErr_, cosNErr_, cosMit);
    a.fMit = Anteil(mit, cosMit);
    return mit;
}

void Lauf::Setze(double hoehe, double stunden, int wende, bool nord) {
    mit_.Hoehe = hoehe;
    mit_.stunden = stunden;
    mit_.WendeStunde = wende;
    mit_.mittagNord = nord;
}

// The overlap of the shadow past the next row's front foot, as the main window's Verschattung
// computes it (sin(90 - |angle|) written as the cosine of the angle between the module's
// facing and the sun), but at every instant, also where the correction is 0; and the shaded
// share it gives.
double Lauf::Anteil(const KomplettErgebnis& k, double cosWinkel) const {
    const bool mitFehler = k.SchattenErr > k.Schatten;
    const double v = cosWinkel * (mitFehler ? k.SchattenErr : k.Schatten) - 0.01 * e_.ModulA;
    // The module whose shadow was taken: its horizontal depth.
    return VerschatteterAnteil(v < 0 ? 0 : v, 0.01 * e_.ModulA, mitFehler ? cErr_ : c_);
}

Modul Lauf::MitFehlern() const {
    // The longer shadow is the one of the larger effective height, at every elevation: the
    // profile Anteil takes.
    const bool mitFehler = gMit_.HEffErr > gMit_.HEff;
    Modul m;
    m.neigung = e_.ModulN + e_.ModulNErr;
    m.schattenH = 0.01 * (mitFehler ? e_.ModulH + e_.ModulHErr : e_.ModulH);
    m.schattenN = mitFehler ? e_.ModulN + e_.ModulNErr : e_.ModulN;
    m.abstand = 0.01 * e_.ModulA;
    return m;
}

Modul Lauf::OhneFehler() const {
    Modul m;
    m.neigung = e_.ModulN;
    m.schattenH = 0.01 * e_.ModulH;
    m.schattenN = e_.ModulN;
    m.abstand = 0.01 * e_.ModulA;
    return m;
}

bool NurFehler(double RechenlaufEingabe::*feld) {
    return feld == &RechenlaufEingabe::ModulHErr || feld == &RechenlaufEingabe::ModulAErr ||
           feld == &RechenlaufEingabe::ModulNErr || feld == &RechenlaufEingabe::EndlageStartErr;
}

void Tagesfortschritt::TagFertig() {
    if (!jeWert_ || tage_ <= 0) return;
    const long fertig = ++fertig_;
    const std::size_t vorher = (fertig - 1) * werte_ / static_cast<std::size_t>(tage_);
    const std::size_t jetzt = fertig * werte_ / static_cast<std::size_t>(tage_);
    for (std::size_t k = vorher; k < jetzt; ++k)
        jeWert_();
}

void AufKernen(unsigned hoechstens, const std::function<void()>& arbeite) {
    const unsigned kerne = std::min(std::max(1u, std::thread::hardware_concurrency()), hoechstens);
    std::vector<std::thread> helfer;
    for (unsigned k = 1; k < kerne; ++k)
        helfer.emplace_back(arbeite);
    arbeite();
    for (std::thread& t : helfer)
        t.join();
}

} // namespace jahresstudie
