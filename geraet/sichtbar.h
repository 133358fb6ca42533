#pragma once
// Text that came from a file or a device, made safe to repeat in a message on a terminal: a
// control character (an escape sequence that sets the terminal's title or clears it, a
// carriage return that overwrites the line) and any other character that prints nothing
// (format characters such as a right-to-left override, unassigned or private code points,
// line separators) is shown as its code: \x1B, \u202E, \t.
#include <QString>
#include <QStringView>

namespace sichtbar {

QString Text(QStringView text);
// Whether every character of text prints as itself (Text leaves it unchanged).
bool Druckbar(QStringView text);

} // namespace sichtbar
