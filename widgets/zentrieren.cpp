#include "widgets/zentrieren.h"

#include <QScreen>
#include <QWidget>

void ZentriereAufBildschirm(QWidget* fenster) {
    const QScreen* s = fenster->screen();
    if (!s) return;
    QRect r = fenster->frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    fenster->move(r.topLeft());
}
