#pragma once
// The geometry of a top-level window as a settings file keeps it: the place and size of the
// window frame, and for a maximised window those it returns to.
//
// A frame is known only once a window manager has framed the shown window, and it changes
// with the window's state. The window is first placed and sized as if it had no frame;
// whenever it shows in normal state with a frame it has not been fitted to, its client area
// is set so that the frame covers the wanted geometry. Window managers announce the frame of
// a new state late, and not always with an event of the window's own, hence a short watch
// after every show and change of state. A window the user moves afterwards stays where it is
// put. Without a window manager the frame is empty and the client area is the geometry.
#include <QMargins>
#include <QObject>
#include <QRect>

class QTimer;
class QWidget;

class Fenstergeometrie : public QObject {
    Q_OBJECT
public:
    explicit Fenstergeometrie(QWidget* fenster);

    // The frame's wanted place and size; call before the window is shown.
    void Setze(const QRect& aussen);
    // The frame's place and size now; for a maximised or minimised window those it returns
    // to. A maximised window that was never framed in normal state returns to Setze's.
    QRect Aussen() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QMargins Rahmen() const;
    void Anpassen();

    QWidget* fenster_;
    QRect gewuenscht_;
    bool offen_ = false;    // the wanted geometry is still to be applied
    QMargins angepasst_;    // the frame it was last applied for
    QMargins normalRahmen_; // the frame last seen in normal state
    QTimer* wache_;
    int takte_ = 0;
};
