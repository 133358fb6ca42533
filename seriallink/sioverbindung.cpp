#include "seriallink/sioverbindung.h"

#include "basis/programmdateien.h"
#include "seriallink/mitschnitt.h"
#include "seriallink/portliste.h"
#include "seriallink/rahmen.h"
#include "seriallink/sendeweg.h"
#include "seriallink/serthread.h"

#include <QElapsedTimer>
#include <QMetaObject>

SioVerbindung::SioVerbindung(QObject* parent)
    : QObject(parent), mitschnitt_(std::make_unique<Mitschnitt>()),
      sendeweg_(std::make_unique<Sendeweg>()), empfang_(std::make_unique<Empfangsstelle>([this] {
          // One queued call for what waits: the GUI thread takes the finds in the order
          // they were made.
          QMetaObject::invokeMethod(this, &SioVerbindung::Abholen, Qt::QueuedConnection);
      })) {
    empfang_->SetzeMitschnitt(mitschnitt_.get());
}

SioVerbindung::~SioVerbindung() {
    Freigeben();
}

void SioVerbindung::SioInit(const Oeffnung& o) {
    SetzeComPortNr(o.ComPortNr);
    const int nr = o.ComPortNr;
    if (!o.Initialisieren) {
        emit ereignis(Linkereignis(Linkereignis::Art::NichtInitialisiert, nr));
        return;
    }
    if (portOffen_) SioClose();
    QString geraet;
    const auto scheitern = [&](Linkereignis::Grund grund, int fehlernummer,
                               const serial::Oeffnungsfehler& oeffnung = {}) {
        Linkereignis e{Linkereignis::Art::OeffnenGescheitert, nr};
        e.grund = grund;
        e.geraet = geraet;
        e.fehlernummer = fehlernummer;
        e.oeffnung = oeffnung;
        e.ursache = fehlernummer != 0 ? serial::Systemtext(fehlernummer) : oeffnung.systemtext;
        emit ereignis(e);
    };
    const QString datei =
        einstellungsdatei_.isEmpty() ? programmdateien::Einstellungsdatei() : einstellungsdatei_;
    geraet = o.Geraet.isEmpty() ? portliste::GeraetFuer(nr, datei) : o.Geraet;
    serial::Oeffnungsfehler fehler;
    port_ = serial::OpenComPort(geraet, o.Einstellungen, o.Empfangspuffer, o.Sendepuffer,
                                beobachter_, &fehler);
    if (!port_) {
        if (fehler.art == serial::Oeffnungsfehler::Art::KeinGeraet)
            scheitern(Linkereignis::Grund::KeinGeraet, 0);
        else
            scheitern(Linkereignis::Grund::Oeffnung, 0, fehler);
        return;
    }
    ++zyklus_;
    fehlerGemeldet_ = false;
    mitschnitt_->NeuerPort();
    // Out of descriptors or threads: a failed open like any other, never an abort.
    if (const int f = sendeweg_->Oeffne(*port_); f != 0) {
        Freigeben();
        scheitern(Linkereignis::Grund::KeinSendethread, f);
        return;
    }
    if (int f = 0; !empfang_->StartSerThread(*port_, zyklus_, &f)) {
        Freigeben();
        scheitern(Linkereignis::Grund::KeinEmpfangsthread, f);
        return;
    }
    portOffen_ = true;
    offeneNr_ = nr;
    Linkereignis e{Linkereignis::Art::Geoeffnet, nr};
    e.baudtext = o.Baudtext;
    e.geraet = geraet;
    emit ereignis(e);
    // DTR stays raised while the port is open; a port without the line does not mind.
    serial::SetzeDtr(*port_, true);
    emit geoeffnet();
}

void SioVerbindung::SioClose() {
    if (!portOffen_) return;
    // The descriptor is released whatever close() reports, so the port counts as closed
    // either way: a PortOffen with nothing behind it would let the menus skip the dialog.
    const bool ok = Freigeben();
    portOffen_ = false;
    emit ereignis(Linkereignis(
        ok ? Linkereignis::Art::Geschlossen : Linkereignis::Art::SchliessenGescheitert, offeneNr_));
}

bool SioVerbindung::Freigeben() {
    // The receiver leaves its loop before the descriptor goes away, and so does the
    // transmit path's thread. What it found and the GUI thread has not taken yet belongs to
    // this port: handed on later, it would pass for the next port's.
    empfang_->StopSerThread();
    empfang_->VerwirfWartende();
    sendeweg_->Schliesse();
    if (schliesser_ && port_) return schliesser_(port_);
    return serial::CloseComPort(port_);
}

void SioVerbindung::SioReInit(const Oeffnung& o) {
    if (portOffen_) SioClose();
    SioInit(o);
}

bool SioVerbindung::SioSend(const std::uint8_t* daten, unsigned anzahl) {
    if (anzahl > rahmen::GroessterRahmen || (!daten && anzahl > 0)) return false;
    if (!sendeweg_->Offen()) return false;
    // The controller's status poll starts again with every request, not during an update.
    if (!FirmwareModus()) emit gesendet();
    if (!mitschnitt_->An()) return sendeweg_->Sende({daten, anzahl});
    // Recorded as handed over before the bytes can leave, so that a reply is never recorded
    // before its request.
    mitschnitt_->Gesendet({daten, anzahl});
    const bool ok = sendeweg_->Sende({daten, anzahl});
    if (!ok) mitschnitt_->NichtGesendet({daten, anzahl});
    return ok;
}

bool SioVerbindung::PortOffen() const {
    return portOffen_;
}

int SioVerbindung::ComPortNr() const {
    return comPortNr_;
}

void SioVerbindung::SetzeComPortNr(int nr) {
    if (nr == comPortNr_) return;
    comPortNr_ = nr;
    emit comPortNrGeaendert(nr);
}

void SioVerbindung::SetzeFirmwareModus(bool an) {
    empfang_->SetzeFirmwareModus(an);
}

bool SioVerbindung::FirmwareModus() const {
    return empfang_->FirmwareModus();
}

void SioVerbindung::VerwirfKandidat() {
    empfang_->VerwirfKandidat();
}

int SioVerbindung::FrameZaehler() const {
    return frameZaehler_;
}

int SioVerbindung::SerRunning() const {
    return empfang_->SerRunning();
}

int SioVerbindung::Empfaenger() const {
    return empfang_->Empfaenger();
}

void SioVerbindung::SetzeEinstellungsdatei(const QString& pfad) {
    einstellungsdatei_ = pfad;
}

int SioVerbindung::Pruefsummenfehler() const {
    return pruefsummenfehler_;
}

Mitschnitt& SioVerbindung::Aufzeichnung() {
    return *mitschnitt_;
}

QString SioVerbindung::Geraet() const {
    return port_ ? port_->Geraet() : QString();
}

void SioVerbindung::SetzeLeitungsbeobachter(serial::Leitungsbeobachter beobachter) {
    beobachter_ = std::move(beobachter);
}

void SioVerbindung::SetzeSchliesser(std::function<bool(serial::ComHandle&)> schliesser) {
    schliesser_ = std::move(schliesser);
}

void SioVerbindung::SetzeEmpfangseingriff(
    std::function<void(std::span<const std::uint8_t>)> eingriff) {
    empfang_->SetzeEingriff(std::move(eingriff));
}

void SioVerbindung::Abholen() {
    // What waits is taken in order, but in slices: after Zeitscheibe the rest follows in the
    // next turn of the event loop, so the windows are drawn and the user's input is served
    // while a flooding device is drained.
    QElapsedTimer scheibe;
    scheibe.start();
    while (std::optional<Fund> f = empfang_->Naechster()) {
        Verarbeite(*f);
        if (scheibe.elapsed() >= Zeitscheibe.count()) {
            QMetaObject::invokeMethod(this, &SioVerbindung::Abholen, Qt::QueuedConnection);
            return;
        }
    }
    // All taken: finds dropped meanwhile are reported once, with their number.
    if (const std::uint64_t v = empfang_->Verworfen(); v != gemeldetVerworfen_) {
        const auto neu = v - gemeldetVerworfen_;
        gemeldetVerworfen_ = v;
        emit ueberlauf(static_cast<qint64>(neu));
    }
    if (const std::uint64_t v = empfang_->ZeilenVerworfen(); v != gemeldeteZeilen_) {
        const auto neu = v - gemeldeteZeilen_;
        gemeldeteZeilen_ = v;
        emit zeilenUeberlauf(static_cast<qint64>(neu));
    }
}

bool SioVerbindung::NichtsWartet() const {
    return empfang_->Wartend() == 0 && (!port_ || serial::GetComQueue(*port_).empfang == 0);
}

void SioVerbindung::Verarbeite(Fund& fund) {
    std::optional<Fund> f = std::move(fund);
    const auto bytes = [&f] {
        return QByteArray(reinterpret_cast<const char*>(f->bytes.data()),
                          static_cast<qsizetype>(f->bytes.size()));
    };
    switch (f->art) {
    case Fund::Art::Rahmen: {
        Linkereignis e{Linkereignis::Art::Rahmen, offeneNr_};
        e.zahl = frameZaehler_;
        emit ereignis(e);
        ++frameZaehler_;
        emit rahmenEmpfangen(bytes());
        break;
    }
    case Fund::Art::PruefsummenFehler: {
        pruefsummenfehler_ += static_cast<int>(f->anzahl);
        Linkereignis e{Linkereignis::Art::Pruefsummenfehler, offeneNr_};
        e.zahl = static_cast<qint64>(f->anzahl);
        emit ereignis(e);
        break;
    }
    case Fund::Art::Zeile:
        emit bootloaderZeile(bytes());
        break;
    case Fund::Art::Lesefehler:
        if (portOffen_ && f->zyklus == zyklus_) Systemfehler(f->fehlernummer);
        break;
    case Fund::Art::PortWeg:
        if (portOffen_ && f->zyklus == zyklus_) PortVerloren(f->fehlernummer);
        break;
    }
}

void SioVerbindung::PortVerloren(int fehlernummer) {
    const QString geraet = Geraet();
    // The receiver has stopped already; the descriptor is released so that the device can
    // be opened again (a USB adapter plugged back in).
    Freigeben();
    portOffen_ = false;
    Linkereignis e{Linkereignis::Art::PortVerloren, offeneNr_};
    e.geraet = geraet;
    e.fehlernummer = fehlernummer;
    e.ursache = serial::Systemtext(fehlernummer);
    emit ereignis(e);
    Systemfehler(fehlernummer);
}

void SioVerbindung::Systemfehler(int fehlernummer) {
    // Once per open: a failing port must not bury the user under messages.
    if (fehlerGemeldet_) return;
    fehlerGemeldet_ = true;
    Linkereignis e{Linkereignis::Art::Systemfehler, offeneNr_};
    e.fehlernummer = fehlernummer;
    e.ursache = serial::Systemtext(fehlernummer);
    emit ereignis(e);
}
