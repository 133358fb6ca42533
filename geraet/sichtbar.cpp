#include "geraet/sichtbar.h"

#include <QList>

namespace sichtbar {

namespace {

bool Zeigbar(char32_t c) {
    // The plain blank prints; the line and paragraph separators move the cursor.
    return c == U' ' || (QChar::isPrint(c) && QChar::category(c) != QChar::Separator_Line &&
                         QChar::category(c) != QChar::Separator_Paragraph);
}

} // namespace

QString Text(QStringView text) {
    QString aus;
    aus.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (Zeigbar(c)) {
            aus += QString::fromUcs4(&c, 1);
            continue;
        }
        switch (c) {
        case U'\t':
            aus += QStringLiteral("\\t");
            break;
        case U'\r':
            aus += QStringLiteral("\\r");
            break;
        case U'\n':
            aus += QStringLiteral("\\n");
            break;
        default: {
            const int stellen = c < 0x100 ? 2 : c < 0x10000 ? 4 : 8;
            const QString art = c < 0x100     ? QStringLiteral("\\x")
                                : c < 0x10000 ? QStringLiteral("\\u")
                                              : QStringLiteral("\\U");
            aus += art + QString::number(static_cast<uint>(c), 16)
                             .toUpper()
                             .rightJustified(stellen, QLatin1Char('0'));
        }
        }
    }
    return aus;
}

bool Druckbar(QStringView text) {
    for (const char32_t c : text.toUcs4())
        if (!Zeigbar(c)) return false;
    return true;
}

} // namespace sichtbar
