#include "widgets/updownedit.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>

UpDownEdit::UpDownEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &UpDownEdit::textChanged);
    lineEdit()->installEventFilter(this);
}

void UpDownEdit::setBereich(int minimum, int maximum, int schritt) {
    min_ = minimum;
    max_ = maximum;
    schritt_ = schritt;
    position_ = minimum;
}

void UpDownEdit::setMaxLaenge(int zeichen) {
    lineEdit()->setMaxLength(zeichen);
}

QString UpDownEdit::text() const {
    return lineEdit()->text();
}

void UpDownEdit::setText(const QString& text) {
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void UpDownEdit::stepBy(int steps) {
    // Like an up/down bound to its edit: start from the number the edit shows, or from the
    // arrows' own position when the text is no number.
    bool ok = false;
    const int gelesen = text().trimmed().toInt(&ok);
    long long wert = ok ? gelesen : position_;
    const int richtung = max_ >= min_ ? 1 : -1;
    wert += static_cast<long long>(steps) * schritt_ * richtung;
    const int lo = std::min(min_, max_), hi = std::max(min_, max_);
    wert = std::clamp<long long>(wert, lo, hi);
    position_ = static_cast<int>(wert);
    setText(QString::number(position_));
}

QValidator::State UpDownEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled UpDownEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QSize UpDownEdit::sizeHint() const {
    QSize s = QAbstractSpinBox::sizeHint();
    s.setWidth(std::min(s.width(), 80));
    return s;
}

bool UpDownEdit::eventFilter(QObject* obj, QEvent* ev) {
    if (obj == lineEdit() && ev->type() == QEvent::MouseButtonPress) emit geklickt();
    return QAbstractSpinBox::eventFilter(obj, ev);
}
