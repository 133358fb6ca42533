#include "firmware/Firmwareupdate.h"

#include "basis/dateizugriff.h"
#include "basis/fehler.h"
#include "geraet/bootloaderhinweise.h"
#include "widgets/dialoge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStringList>
#include <QTimer>
#include <algorithm>

namespace {

QString Achtung() {
    return QCoreApplication::translate("TFormFirmwareupdate", "A C H T U N G");
}
QString Warnung() {
    return QCoreApplication::translate("TFormFirmwareupdate", "WARNUNG");
}

QString Anleitung() {
    return QStringList{
        QCoreApplication::translate("TFormFirmwareupdate",
                                    "  1. Schalten Sie nun die Trackersteuerung ab."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "  2. Schalten Sie die Schaltwippe für manuelles Tracken auf OST oder WEST."),
        QCoreApplication::translate("TFormFirmwareupdate",
                                    "  3. Halten den Servicetaster gedrückt."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "  4. Starten Sie nun die Trackersteuerung durch anlegen der Versorgungsspannung."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "  5. Die Trackersteuerung meldet sich im Monitorfenster mit der Version "
            "des Bootloaders."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "  6. Nun lösen Sie den Servicetaster, laden eine neue Programmdatei und beginnen "
            "mit START."),
    }
        .join(QStringLiteral("\r\n"));
}

QString Erfolg() {
    return QStringList{
        QCoreApplication::translate("TFormFirmwareupdate", "Die Programmierung war erfolgreich"),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "       Bitte stellen Sie die Schalterwippe zum manuellem Tracken in neutralle "
            "Mittelstellung"),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "       und unterbrechen die Spannungsversorgung der Trackersteuerung."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "       Nach 2-3s schalten Sie die Versorgungsspannung wieder ein."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "       Die Trackersteuerung sollte jetzt mit der neuen Software starten."),
        QCoreApplication::translate(
            "TFormFirmwareupdate",
            "\t   Die Versionsnummer können Sie oben im Fenster \"Tracker Parametrierung "
            "ablesen\"."),
    }
        .join(QStringLiteral("\r\n"));
}

// The monitor's note on an overdue reply: what waits, and what the user can do here.
QString Verzugstext(const uebertragung::Verzug& v) {
    const QString s = bootloaderhinweise::Sekunden(v.gewartet);
    using A = uebertragung::Verzug::Art;
    switch (v.art) {
    case A::PortVerloren:
        return QCoreApplication::translate(
                   "TFormFirmwareupdate",
                   "Keine Antwort des Bootloaders seit %1 s: die Verbindung zur Schnittstelle ist "
                   "verloren. Gerät und Kabel prüfen, die Schnittstelle neu bestätigen und Start "
                   "drücken.")
            .arg(s);
    case A::KeinLoeschen:
        return QCoreApplication::translate(
                   "TFormFirmwareupdate",
                   "Keine Antwort des Bootloaders seit %1 s auf das Löschen. Läuft die Steuerung "
                   "im Bootloader (beim Einschalten Servicetaste gedrückt und Kippschalter auf Ost "
                   "oder West)? Ist die richtige Schnittstelle gewählt? Start beginnt neu.")
            .arg(s);
    case A::LoeschenDauert:
        return QCoreApplication::translate(
                   "TFormFirmwareupdate",
                   "Der Bootloader löscht seit %1 s (\"Flash clear start\"), \"Flash clear OK\" "
                   "fehlt noch. Die Übertragung wartet; Start beginnt neu.")
            .arg(s);
    case A::KeineQuittung:
        return QCoreApplication::translate(
                   "TFormFirmwareupdate",
                   "Keine Antwort des Bootloaders seit %1 s auf Zeile %2%3. Die Übertragung "
                   "wartet; Start beginnt neu.")
            .arg(s)
            .arg(v.zeile)
            .arg(bootloaderhinweise::Wo(v));
    }
    return {};
}

QString KeinImage() {
    return QCoreApplication::translate(
        "TFormFirmwareupdate", "Bitte laden Sie erst ein gültiges *.txt File (TI Hex Format!)");
}

} // namespace

TFormFirmwareupdate::TFormFirmwareupdate(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormFirmwareupdate"));
    BaueOberflaeche();
}

TFormFirmwareupdate::~TFormFirmwareupdate() = default;

void TFormFirmwareupdate::SetzeSender(Sender sender) {
    sender_ = std::move(sender);
}

void TFormFirmwareupdate::BootloaderZeile(const QByteArray& zeile) {
    if (!isVisible()) return;
    lauf_.Ereignis([&] {
        transfer_.BootloaderZeile(
            std::string_view(zeile.constData(), static_cast<std::size_t>(zeile.size())));
        // The erase answers with lines of its own before "Flash clear OK": each one restarts
        // the wait for the next.
        if (transfer_.Loescht())
            TimerAntwort->start();
        else if (!transfer_.WartetAufAntwort())
            TimerAntwort->stop();
    });
}

void TFormFirmwareupdate::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    // Restoring from the task bar is no new showing.
    if (!ev->spontaneous()) lauf_.Ereignis([this] { FormShow(); });
}

void TFormFirmwareupdate::hideEvent(QHideEvent* ev) {
    QDialog::hideEvent(ev);
    if (ev->spontaneous()) return;
    TimerStartmeldung->stop();
    Timer1->stop();
    TimerAntwort->stop();
    transfer_.Beende();
}

void TFormFirmwareupdate::keyPressEvent(QKeyEvent* ev) {
    // Esc does not close the window: a stray key must not end a transfer.
    if (ev->key() == Qt::Key_Escape) {
        ev->accept();
        return;
    }
    QDialog::keyPressEvent(ev);
}

void TFormFirmwareupdate::FormShow() {
    TimerStartmeldung->start();
}

void TFormFirmwareupdate::TimerStartmeldungTimer() {
    TimerStartmeldung->stop();
    dialoge::Meldung(this, Achtung(), Anleitung(), QMessageBox::NoIcon);
    // From here on the monitor shows what the bootloader reports once it is switched on.
    RichEditRxBootloader->clear();
    // The next step is Start, from the keyboard too.
    Button1->setFocus();
}

void TFormFirmwareupdate::Datei1Click() {
    QString gewaehlt =
        dialoge::DateiOeffnen(this, tr("TI HEX Format"), letzteDatei_, QStringLiteral("*.txt"));
    if (gewaehlt.isEmpty()) return;
    if (const QFileInfo info(gewaehlt); !info.fileName().contains(u'.') && !info.exists())
        gewaehlt += QStringLiteral(".txt");
    const std::optional<QByteArray> inhalt = dateizugriff::Lies(gewaehlt);
    if (!inhalt)
        throw BenutzerFehler(
            tr("Die Datei %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(gewaehlt)));
    letzteDatei_ = gewaehlt;
    // Whatever an earlier load passed, this one decides alone.
    dateiGueltig_ = false;
    image_ = titxt::Zeilen(
        std::string_view(inhalt->constData(), static_cast<std::size_t>(inhalt->size())));

    QStringList zeilen;
    zeilen.reserve(static_cast<qsizetype>(image_.size()));
    for (const std::string& z : image_)
        zeilen << QString::fromLatin1(z.data(), static_cast<qsizetype>(z.size()));
    RichEditTXTfile->setPlainText(zeilen.join(u'\n'));
    LabelDatei->setText(QDir::toNativeSeparators(QFileInfo(gewaehlt).absoluteFilePath()));
    LabelZeilen->setText(QString::number(image_.size()));

    const titxt::Pruefung p = titxt::Pruefe(image_);
    LabelAnzalSeg->setText(QString::number(p.segmente));
    dateiGueltig_ = p.gueltig;
    if (!p.gueltig)
        dialoge::Meldung(this, Warnung(),
                         tr("Diese Datei kann nicht übertragen werden:") + QStringLiteral("\r\n") +
                             QString::fromUtf8(p.fehler),
                         QMessageBox::NoIcon);
}

void TFormFirmwareupdate::Button1Click() {
    transfer_.Ruecksetzen();
    TimerAntwort->stop();
    LabelClearOK->setText(QStringLiteral("??"));
    RichEditRxBootloader->clear();
    if (!dateiGueltig_) {
        dialoge::Meldung(this, Warnung(), KeinImage(), QMessageBox::NoIcon);
        return;
    }
    ProgressBar1->setRange(0, static_cast<int>(image_.size()) - 1);
    transfer_.Loeschen(image_);
}

void TFormFirmwareupdate::Timer1Timer() {
    const int index = transfer_.ZeilenIndex();
    LabelSendeZeile->setText(QString::number(index));
    ProgressBar1->setValue(std::clamp(index, ProgressBar1->minimum(), ProgressBar1->maximum()));
}

void TFormFirmwareupdate::TimerAntwortTimer() {
    const auto verzug = transfer_.Ueberfaellig(std::chrono::milliseconds(TimerAntwort->interval()),
                                               !portOffen_ || portOffen_());
    if (verzug) MonitorZeile(Verzugstext(*verzug));
}

void TFormFirmwareupdate::ZeilenVerloren(qint64 anzahl) {
    if (!isVisible()) return;
    MonitorZeile(tr("Empfang überlastet: %1 Zeilen des Bootloaders verworfen. Gerät und "
                    "Schnittstelle prüfen und Start drücken.")
                     .arg(anzahl));
}

void TFormFirmwareupdate::SetzePortAbfrage(std::function<bool()> portOffen) {
    portOffen_ = std::move(portOffen);
}

void TFormFirmwareupdate::MonitorZeile(const QString& text) {
    RichEditRxBootloader->appendPlainText(text);
}

bool TFormFirmwareupdate::Sende(std::span<const std::uint8_t> rahmen) {
    const bool ok = sender_ && sender_(rahmen);
    // Each frame waits for its reply anew; so does an erase that went out.
    if (ok || transfer_.LoeschenBestaetigt()) TimerAntwort->start();
    return ok;
}

void TFormFirmwareupdate::Notiere(const uebertragung::Notiz& n) {
    using A = uebertragung::Notiz::Art;
    switch (n.art) {
    case A::Antwort:
    case A::FremdeZeile:
        MonitorZeile(bootloaderhinweise::Zeilentext(n.text));
        return;
    case A::Programmierung:
        MonitorZeile(tr("Starte Programmierung"));
        return;
    case A::Adresszeiger:
        MonitorZeile(tr("Schreibe Adresszeiger im Flash %1").arg(QString::fromLatin1(n.text)));
        return;
    case A::Wiederholung:
        MonitorZeile(tr("Empfangsfehler! Wiederhole"));
        return;
    case A::Aufgegeben: // the window sets no limit
        MonitorZeile(tr("Zeile %1 nach %2 Wiederholungen nicht angenommen. Start beginnt neu.")
                         .arg(n.zeile)
                         .arg(n.wiederholung));
        return;
    case A::Fertig:
        MonitorZeile(tr("Programmierung fertig.\n Bitte trennen Sie die Spannung und starten Sie "
                        "das Gerät neu!"));
        return;
    }
}

void TFormFirmwareupdate::Panel(uebertragung::Panelstand stand) {
    switch (stand) {
    case uebertragung::Panelstand::Loeschen:
        emit panelText(3, QStringLiteral("Flash clear"));
        return;
    case uebertragung::Panelstand::Zeile:
        emit panelText(3, QStringLiteral("Flash ADDR"));
        return;
    case uebertragung::Panelstand::Sendefehler:
        emit panelText(3, tr("FEHLER beim senden!"));
        return;
    }
}

void TFormFirmwareupdate::ClearOK() {
    LabelClearOK->setText(tr("OK"));
}

void TFormFirmwareupdate::Fortschritt(bool an) {
    if (an)
        Timer1->start();
    else
        Timer1->stop();
}

void TFormFirmwareupdate::Fertig() {
    dialoge::Meldung(this, Achtung(), Erfolg(), QMessageBox::NoIcon);
    accept();
}
