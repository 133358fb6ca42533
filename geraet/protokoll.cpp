#include "geraet/protokoll.h"

#include "geraet/messages.h"

#include <QStringList>
#include <algorithm>

namespace protokoll {

namespace {

using messages::Kommando;

QString Hex(const rahmen::Bytes& b) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()))
            .toHex(' ')
            .toUpper());
}

// What the line step keeps of a line's bytes.
rahmen::Bytes OhneNullUndCr(const rahmen::Bytes& b) {
    rahmen::Bytes t;
    for (const std::uint8_t x : b)
        if (x != 0 && x != '\r') t.push_back(x);
    return t;
}

// A bootloader's text, one character a byte (ISO 8859-1); control bytes (C0, C1) as \xNN, so
// that an entry stays one line of the record.
QString Text(const rahmen::Bytes& b) {
    QString t;
    for (const std::uint8_t x : b) {
        if (x < 0x20 || (x >= 0x7F && x < 0xA0))
            t += QStringLiteral("\\x") +
                 QStringLiteral("%1").arg(x, 2, 16, QLatin1Char('0')).toUpper();
        else
            t += QChar(x);
    }
    return t;
}

QString Antwortname(std::uint8_t kommando) {
    switch (kommando) {
    case messages::Byte(Kommando::GetParam):
        return QStringLiteral("Parameter");
    case messages::Byte(Kommando::GetTime):
        return QStringLiteral("Uhrzeit");
    case messages::Byte(Kommando::GetAktuelleDaten):
        return QStringLiteral("aktuelle Daten");
    case messages::Byte(Kommando::Status):
        return QStringLiteral("Status");
    case messages::Byte(Kommando::Info):
        return QStringLiteral("Info");
    default:
        return QStringLiteral("Kommando");
    }
}

QString StatusFelder(const messages::Status& s) {
    return Lampen(s.StatusByte) + QStringLiteral(", Countdown ") +
           messages::CountdownText(s.TrackCountdown);
}

// The decoded fields of a response whose checksum matched.
QString Inhalt(const messages::Antwort& a) {
    QStringList teile;
    // Every response starts with the status byte; only the status response carries the
    // countdown after it.
    if (const auto s = messages::LeseStatus(a))
        teile << (a.kommando == messages::Byte(Kommando::Status) ? StatusFelder(*s)
                                                                 : Lampen(s->StatusByte));
    switch (a.kommando) {
    case messages::Byte(Kommando::GetParam):
        if (const auto p = messages::LeseParameter(a)) {
            const messages::Parametertexte t = messages::ParameterTexte(*p);
            teile << QStringLiteral("Breite %1°, Länge %2°, Höhe %3 cm, Breite %4 cm, Abstand %5 "
                                    "cm, Neigung %6°, Intervall %7 min, Geschw. %8 m°/s, "
                                    "Ost %9°, West %10°, Faktor %11/1000")
                         .arg(t.Phi, t.Lam, t.ModulH, t.ModulL, t.ModulA, t.ModulN, t.Intervall,
                              t.WinkelSpeed, t.AnschlagOst)
                         .arg(t.AnschlagWest, t.KorrekturFaktor);
        }
        break;
    case messages::Byte(Kommando::GetTime):
        if (const auto u = messages::LeseUhrzeit(a)) {
            teile << QStringLiteral("%1 UTC, Gruppe %2").arg(UhrText(u->zeit)).arg(u->gruppe);
        }
        break;
    case messages::Byte(Kommando::GetAktuelleDaten):
        if (const auto i = messages::LeseIstwerte(a)) {
            const messages::Istwerttexte t = messages::IstwertTexte(*i);
            teile << QStringLiteral("Position %1°, Schatten %2 cm, Sonne %3°, Azimut %4°, "
                                    "Grenzwinkel %5°, Korrektur %6°")
                         .arg(t.AktPos, t.AktSchatten, t.AktSonnenstand, t.AktAzimut, t.AktGrenz,
                              t.AktKorrekt);
        }
        break;
    case messages::Byte(Kommando::Info):
        if (const auto v = messages::LeseVersionstext(a))
            teile << QStringLiteral("Version \"%1\"").arg(*v);
        break;
    default:
        break;
    }
    if (!messages::Vollstaendig(a)) teile << QStringLiteral("zu kurz für sein Kommando");
    return teile.join(QStringLiteral(", "));
}

QString Anfrage(const rahmen::Bytes& b) {
    // Request: AA cmd n 00 payload cs E5; bootloader frame: AA cmd n payload cs E5.
    if (b.size() < 5 || b[0] != rahmen::StartAnfrage)
        return QStringLiteral("unbekannter Rahmen, %1 Bytes").arg(b.size());
    const std::uint8_t kommando = b[1];
    const std::size_t n = b[2];
    if (b.size() == n + 6 && b[3] == 0) {
        QString name = messages::StatusText(static_cast<Kommando>(kommando));
        if (name.isEmpty()) name = QStringLiteral("Kommando");
        QString text = QStringLiteral("Anfrage %1 (%2)").arg(name).arg(kommando);
        if (kommando == messages::Byte(Kommando::SetPosition) && n >= 2)
            text += QStringLiteral(": Winkel %1°").arg(b[4] | (b[5] << 8));
        if (kommando == messages::Byte(Kommando::SetTime) && n >= 9) {
            // Payload 0x00, then the clock's eight bytes.
            const std::array<std::uint8_t, 7> z{b[5], b[6], b[7], b[8], b[9], b[10], b[11]};
            text += QStringLiteral(": %1 UTC, Gruppe %2").arg(UhrText(z)).arg(b[12]);
        }
        return text;
    }
    if (b.size() == n + 5)
        return QStringLiteral("Bootloaderrahmen %1, %2 Bytes Nutzdaten").arg(kommando).arg(n);
    return QStringLiteral("Rahmen %1, Länge passt nicht").arg(kommando);
}

} // namespace

QString UhrText(const std::array<std::uint8_t, 7>& z) {
    const auto zwei = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
        .arg(2000 + z[6])
        .arg(zwei(z[5]), zwei(z[3]), zwei(z[2]), zwei(z[1]), zwei(z[0]));
}

QString Lampen(std::uint8_t statusByte) {
    QStringList an;
    for (const messages::Statuslampe& l : messages::Statuslampen)
        if ((statusByte & l.bit) != 0) an << QString::fromUtf8(l.beschriftung);
    return an.isEmpty() ? QStringLiteral("-") : an.join(u' ');
}

QString Beschreibung(const Mitschnitt::Eintrag& e) {
    using A = Mitschnitt::Eintrag::Art;
    switch (e.art) {
    case A::Gesendet:
        return Anfrage(e.bytes);
    case A::NichtGesendet:
        return QStringLiteral("nicht gesendet: der Port hat den Rahmen abgelehnt");
    case A::Rahmen: {
        const auto a = messages::Zerlege(e.bytes);
        if (!a) return QStringLiteral("Antwort, kürzer als ihr Längenbyte");
        const QString inhalt = Inhalt(*a);
        return QStringLiteral("Antwort %1 (%2)%3, Prüfsumme richtig")
            .arg(Antwortname(a->kommando))
            .arg(a->kommando)
            .arg(inhalt.isEmpty() ? QString() : QStringLiteral(": ") + inhalt);
    }
    case A::PruefsummeFalsch:
        return QStringLiteral("Prüfsumme falsch (Kommando %1, %2 Bytes)")
            .arg(e.bytes.size() > 1 ? e.bytes[1] : 0)
            .arg(e.bytes.size());
    case A::Zeile: {
        // The line as the receiver handed it on; a frame in it took bytes of its own.
        const QString text = QStringLiteral("Bootloader: \"%1\"").arg(Text(e.zeile));
        const rahmen::Bytes eigen = OhneNullUndCr(e.bytes);
        const bool anfangDavor = eigen.size() < e.zeile.size() &&
                                 std::equal(eigen.rbegin(), eigen.rend(), e.zeile.rbegin());
        return anfangDavor ? text + QStringLiteral(", ihr Anfang steht in den Einträgen davor")
                           : text;
    }
    case A::Zeilenanfang:
        return QStringLiteral("Anfang einer Bootloaderzeile: \"%1\"")
            .arg(Text(OhneNullUndCr(e.bytes)));
    case A::Rauschen:
        return QStringLiteral("Rauschen, %1 Bytes").arg(e.bytes.size());
    case A::Unvollendet:
        return QStringLiteral("Rahmenanfang ohne Ende, %1 Bytes (der Empfänger sammelt noch)")
            .arg(e.bytes.size());
    case A::Verworfen:
        return QStringLiteral("Rahmenanfang ohne Ende, %1 Bytes, vor der Wiederholung verworfen")
            .arg(e.bytes.size());
    }
    return {};
}

QString Zeile(const Mitschnitt::Eintrag& e, Mitschnitt::Uhr::time_point anfang) {
    const double ms = std::chrono::duration<double, std::milli>(e.zeit - anfang).count();
    const bool gesendet = e.art == Mitschnitt::Eintrag::Art::Gesendet ||
                          e.art == Mitschnitt::Eintrag::Art::NichtGesendet;
    return QStringLiteral("%1 %2 %3 | %4")
        .arg(ms, 14, 'f', 3)
        .arg(gesendet ? QStringLiteral("TX") : QStringLiteral("RX"), Hex(e.bytes), Beschreibung(e));
}

} // namespace protokoll
