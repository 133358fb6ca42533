#pragma once
// What the service tool writes: results on standard output, messages and progress on standard
// error. Every character that would not print as itself is shown as its code, the line feeds
// and tabs of the text excepted: what a message repeats from a file or a device (already escaped
// where it is repeated) can never drive the terminal.
#include <QString>

namespace dienst {

void Aus(const QString& text);
// "heliowendler-service: " + text + line feed.
void Fehlermeldung(const QString& text);
// One progress line on standard error.
void Fortschritt(const QString& zeile);

} // namespace dienst
