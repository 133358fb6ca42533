#include "linkfenster/protokollmonitor.h"

#include "basis/dateizugriff.h"
#include "basis/fehler.h"
#include "geraet/messages.h"
#include "geraet/protokoll.h"
#include "widgets/dialoge.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Art = Mitschnitt::Eintrag::Art;

// Filter entries: every entry, one command byte (requests and responses alike), bootloader
// lines, or what is no valid frame.
constexpr int Alle = -1, NurZeilen = -2, Gestoert = -3;

bool IstRahmen(const Mitschnitt::Eintrag& e) {
    return (e.art == Art::Gesendet || e.art == Art::NichtGesendet || e.art == Art::Rahmen) &&
           e.bytes.size() > 1;
}

} // namespace

TFormProtokollmonitor::TFormProtokollmonitor(Mitschnitt& mitschnitt, QWidget* parent)
    : QDialog(parent), mitschnitt_(mitschnitt) {
    Baue();
}

TFormProtokollmonitor::~TFormProtokollmonitor() {
    if (senke_ != 0) mitschnitt_.Beende(senke_);
}

void TFormProtokollmonitor::Baue() {
    setObjectName(QStringLiteral("FormProtokollmonitor"));
    setWindowTitle(tr("Protokollmonitor"));
    resize(900, 420);

    Liste = new QPlainTextEdit(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setReadOnly(true);
    Liste->setLineWrapMode(QPlainTextEdit::NoWrap);
    Liste->setMaximumBlockCount(GroessteZahl);
    Liste->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    Filter = new QComboBox(this);
    Filter->setObjectName(QStringLiteral("Filter"));
    Filter->addItem(tr("Alle Kommandos"), Alle);
    const std::pair<int, const char*> kommandos[] = {
        {1, "SET Parameter"},
        {2, "Parameter"},
        {3, "SET Time"},
        {4, QT_TRANSLATE_NOOP("TFormProtokollmonitor", "Uhrzeit")},
        {5, QT_TRANSLATE_NOOP("TFormProtokollmonitor", "aktuelle Daten")},
        {6, "SET Position"},
        {7, "SET Automatik"},
        {8, "Get Status"},
        {9, "Status"},
        {10, "GET Info"},
        {11, "Info"}};
    for (const auto& [nr, name] : kommandos)
        Filter->addItem(QStringLiteral("%1: %2").arg(nr).arg(tr(name)), nr);
    Filter->addItem(tr("Bootloaderzeilen"), NurZeilen);
    Filter->addItem(tr("Rauschen und Prüfsummenfehler"), Gestoert);
    auto* filterText = new QLabel(tr("&Filter:"), this);
    filterText->setBuddy(Filter);

    Anhalten = new QPushButton(tr("&Anhalten"), this);
    Anhalten->setObjectName(QStringLiteral("Anhalten"));
    Anhalten->setCheckable(true);
    Leeren = new QPushButton(tr("&Leeren"), this);
    Leeren->setObjectName(QStringLiteral("Leeren"));
    Sichern = new QPushButton(tr("&Speichern"), this);
    Sichern->setObjectName(QStringLiteral("Speichern"));
    // Enter must not hold or clear the record by accident.
    for (QPushButton* k : {Anhalten, Leeren, Sichern})
        k->setAutoDefault(false);
    Zaehler = new QLabel(this);
    Zaehler->setObjectName(QStringLiteral("Zaehler"));

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(filterText);
    leiste->addWidget(Filter);
    leiste->addWidget(Anhalten);
    leiste->addWidget(Leeren);
    leiste->addWidget(Sichern);
    leiste->addStretch();
    leiste->addWidget(Zaehler);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(leiste);
    spalte->addWidget(Liste);

    Uhr = new QTimer(this);
    Uhr->setInterval(Takt);
    connect(Uhr, &QTimer::timeout, this, &TFormProtokollmonitor::Abholen);
    connect(Filter, &QComboBox::currentIndexChanged, this, &TFormProtokollmonitor::Zeichne);
    connect(Anhalten, &QPushButton::toggled, this, [this](bool an) {
        if (!an) Zeichne(); // what came while held
    });
    connect(Leeren, &QPushButton::clicked, this, [this] {
        eintraege_.clear();
        weggefallen_ = 0;
        Zeichne();
    });
    connect(Sichern, &QPushButton::clicked, this, &TFormProtokollmonitor::Speichern);
}

void TFormProtokollmonitor::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    if (senke_ != 0) return;
    anfang_ = Mitschnitt::Uhr::now();
    senke_ = mitschnitt_.Starte([this](const Mitschnitt::Eintrag& e) {
        std::lock_guard l(m_);
        // A flood must not fill the memory before the next tick: the oldest waiting go.
        if (wartend_.size() >= static_cast<std::size_t>(GroessteZahl)) {
            wartend_.erase(wartend_.begin());
            ++uebersprungen_;
        }
        wartend_.push_back(e);
    });
    Uhr->start();
}

void TFormProtokollmonitor::hideEvent(QHideEvent* ev) {
    // Nothing is recorded or drawn while the window is closed.
    if (senke_ != 0) mitschnitt_.Beende(std::exchange(senke_, 0));
    Uhr->stop();
    Abholen();
    QDialog::hideEvent(ev);
}

void TFormProtokollmonitor::Abholen() {
    std::vector<Mitschnitt::Eintrag> neu;
    qint64 uebersprungen = 0;
    {
        std::lock_guard l(m_);
        neu.swap(wartend_);
        uebersprungen = std::exchange(uebersprungen_, 0);
    }
    if (neu.empty() && uebersprungen == 0) return;
    weggefallen_ += uebersprungen;
    QStringList zeilen;
    for (Mitschnitt::Eintrag& e : neu) {
        if (eintraege_.size() >= static_cast<std::size_t>(GroessteZahl)) {
            eintraege_.pop_front();
            ++weggefallen_;
        }
        if (!Anhalten->isChecked() && Passt(e)) zeilen << protokoll::Zeile(e, anfang_);
        eintraege_.push_back(std::move(e));
    }
    if (!zeilen.isEmpty()) Liste->appendPlainText(zeilen.join(u'\n'));
    Zaehler->setText(tr("%1 Einträge, %2 weggefallen").arg(eintraege_.size()).arg(weggefallen_));
}

bool TFormProtokollmonitor::Passt(const Mitschnitt::Eintrag& e) const {
    const int f = Filter->currentData().toInt();
    switch (f) {
    case Alle:
        return true;
    case NurZeilen:
        return e.art == Art::Zeile || e.art == Art::Zeilenanfang;
    case Gestoert:
        return e.art == Art::Rauschen || e.art == Art::PruefsummeFalsch ||
               e.art == Art::Unvollendet || e.art == Art::Verworfen;
    default:
        return IstRahmen(e) && e.bytes[1] == f;
    }
}

void TFormProtokollmonitor::Zeichne() {
    QStringList zeilen;
    for (const Mitschnitt::Eintrag& e : eintraege_)
        if (Passt(e)) zeilen << protokoll::Zeile(e, anfang_);
    Liste->setPlainText(zeilen.join(u'\n'));
    Liste->moveCursor(QTextCursor::End);
    Zaehler->setText(tr("%1 Einträge, %2 weggefallen").arg(eintraege_.size()).arg(weggefallen_));
}

QStringList TFormProtokollmonitor::Zeilen() const {
    const QString text = Liste->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void TFormProtokollmonitor::Speichern() {
    const QString pfad = dialoge::DateiSpeichern(
        this, tr("Protokoll speichern"), QStringLiteral("protokoll.txt"), QStringLiteral("*.txt"));
    if (pfad.isEmpty()) return;
    // Every entry kept, whatever the filter shows: the record's own format.
    QByteArray inhalt;
    for (const Mitschnitt::Eintrag& e : eintraege_)
        inhalt += (protokoll::Zeile(e, anfang_) + u'\n').toUtf8();
    if (!dateizugriff::Ersetze(pfad, [&](const QByteArray&) { return inhalt; }))
        dialoge::Meldung(this, tr("Protokollmonitor"), SchreibFehler(pfad).meldung());
}
