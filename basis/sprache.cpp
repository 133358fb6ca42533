#include "basis/sprache.h"

#include "basis/kommandozeile.h"

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
    // The placeholders are ASCII, so the command lines' one-pass filling works on UTF-8.
    std::vector<std::string> texte;
    for (const QString& a : argumente)
        texte.push_back(a.toStdString());
    const std::vector<std::string_view> werte(texte.begin(), texte.end());
    return QString::fromStdString(kommandozeile::Fuelle(format.toStdString(), werte));
}

std::string Text(const char* kontext, const char* format,
                 std::initializer_list<std::string_view> argumente) {
    QStringList texte;
    for (const std::string_view a : argumente)
        texte << QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    return Fuelle(QCoreApplication::translate(kontext, format), texte).toStdString();
}

} // namespace sprache
