#pragma once
// Runs the application's event handlers: a failure ends the running handler, and the user
// sees its message in one box. A handler that runs inside another one (fired by a text the
// outer one writes) hands its failure outwards unchanged, so the writer stops as well and
// only the outermost handler shows it.
//
// GUI thread only. The handlers of all windows run one at a time on that thread, so every
// runner shares the one event that runs now: a window that writes another window's edits
// stops at their failure as at its own, and while a failure's box is open (timers keep
// ticking in its event loop) no further box stacks on it.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;
class UpDownEdit;

class Handlerlauf {
public:
    // fenster: the parent of the message box.
    explicit Handlerlauf(QWidget* fenster) : fenster_(fenster) {}

    // Runs f as an event does. A std::exception ends it: at the outermost level its message
    // is shown; inside another handler it is kept for the writer that fired this one.
    void Ereignis(const std::function<void()>& f);
    // Writes an edit's text; a failure of the change handling it fires is thrown on here,
    // with its own type.
    void SetzeText(UpDownEdit* edit, const QString& text);
    // Connects a signal to a handler of the window that runs as an event (Ereignis). The
    // window is the connection's context, so the connection ends with it.
    template <class Sender, class Signal, class Fenster>
    void Bei(Sender* sender, Signal signal, Fenster* fenster, void (Fenster::*handler)()) {
        QObject::connect(sender, signal, fenster, [this, fenster, handler] {
            Ereignis([fenster, handler] { (fenster->*handler)(); });
        });
    }

private:
    QWidget* fenster_;
};
