#include "basis/sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sprache {

bool Englisch(const QString& language, const QString& lcAll, const QString& lcMessages,
              const QString& lang) {
    // The locale that decides the messages, as POSIX orders the variables.
    QString locale = lcAll;
    if (locale.isEmpty()) locale = lcMessages;
    if (locale.isEmpty()) locale = lang;
    const bool cLocale = locale.isEmpty() || locale == QLatin1String("C") ||
                         locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX");
    if (!cLocale && !language.isEmpty()) return language.startsWith(QLatin1String("en"));
    return locale.startsWith(QLatin1String("en"));
}

bool Englisch() {
    return Englisch(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                    qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
}

QTranslator* Installiere(QCoreApplication& app) {
    auto* t = new QTranslator(&app);
    const bool geladen = Englisch() ? t->load(QStringLiteral(":/i18n/heliowendler_en.qm"))
                                    : t->load(QStringLiteral("qtbase_de"),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!geladen) {
        delete t;
        return nullptr;
    }
    QCoreApplication::installTranslator(t);
    return t;
}

} // namespace sprache
