#include "widgets/updownedit.h"

#include <QEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

UpDownEdit::UpDownEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& t) {
        bisher_ = t;
        emit textChanged(t);
    });
    lineEdit()->installEventFilter(this);
}

void UpDownEdit::setBereich(int minimum, int maximum, int schritt) {
    min_ = minimum;
    max_ = maximum;
    schritt_ = schritt;
    position_ = minimum;
}

void UpDownEdit::setMaxLaenge(int zeichen) {
    maxLaenge_ = zeichen;
}

QString UpDownEdit::text() const {
    return lineEdit()->text();
}

void UpDownEdit::setText(const QString& text) {
    if (lineEdit()->text() == text) return;
    // The length limit is for typing; what the program writes arrives whole.
    const QScopedValueRollback schreibt(schreibt_, true);
    lineEdit()->setText(text);
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

QValidator::State UpDownEdit::validate(QString& input, int&) const {
    // Typing stops at the limit. A longer text the program wrote may be shortened, never
    // lengthened. A rejected keystroke is undone by the edit only while its text counts as
    // valid, so what the program writes always does.
    if (!schreibt_ && maxLaenge_ > 0 && input.size() > maxLaenge_ && input.size() > bisher_.size())
        return QValidator::Invalid;
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
