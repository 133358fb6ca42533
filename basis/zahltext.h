#pragma once
// Number texts as edits, labels and INI files show them: the user's decimal separator,
// fixed-point patterns for results, the general format for stored values, the strict
// conversions whose failure aborts the running handler, and the reading of a stored number
// that may have been written under another locale.
#include "basis/fehler.h"

#include <QString>

namespace zahltext {

// Decimal separator in use. Taken once from the environment (LC_ALL, LC_NUMERIC, LANG in
// this order, as the C library does); tests and start-up may set it explicitly.
QChar Dezimaltrenner();
void SetzeDezimaltrenner(QChar trenner);
QChar TrennerAusUmgebung();

// Fixed-point pattern "0.000" (nachkomma = 3) or "0.0" (nachkomma = 1): at least one integer
// digit, ties rounded half away from zero, a minus only when the shown value is not zero.
QString Fest(double wert, int nachkomma);

// General format: up to 15 significant digits, no trailing zeros, no thousands separator.
QString Allgemein(double wert);
// ganz / 10^nachkomma (nachkomma 0 ... 18) as Allgemein shows it, but made from the integer's
// own digits, so no binary product can turn up in it: (845, 2) is "8,45", (-5, 2) is
// "-0,05", (-1300, 2) is "-13". Never in the exponent form.
QString AllgemeinSkaliert(long long ganz, int nachkomma);

// A conversion that failed; meldung() is the text the user sees.
class KonvertierFehler : public BenutzerFehler {
public:
    using BenutzerFehler::BenutzerFehler;
};

// Whole number: optional blanks before, optional sign, decimal digits or a hexadecimal
// "$"/"0x" number, nothing after. Throws GanzzahlFehler(text).
int AlsGanzzahl(const QString& text);
// The failure AlsGanzzahl throws for text, "''%s'' ist kein gültiger Integer-Wert", for a
// caller that refuses a whole number by a test of its own.
KonvertierFehler GanzzahlFehler(const QString& text);
// Decimal number with the user's separator (blanks around it allowed, exponent allowed).
// Throws "'%s' ist kein gültiger Gleitkommawert".
double AlsGleitkomma(const QString& text);

// The decimal number text times 10^zehnerpotenz, computed on its decimal digits, so that
// "8,45" times 100 is 845 and not the 844.99999999999989 of binary floating point. Accepted
// and refused exactly as AlsGleitkomma (same message).
// The whole part (truncated toward zero), saturated at the ends of 64 bits:
long long AlsGanzzahlSkaliert(const QString& text, int zehnerpotenz);
// The double nearest to the scaled value ("1001" at -3 gives the double nearest to 1.001):
double AlsGleitkommaSkaliert(const QString& text, int zehnerpotenz);

// Non-throwing forms: VersucheGanzzahl for readers with a default (INI files),
// VersucheGleitkomma for a text typed under the user's separator.
bool VersucheGanzzahl(const QString& text, int& wert);
bool VersucheGleitkomma(const QString& text, double& wert);

// A decimal number stored in a file. A file keeps the separator of the locale it was written
// under, so a text that is no number under the user's separator is read with the other one
// ('.' or ','), when it then is one by the grammar of AlsGleitkomma. What the user types
// stays with AlsGleitkomma.
enum class Dateizahl {
    Zahl,      // wert holds it
    KeineZahl, // no number with either separator; wert untouched
    // A number once its points and commas are taken out, but with two or more of them
    // ("1.234,5", "1,234.5", "1.234.567"): group separators, which no writer of these files
    // puts there and whose meaning depends on who did. Refused, never guessed; wert untouched.
    Gruppiert,
};
Dateizahl LeseDateizahl(const QString& text, double& wert);

} // namespace zahltext
