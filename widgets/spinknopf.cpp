#include "widgets/spinknopf.h"

#include <QCoreApplication>
#include <QToolButton>
#include <QVBoxLayout>

TCSpinButton::TCSpinButton(QWidget* parent) : QWidget(parent) {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto knopf = [this, spalte](Qt::ArrowType pfeil, const char* name, const QString& text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(pfeil);
        b->setAutoRepeat(true);
        b->setAccessibleName(text);
        // Reachable with Tab and pressed with the space bar, like any button.
        b->setFocusPolicy(Qt::StrongFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        spalte->addWidget(b);
        return b;
    };
    auf_ = knopf(Qt::UpArrow, "Auf", QCoreApplication::translate("Spinknopf", "größer"));
    ab_ = knopf(Qt::DownArrow, "Ab", QCoreApplication::translate("Spinknopf", "kleiner"));
    connect(auf_, &QToolButton::clicked, this, &TCSpinButton::UpClick);
    connect(ab_, &QToolButton::clicked, this, &TCSpinButton::DownClick);
}
