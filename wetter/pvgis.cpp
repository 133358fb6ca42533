// PVGIS TMY as CSV and as JSON: the same site lines and the same columns, one written as text
// lines, the other as a JSON document (read with Qt's JSON).
#include "wetter/rohdaten.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <optional>

namespace wetter::roh {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

const char* const Stempelspalte = "time(UTC)";
const char* const Spalten[3] = {"G(h)", "Gb(n)", "Gd(h)"};
constexpr Groesse Groessen[3] = {Groesse::GHI, Groesse::DNI, Groesse::DHI};

// YYYYMMDD:HHMM, hours 0 ... 23: minutes since 1970, and the date.
std::optional<long long> Stempel(std::string_view s, Datum& datum) {
    s = OhneRand(s);
    if (s.size() != 13 || s[8] != ':') return std::nullopt;
    for (int i = 0; i < 13; ++i)
        if (i != 8 && (s[i] < '0' || s[i] > '9')) return std::nullopt;
    auto Zahl = [&](int von, int n) {
        int x = 0;
        for (int i = von; i < von + n; ++i)
            x = 10 * x + (s[i] - '0');
        return x;
    };
    datum = {Zahl(0, 4), Zahl(4, 2), Zahl(6, 2)};
    const int stunde = Zahl(9, 2), minute = Zahl(11, 2);
    if (!GueltigesDatum(datum.jahr, datum.monat, datum.tag) || stunde > 23 || minute > 59)
        return std::nullopt;
    return TagNummer(datum.jahr, datum.monat, datum.tag) * 1440 + stunde * 60 + minute;
}

// The site lines "Name (unit): value".
struct Kopf {
    std::optional<double> breite, laenge, hoehe, versatz;
};

void Kopfzeile(std::string_view linie, long long nr, Kopf& k) {
    const std::size_t p = linie.find(':');
    if (p == std::string_view::npos) return;
    const std::string_view name = OhneRand(linie.substr(0, p));
    const std::string_view wert = linie.substr(p + 1);
    struct Eintrag {
        const char* name;
        std::optional<double> Kopf::*ziel;
        Erwartung erwartet;
        double von, bis;
    };
    static const Eintrag eintraege[] = {
        {"Latitude", &Kopf::breite, Erwartung::Breite, -90, 90},
        {"Longitude", &Kopf::laenge, Erwartung::Laenge, -180, 180},
        {"Elevation", &Kopf::hoehe, Erwartung::Hoehe, -1e6, 1e6},
        {"Irradiance Time Offset", &Kopf::versatz, Erwartung::Zahl, -24, 24},
    };
    for (const Eintrag& e : eintraege) {
        if (!BeginntMit(name, e.name)) continue;
        double x = 0;
        if (LiesZahl(wert, x) != Wert::Zahl || !(x >= e.von && x <= e.bis))
            throw Feldfehler(Grund::AngabeFehlt, nr, linie, wert, 0, e.erwartet);
        k.*e.ziel = x;
        return;
    }
}

void Ortsangaben(Daten& d, const Kopf& k, const Ablehnung& wo) {
    auto Fehlt = [&](Erwartung e) {
        Ablehnung a = wo;
        a.grund = Grund::AngabeFehlt;
        a.erwartet = e;
        return a;
    };
    if (!k.breite) throw Fehlt(Erwartung::Breite);
    if (!k.laenge) throw Fehlt(Erwartung::Laenge);
    if (!k.hoehe) throw Fehlt(Erwartung::Hoehe);
    d.ort = {*k.breite, *k.laenge, *k.hoehe};
    d.zeit.utc = true;
    d.zeit.zeitzone = 0;
    d.zeit.versatz = k.versatz;
}

} // namespace

Daten LiesPvgisCsv(const QByteArray& bytes) {
    Daten d;
    d.format = Format::PvgisCsv;
    d.mittelwerte = false;
    Zeilenleser leser(bytes);
    d.zeilen.reserve(Zeilenzahl(bytes));
    std::vector<std::string_view> f;
    std::string_view linie;

    Kopf kopf;
    bool spaltenzeile = false;
    while (leser.Naechste(linie)) {
        if (BeginntMit(OhneRand(linie), Stempelspalte)) {
            spaltenzeile = true;
            break;
        }
        Kopfzeile(linie, leser.Nummer(), kopf);
    }
    if (!spaltenzeile) {
        Ablehnung a;
        a.grund = Grund::KeineZeilen;
        throw a;
    }
    const long long kopfNr = leser.Nummer();
    Ortsangaben(d, kopf, Zeilenende(Grund::AngabeFehlt, kopfNr, linie, 0, Erwartung::Nichts));

    Teile(linie, f);
    int stempel = -1, spalte[3] = {-1, -1, -1};
    for (int i = 0; i < static_cast<int>(f.size()); ++i) {
        const std::string_view name = OhneRand(f[i]);
        if (name == Stempelspalte) stempel = i;
        for (int k = 0; k < 3; ++k)
            if (name == Spalten[k]) spalte[k] = i;
    }
    for (int k = 0; k < 3; ++k)
        if (spalte[k] < 0)
            throw Zeilenende(Grund::SpalteFehlt, kopfNr, linie, 0, Erwartung::Feld, Groessen[k]);
    int noetig = stempel;
    for (int k = 0; k < 3; ++k)
        noetig = std::max(noetig, spalte[k]);
    ++noetig;

    // The rows end at an empty line or at the legend after them (a line beginning with a
    // letter); a stamp begins with a digit.
    while (leser.Naechste(linie)) {
        const std::string_view z = OhneRand(linie);
        if (z.empty() || (z[0] >= 'A' && z[0] <= 'Z') || (z[0] >= 'a' && z[0] <= 'z')) break;
        const long long nr = leser.Nummer();
        Teile(linie, f, static_cast<std::size_t>(noetig));
        if (static_cast<int>(f.size()) < noetig) {
            Groesse g = Groesse::Keine;
            for (int k = 0; k < 3; ++k)
                if (spalte[k] >= static_cast<int>(f.size()) && g == Groesse::Keine) g = Groessen[k];
            throw Zeilenende(Grund::ZeileDefekt, nr, linie, static_cast<int>(f.size()) + 1,
                             Erwartung::Feld, g);
        }
        Zeile r;
        r.zeile = nr;
        const auto s = Stempel(f[stempel], r.eigen);
        if (!s)
            throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[stempel], stempel + 1,
                             Erwartung::Zeitstempel);
        r.stempel = *s;
        double* werte[3] = {&r.ghi, &r.dni, &r.dhi};
        for (int k = 0; k < 3; ++k) {
            double x = 0;
            const Wert w = LiesZahl(f[spalte[k]], x);
            if (w == Wert::Falsch)
                throw Feldfehler(Grund::ZeileDefekt, nr, linie, f[spalte[k]], spalte[k] + 1,
                                 Erwartung::Zahl, Groessen[k]);
            *werte[k] = w == Wert::Leer ? NaN : x;
        }
        r.albedo = NaN;
        d.zeilen.push_back(r);
    }
    return d;
}

// ---- JSON ----------------------------------------------------------------------------------

namespace {

// Where in the JSON text a place of the document stands: the byte offset of a member's value
// (key) or of an array's element (index), followed from the root. Where a step is not there,
// the offset of the container it was looked for in. Only for refusals, so it reads the text
// once more; the text is known to be valid JSON.
class JsonOrt {
public:
    explicit JsonOrt(const QByteArray& b) : b_(b.constData()), n_(b.size()) {}

    struct Schritt {
        const char* schluessel = nullptr; // a member of an object, or
        qsizetype index = -1;             // an element of an array
    };
    qsizetype Stelle(std::initializer_list<Schritt> weg) {
        p_ = 0;
        Leer();
        for (const Schritt& s : weg) {
            const qsizetype behaelter = p_;
            if (!(s.schluessel ? Mitglied(s.schluessel) : Element(s.index))) return behaelter;
        }
        return p_;
    }

private:
    void Leer() {
        while (p_ < n_ && (b_[p_] == ' ' || b_[p_] == '\t' || b_[p_] == '\n' || b_[p_] == '\r'))
            ++p_;
    }
    // At a string's opening quote: its text (escapes kept), p_ after the closing quote.
    std::string_view Text() {
        const qsizetype a = ++p_;
        while (p_ < n_ && b_[p_] != '"')
            p_ += b_[p_] == '\\' ? 2 : 1;
        const std::string_view t(b_ + a, static_cast<std::size_t>(std::min(p_, n_) - a));
        ++p_;
        return t;
    }
    void Ueberspringe() {
        Leer();
        if (p_ >= n_) return;
        const char c = b_[p_];
        if (c == '"') {
            Text();
        } else if (c == '{' || c == '[') {
            int tiefe = 0;
            while (p_ < n_) {
                const char x = b_[p_];
                if (x == '"') {
                    Text();
                    continue;
                }
                if (x == '{' || x == '[') ++tiefe;
                if (x == '}' || x == ']') {
                    --tiefe;
                    if (tiefe == 0) {
                        ++p_;
                        return;
                    }
                }
                ++p_;
            }
        } else {
            while (p_ < n_ && b_[p_] != ',' && b_[p_] != '}' && b_[p_] != ']')
                ++p_;
        }
    }
    bool Mitglied(const char* schluessel) {
        Leer();
        if (p_ >= n_ || b_[p_] != '{') return false;
        ++p_;
        for (;;) {
            Leer();
            if (p_ >= n_ || b_[p_] != '"') return false;
            const std::string_view k = Text();
            Leer();
            ++p_; // ':'
            Leer();
            if (k == schluessel) return true;
            Ueberspringe();
            Leer();
            if (p_ >= n_ || b_[p_] != ',') return false;
            ++p_;
        }
    }
    bool Element(qsizetype index) {
        Leer();
        if (p_ >= n_ || b_[p_] != '[') return false;
        ++p_;
        for (qsizetype i = 0;; ++i) {
            Leer();
            if (i == index) return p_ < n_ && b_[p_] != ']';
            Ueberspringe();
            Leer();
            if (p_ >= n_ || b_[p_] != ',') return false;
            ++p_;
        }
    }

    const char* b_;
    qsizetype n_;
    qsizetype p_ = 0;
};

// A refusal at a byte offset of the JSON text: its line and character.
Ablehnung JsonFehler(const QByteArray& b, qsizetype offset, Grund grund, Erwartung erwartet,
                     Groesse groesse = Groesse::Keine) {
    offset = std::clamp<qsizetype>(offset, 0, b.size());
    long long zeile = 1;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < offset; ++i)
        if (b[i] == '\n') {
            ++zeile;
            anfang = i + 1;
        }
    qsizetype ende = anfang;
    while (ende < b.size() && b[ende] != '\n' && b[ende] != '\r')
        ++ende;
    const std::string_view linie(b.constData() + anfang, static_cast<std::size_t>(ende - anfang));
    Ablehnung a;
    a.grund = grund;
    a.zeile = zeile;
    a.zeichen = Zeichen(linie, static_cast<std::size_t>(offset - anfang));
    a.erwartet = erwartet;
    a.groesse = groesse;
    a.gefunden = Gefunden(linie.substr(std::min<std::size_t>(linie.size(), offset - anfang)));
    return a;
}

} // namespace

Daten LiesPvgisJson(const QByteArray& bytes) {
    Daten d;
    d.format = Format::PvgisJson;
    d.mittelwerte = false;
    QJsonParseError fehler{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &fehler);
    if (fehler.error != QJsonParseError::NoError)
        throw JsonFehler(bytes, fehler.offset, Grund::ZeileDefekt, Erwartung::Json);
    JsonOrt ort(bytes);
    using S = JsonOrt::Schritt;
    const QJsonValue zeilenWert = doc.object().value("outputs").toObject().value("tmy_hourly");
    if (!doc.isObject() || !zeilenWert.isArray()) {
        Ablehnung a = JsonFehler(bytes, 0, Grund::KeineWetterdatei, Erwartung::Nichts);
        throw a;
    }

    // The site.
    const QJsonObject lage = doc.object().value("inputs").toObject().value("location").toObject();
    auto Angabe = [&](const char* name, Erwartung e, double von, double bis,
                      bool muss) -> std::optional<double> {
        const QJsonValue v = lage.value(name);
        if (v.isUndefined() && !muss) return std::nullopt;
        if (!v.isDouble() || !(v.toDouble() >= von && v.toDouble() <= bis))
            throw JsonFehler(bytes, ort.Stelle({S{"inputs"}, S{"location"}, S{name}}),
                             Grund::AngabeFehlt, e);
        return v.toDouble();
    };
    d.ort.breite = *Angabe("latitude", Erwartung::Breite, -90, 90, true);
    d.ort.laengeOst = *Angabe("longitude", Erwartung::Laenge, -180, 180, true);
    d.ort.hoehe = *Angabe("elevation", Erwartung::Hoehe, -1e6, 1e6, true);
    d.zeit.utc = true;
    d.zeit.zeitzone = 0;
    d.zeit.versatz = Angabe("irradiance_time_offset", Erwartung::Zahl, -24, 24, false);

    const QJsonArray zeilen = zeilenWert.toArray();
    d.zeilen.reserve(static_cast<std::size_t>(zeilen.size()));
    auto Stelle = [&](qsizetype i, const char* name) {
        return name ? ort.Stelle({S{"outputs"}, S{"tmy_hourly"}, S{nullptr, i}, S{name}})
                    : ort.Stelle({S{"outputs"}, S{"tmy_hourly"}, S{nullptr, i}});
    };
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QJsonValue v = zeilen.at(i);
        if (!v.isObject())
            throw JsonFehler(bytes, Stelle(i, nullptr), Grund::ZeileDefekt, Erwartung::JsonObjekt);
        const QJsonObject o = v.toObject();
        Zeile r;
        r.zeile = i + 1;
        const QJsonValue s = o.value(QLatin1StringView(Stempelspalte));
        const QByteArray st = s.toString().toUtf8();
        const auto stempel =
            s.isString()
                ? Stempel(std::string_view(st.constData(), static_cast<std::size_t>(st.size())),
                          r.eigen)
                : std::nullopt;
        if (!stempel) {
            if (s.isUndefined())
                throw JsonFehler(bytes, Stelle(i, nullptr),
                                 i == 0 ? Grund::SpalteFehlt : Grund::ZeileDefekt,
                                 Erwartung::Zeitstempel);
            throw JsonFehler(bytes, Stelle(i, Stempelspalte), Grund::ZeileDefekt,
                             Erwartung::Zeitstempel);
        }
        r.stempel = *stempel;
        double* werte[3] = {&r.ghi, &r.dni, &r.dhi};
        for (int k = 0; k < 3; ++k) {
            const QJsonValue w = o.value(QLatin1StringView(Spalten[k]));
            if (w.isUndefined())
                throw JsonFehler(bytes, Stelle(i, nullptr),
                                 i == 0 ? Grund::SpalteFehlt : Grund::ZeileDefekt, Erwartung::Feld,
                                 Groessen[k]);
            if (w.isNull()) {
                *werte[k] = NaN;
                continue;
            }
            if (!w.isDouble())
                throw JsonFehler(bytes, Stelle(i, Spalten[k]), Grund::ZeileDefekt, Erwartung::Zahl,
                                 Groessen[k]);
            *werte[k] = w.toDouble();
        }
        r.albedo = NaN;
        d.zeilen.push_back(r);
    }
    return d;
}

} // namespace wetter::roh
