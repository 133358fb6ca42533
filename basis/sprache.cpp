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

QTranslator* Installiere(QCoreApplication& app, bool toolkit) {
    const bool englisch = Englisch();
    if (!englisch && !toolkit) return nullptr;
    auto* t = new QTranslator(&app);
    const bool geladen = englisch ? t->load(QStringLiteral(":/i18n/heliowendler_en.qm"))
                                  : t->load(QStringLiteral("qtbase_de"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!geladen) {
        delete t;
        return nullptr;
    }
    QCoreApplication::installTranslator(t);
    return t;
}

QString Fuelle(const QString& format, const QStringList& argumente) {
    QString t;
    t.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        qsizetype ende = i + 1;
        int n = 0;
        // Up to two digits, as QString::arg reads them.
        while (c == u'%' && ende < format.size() && ende < i + 3 && format.at(ende).isDigit())
            n = 10 * n + format.at(ende++).digitValue();
        if (ende > i + 1 && n >= 1 && n <= argumente.size()) {
            t += argumente.at(n - 1);
            i = ende - 1;
        } else {
            t += c;
        }
    }
    return t;
}

std::string Text(const char* kontext, const char* format,
                 std::initializer_list<std::string_view> argumente) {
    QStringList texte;
    for (const std::string_view a : argumente)
        texte << QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    return Fuelle(QCoreApplication::translate(kontext, format), texte).toStdString();
}

} // namespace sprache
