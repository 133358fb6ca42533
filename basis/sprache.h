#pragma once
// The interface's language: German, or English when the user's locale asks for it. The texts
// in the code are German; an English user gets them through the translation built from
// uebersetzung/heliowendler_en.ts. Nothing stored depends on the language: only what is shown.
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <string_view>

class QCoreApplication;
class QTranslator;

namespace sprache {

// True when the messages' locale is English: the first set of LANGUAGE (its first entry),
// LC_ALL, LC_MESSAGES and LANG starts with "en". LANGUAGE counts only when the locale is not
// "C"/"POSIX", as gettext has it.
bool Englisch();
// The same rule on given values, for tests.
bool Englisch(const QString& language, const QString& lcAll, const QString& lcMessages,
              const QString& lang);

// Installs the translator for the process's lifetime: English, this program's translation;
// German, with toolkit the toolkit's own German texts (message box buttons, file dialogs; the
// command-line tools show none and load nothing). Returns it (owned by app), or nullptr when
// none was loaded.
QTranslator* Installiere(QCoreApplication& app, bool toolkit = true);

// The format with each placeholder %1 ... %99 replaced by that argument, in one pass: a
// placeholder inside an argument (a user's "%2") stays as it is. A placeholder without an
// argument stays too.
QString Fuelle(const QString& format, const QStringList& argumente);

// For code that speaks std::string: the format translated in kontext, with %1, %2, ... filled
// by the arguments (Fuelle; German where no translation is installed).
std::string Text(const char* kontext, const char* format,
                 std::initializer_list<std::string_view> argumente = {});

} // namespace sprache
