#pragma once
// A spin button without an edit of its own: two small arrow buttons, one above the other,
// that only report their clicks. The owner decides what a click does to the value it shows
// elsewhere (the interface dialog halves and doubles its queue sizes with it).
#include <QWidget>

class QToolButton;

class TCSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TCSpinButton(QWidget* parent = nullptr);

    QToolButton* Auf() const { return auf_; }
    QToolButton* Ab() const { return ab_; }

signals:
    void UpClick();
    void DownClick();

private:
    QToolButton* auf_;
    QToolButton* ab_;
};
