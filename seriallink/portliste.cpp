#include "seriallink/portliste.h"

#include "basis/comport.h"
#include "basis/inidatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace portliste {

namespace {

struct Art {
    const char* praefix;
    int erste;
};
constexpr Art Arten[] = {{"ttyS", 1}, {"ttyUSB", 33}, {"ttyACM", 65}, {"ttyAMA", 97}};
constexpr int ProArt = 32;

QString Zeile(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readLine(64)).trimmed();
}

} // namespace

int NummerFuer(const QString& kernelname) {
    for (const Art& a : Arten) {
        const QString praefix = QString::fromLatin1(a.praefix);
        if (!kernelname.startsWith(praefix)) continue;
        const QString rest = kernelname.mid(praefix.size());
        bool ok = false;
        const int k = rest.toInt(&ok);
        // Digits only: "ttyS1x" or "ttyUSB+1" are not ours.
        if (!ok || rest.isEmpty() || rest != QString::number(k) || k < 0 || k >= ProArt) return 0;
        return a.erste + k;
    }
    return 0;
}

QList<PortEintrag> Systemgeraete(const QString& sysKlasse) {
    QList<PortEintrag> r;
    const QDir klasse(sysKlasse);
    for (const QString& name :
         klasse.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name)) {
        const int nr = NummerFuer(name);
        if (nr == 0) continue;
        const QString eintrag = klasse.filePath(name);
        // Virtual terminals and the like have no device behind them.
        if (!QFileInfo::exists(eintrag + QStringLiteral("/device"))) continue;
        // The kernel creates ttyS0..3 whether or not a UART answers; type 0 means none does.
        if (name.startsWith(QLatin1String("ttyS")) && !name.startsWith(QLatin1String("ttySC")) &&
            Zeile(eintrag + QStringLiteral("/type")) == QLatin1String("0"))
            continue;
        r.append({nr, QStringLiteral("COM%1").arg(nr), QStringLiteral("/dev/") + name, false});
    }
    std::sort(r.begin(), r.end(),
              [](const PortEintrag& a, const PortEintrag& b) { return a.Nummer < b.Nummer; });
    return r;
}

QList<PortEintrag> Ports(const QString& einstellungsdatei, const QString& sysKlasse) {
    QList<PortEintrag> r;
    QSet<int> vergeben;
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const IniDatei ini(einstellungsdatei);
    for (const auto& [schluessel, wert] : ini.Eintraege(QStringLiteral("Ports"))) {
        const auto treffer = comName.match(schluessel.trimmed());
        const QString geraet = wert.trimmed();
        if (!treffer.hasMatch() || geraet.isEmpty()) continue;
        bool zahl = false;
        const int nr = treffer.captured(1).toInt(&zahl);
        if (!zahl || nr > comport::HoechsteNummer) continue;
        if (vergeben.contains(nr)) continue; // the first entry of a number counts
        vergeben.insert(nr);
        r.append({nr, QStringLiteral("COM%1").arg(nr), geraet, true});
    }
    for (const PortEintrag& e : Systemgeraete(sysKlasse))
        if (!vergeben.contains(e.Nummer)) r.append(e);
    return r;
}

QString GeraetFuer(int nummer, const QString& einstellungsdatei, const QString& sysKlasse) {
    for (const PortEintrag& e : Ports(einstellungsdatei, sysKlasse))
        if (e.Nummer == nummer) return e.Geraet;
    return {};
}

} // namespace portliste
