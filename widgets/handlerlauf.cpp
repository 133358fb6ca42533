#include "widgets/handlerlauf.h"

#include "basis/fehler.h"
#include "basis/produkt.h"
#include "widgets/dialoge.h"
#include "widgets/updownedit.h"

#include <QScopedValueRollback>
#include <exception>
#include <utility>

namespace {

// The event that runs now, the same for every window's runner.
struct Lauf {
    int tiefe = 0;
    std::exception_ptr abbruch; // a nested handler's failure, for the writer that fired it
    bool zeigtFehler = false;   // a failure's box is open
};
Lauf lauf;

// The text a failure shows: the message of a BenutzerFehler, else what() as UTF-8.
QString FehlerText(const std::exception_ptr& fehler) {
    try {
        std::rethrow_exception(fehler);
    } catch (const BenutzerFehler& b) {
        return b.meldung();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

} // namespace

void Handlerlauf::Ereignis(const std::function<void()>& f) {
    std::exception_ptr fehler;
    {
        struct Tiefe {
            Tiefe() { ++lauf.tiefe; }
            ~Tiefe() { --lauf.tiefe; }
        } tiefe;
        if (lauf.tiefe == 1) lauf.abbruch = nullptr; // nothing stale from an earlier event
        try {
            f();
        } catch (const std::exception&) {
            fehler = std::current_exception();
        }
    }
    if (!fehler) return;
    if (lauf.tiefe > 0) {
        if (!lauf.abbruch) lauf.abbruch = fehler; // the writer that fired this handler stops too
        return;
    }
    lauf.abbruch = nullptr;
    // Timers keep ticking while the box is open; their failures do not stack further boxes.
    if (lauf.zeigtFehler) return;
    const QScopedValueRollback<bool> zeigt(lauf.zeigtFehler, true);
    dialoge::Meldung(fenster_, produkt::Titel(), FehlerText(fehler), QMessageBox::Critical);
}

void Handlerlauf::SetzeText(UpDownEdit* edit, const QString& text) {
    edit->setText(text);
    if (lauf.abbruch) std::rethrow_exception(std::exchange(lauf.abbruch, nullptr));
}
