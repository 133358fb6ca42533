#include "geraet/bootloaderhinweise.h"

#include "basis/zahltext.h"

#include <QCoreApplication>

namespace bootloaderhinweise {

namespace {

QString Hex4(unsigned wert) {
    return QStringLiteral("%1").arg(wert & 0xFFFFu, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString Sekunden(std::chrono::milliseconds wartezeit) {
    return zahltext::AllgemeinSkaliert(wartezeit.count(), 3);
}

QString Wo(const uebertragung::Verzug& v) {
    if (v.zeile < 1 || (!v.adresszeile && v.bytes == 0)) return {};
    if (v.adresszeile)
        return QCoreApplication::translate("Uebertragung", " (Adresszeiger %1)")
            .arg(Hex4(v.adresse));
    return QCoreApplication::translate("Uebertragung", " (%1 Bytes ab Adresse %2)")
        .arg(v.bytes)
        .arg(Hex4(v.adresse));
}

QString Zeilentext(std::string_view zeile) {
    return QString::fromLatin1(zeile.data(), static_cast<qsizetype>(zeile.size()));
}

} // namespace bootloaderhinweise
