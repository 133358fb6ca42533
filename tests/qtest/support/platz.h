#pragma once
// Room for captions: what a widget shows of its caption and how much room that needs, and
// every caption of a window narrower than its text or two controls lying on each other.
// Shared by the font test (German) and the English test.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <optional>

namespace {

// What a widget shows of its caption, and how much room the caption needs.
struct Beschriftung {
    QString text;
    int braucht = 0;
};
inline std::optional<Beschriftung> BeschriftungVon(QWidget* w) {
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return std::nullopt;
        return Beschriftung{l->text(), l->sizeHint().width()};
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) // its size hint asks for more than the text
        return Beschriftung{b->text(), fm.horizontalAdvance(b->text()) +
                                           2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin)};
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (b->text().isEmpty()) return std::nullopt; // an arrow or a picture, no caption
        return Beschriftung{b->text(), b->sizeHint().width()};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return Beschriftung{g->title(), fm.horizontalAdvance(g->title())};
    return std::nullopt;
}

// Captions narrower than their text, and controls of one parent lying on each other.
inline QStringList Platzprobleme(QWidget* fenster) {
    QStringList probleme;
    QList<QWidget*> steuer;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenster)) continue;
        if (const auto b = BeschriftungVon(w); b && w->width() < b->braucht)
            probleme << QStringLiteral("\"%1\" needs %2 px, has %3")
                            .arg(b->text)
                            .arg(b->braucht)
                            .arg(w->width());
        // The edit inside a spin or combo box is part of it, not a control beside it.
        const bool innen =
            qobject_cast<QLineEdit*>(w) && (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
                                            qobject_cast<QComboBox*>(w->parentWidget()));
        if (!innen && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                       qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                       qobject_cast<QComboBox*>(w)))
            steuer << w;
    }
    for (int i = 0; i < steuer.size(); ++i)
        for (int j = i + 1; j < steuer.size(); ++j)
            if (steuer[i]->parent() == steuer[j]->parent() &&
                steuer[i]->geometry().intersects(steuer[j]->geometry()))
                probleme << QStringLiteral("%1 overlaps %2")
                                .arg(steuer[i]->objectName(), steuer[j]->objectName());
    return probleme;
}

} // namespace
