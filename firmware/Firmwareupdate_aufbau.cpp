// Construction of the firmware update window: the menu bar, the controls with their
// design-time texts and places in the 409 x 401 client area, the timers, and the connection of
// every event to its handler.
#include "firmware/Firmwareupdate.h"

#include "widgets/platzieren.h"
#include "widgets/schriften.h"

#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int ClientBreite = 409, ClientHoehe = 401;

using platzieren::Beschriftung;
using platzieren::Platziere;

// A view of lines that keeps what it shows: typing, pasting and deleting are discarded, while
// the text can still be selected and copied.
QPlainTextEdit* Textansicht(QWidget* eltern, const char* name, int y, int hoehe) {
    auto* t = Platziere(new QPlainTextEdit(eltern), name, 8, y, 393, hoehe);
    t->setReadOnly(true);
    t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    t->setLineWrapMode(QPlainTextEdit::NoWrap);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return t;
}

} // namespace

void TFormFirmwareupdate::BaueOberflaeche() {
    setWindowTitle(tr("Firmwareupdate"));
    setFont(schriften::Fenster());

    auto* menue = new QMenuBar(this);
    menue->setObjectName(QStringLiteral("MainMenu1"));
    // Reachable from the keyboard: Alt+D in the menu bar, Ctrl+O anywhere in the window.
    QAction* datei = menue->addAction(tr("&Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    datei->setShortcut(QKeySequence::Open);
    datei->setShortcutContext(Qt::WindowShortcut);
    addAction(datei);
    const int menueHoehe = menue->sizeHint().height();
    menue->setGeometry(0, 0, ClientBreite, menueHoehe);

    auto* c = new QWidget(this);
    c->setObjectName(QStringLiteral("Client"));
    c->setGeometry(0, menueHoehe, ClientBreite, ClientHoehe);
    setFixedSize(ClientBreite, menueHoehe + ClientHoehe);

    Button1 = Platziere(new QPushButton(tr("Start"), c), "Button1", 8, 8, 75, 25);
    Button1->setAutoDefault(false);
    Beschriftung(tr("Clear Flash:"), c, 104, 14);
    LabelClearOK = Platziere(new QLabel(QStringLiteral("??"), c), "LabelClearOK", 168, 14, 40, 14);
    Beschriftung(tr("sende Zeile:"), c, 232, 14);
    LabelSendeZeile =
        Platziere(new QLabel(QStringLiteral("0"), c), "LabelSendeZeile", 296, 14, 100, 14);

    Beschriftung(tr("Datei:"), c, 8, 44);
    LabelDatei = Platziere(new QLabel(QStringLiteral(" "), c), "LabelDatei", 44, 46, 357, 12);
    QFont klein = schriften::Fenster();
    klein.setPixelSize(8);
    LabelDatei->setFont(klein);
    Beschriftung(tr("Anzahl Zeilen:"), c, 8, 64);
    LabelZeilen = Platziere(new QLabel(QStringLiteral("??"), c), "LabelZeilen", 88, 64, 60, 14);
    Beschriftung(tr("Anzal Segmente:"), c, 176, 64);
    LabelAnzalSeg =
        Platziere(new QLabel(QStringLiteral("??"), c), "LabelAnzalSeg", 264, 64, 60, 14);

    RichEditTXTfile = Textansicht(c, "RichEditTXTfile", 84, 105);
    RichEditRxBootloader = Textansicht(c, "RichEditRxBootloader", 196, 164);
    // The monitor's notes are sentences: wrapped at the edge, not cut off.
    RichEditRxBootloader->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RichEditRxBootloader->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ProgressBar1 = Platziere(new QProgressBar(c), "ProgressBar1", 8, 368, 393, 17);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    auto timer = [this](const char* name, std::chrono::milliseconds ms, bool einmal) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(ms);
        t->setSingleShot(einmal);
        return t;
    };
    Timer1 = timer("Timer1", uebertragung::AnzeigeTakt, false);
    TimerStartmeldung = timer("TimerStartmeldung", uebertragung::StartmeldungVerzug, true);
    TimerAntwort = timer("TimerAntwort", uebertragung::AntwortFrist, true);

    auto bei = [this](auto* sender, auto signal, auto handler) {
        lauf_.Bei(sender, signal, this, handler);
    };
    bei(datei, &QAction::triggered, &TFormFirmwareupdate::Datei1Click);
    bei(Button1, &QPushButton::clicked, &TFormFirmwareupdate::Button1Click);
    bei(Timer1, &QTimer::timeout, &TFormFirmwareupdate::Timer1Timer);
    bei(TimerStartmeldung, &QTimer::timeout, &TFormFirmwareupdate::TimerStartmeldungTimer);
    bei(TimerAntwort, &QTimer::timeout, &TFormFirmwareupdate::TimerAntwortTimer);
}
