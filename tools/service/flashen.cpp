#include "tools/service/flashen.h"

#include "basis/dateizugriff.h"
#include "geraet/bootloaderhinweise.h"
#include "geraet/titxt.h"
#include "geraet/uebertragung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace dienst {

namespace {

// A bootloader line as the progress shows it: in quotes, control bytes as escapes, so a
// trailing blank or a stray line feed can be seen and does not break the display.
QString Sichtbar(std::string_view zeile) {
    QString t = QStringLiteral("\"");
    for (const char c : zeile) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r')
            t += QStringLiteral("\\r");
        else if (b == '\n')
            t += QStringLiteral("\\n");
        else if (b < 0x20 || b == 0x7F)
            t += QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
        else
            t += QChar(b); // ISO 8859-1, one character a byte
    }
    return t + u'"';
}

// The note on an overdue reply: what waited, and what to do with the tool.
QString Verzugstext(const uebertragung::Verzug& v) {
    const QString s = bootloaderhinweise::Sekunden(v.gewartet);
    using A = uebertragung::Verzug::Art;
    switch (v.art) {
    case A::PortVerloren:
        return QCoreApplication::translate(
                   "heliowendler-service",
                   "Keine Antwort des Bootloaders seit %1 s: die Verbindung zur Schnittstelle ist "
                   "verloren. Gerät und Kabel prüfen und flash erneut aufrufen.")
            .arg(s);
    case A::KeinLoeschen:
        return QCoreApplication::translate("heliowendler-service",
                                           "Keine Antwort des Bootloaders seit %1 s auf das "
                                           "Löschen. Läuft die Steuerung im "
                                           "Bootloader (beim Einschalten Servicetaste gedrückt und "
                                           "Kippschalter auf Ost oder "
                                           "West)? Nennt --port die richtige Schnittstelle?")
            .arg(s);
    case A::LoeschenDauert:
        return QCoreApplication::translate(
                   "heliowendler-service",
                   "Der Bootloader löscht seit %1 s (\"Flash clear start\"), \"Flash clear OK\" "
                   "fehlt noch. Mit einer längeren --frist erneut aufrufen.")
            .arg(s);
    case A::KeineQuittung:
        return QCoreApplication::translate("heliowendler-service",
                                           "Keine Antwort des Bootloaders seit %1 s auf Zeile "
                                           "%2%3. Übertragung abgebrochen; "
                                           "ein neuer Aufruf löscht und beginnt von vorn.")
            .arg(s)
            .arg(v.zeile)
            .arg(bootloaderhinweise::Wo(v));
    }
    return {};
}

// Where a transfer stands, as numbers; the progress line is made of it.
struct Stand {
    int zeile = 0, zeilen = 0;
    int prozent = 0;
    int bytesProSekunde = 0;
    int restSekunden = 0;
    bool loescht = false;
    std::optional<int> ende;
};

// One port's transfer: the window's part, played by the tool.
class Flash : public uebertragung::Umgebung {
public:
    // melden: a line for the user above the progress (a refused frame, a line the transfer
    // does not know).
    Flash(std::unique_ptr<Verbindung> v, std::vector<std::string> image, int fristMs,
          int wiederholgrenze, std::function<void(const QString&)> melden)
        : v_(std::move(v)), image_(std::move(image)), transfer_(*this), grenze_(wiederholgrenze),
          melden_(std::move(melden)) {
        transfer_.SetzeWiederholgrenze(grenze_);
        frist_.setSingleShot(true);
        frist_.setTimerType(Qt::PreciseTimer);
        frist_.setInterval(fristMs);
        QObject::connect(&frist_, &QTimer::timeout, &frist_, [this] { Ueberfaellig(); });
        QObject::connect(&v_->Link(), &SioVerbindung::bootloaderZeile, &frist_,
                         [this](const QByteArray& z) { Zeile(z); });
        QObject::connect(&v_->Link(), &SioVerbindung::ereignis, &frist_,
                         [this](const Linkereignis& e) {
                             if (e.art == Linkereignis::Art::PortVerloren)
                                 Ende(PortFehler, v_->Verlustursache());
                         });
    }

    void Starte() {
        v_->Link().SetzeFirmwareModus(true);
        uhr_.start();
        transfer_.Ruecksetzen();
        transfer_.Loeschen(image_);
    }

    bool Laeuft() const { return !ende_; }
    int Ergebnis() const { return ende_.value_or(Erfolg); }
    const QString& Meldung() const { return meldung_; }
    QString Name() const { return v_->Name(); }

    Stand Jetzt() const {
        Stand s;
        s.zeilen = static_cast<int>(image_.size());
        s.zeile = std::min(transfer_.ZeilenIndex(), s.zeilen);
        const double anteil = s.zeilen > 0 ? static_cast<double>(s.zeile) / s.zeilen : 0;
        const double sekunden = uhr_.isValid() ? uhr_.elapsed() / 1000.0 : 0;
        s.prozent = static_cast<int>(anteil * 100);
        s.bytesProSekunde = sekunden > 0 ? static_cast<int>(gesendeteBytes_ / sekunden) : 0;
        s.restSekunden = anteil > 0 ? static_cast<int>(sekunden * (1 - anteil) / anteil + 0.5) : 0;
        s.loescht = !transfer_.LoeschenBestaetigt() && !ende_;
        s.ende = ende_;
        return s;
    }

    // The progress line: a bar on a terminal, else plain words.
    QString Fortschrittszeile(const Stand& s, bool balken) const {
        QString z = QStringLiteral("%1 ").arg(Name(), -24);
        if (balken) {
            const int voll = s.prozent * 30 / 100;
            z += u'[' + QString(voll, u'#') + QString(30 - voll, u' ') + QStringLiteral("] ");
        }
        z +=
            QCoreApplication::translate("heliowendler-service", "%1 % Zeile %2/%3 %4 B/s noch %5 s")
                .arg(s.prozent, 3)
                .arg(s.zeile)
                .arg(s.zeilen)
                .arg(s.bytesProSekunde)
                .arg(s.restSekunden);
        if (s.loescht) z += QCoreApplication::translate("heliowendler-service", " (löscht)");
        if (s.ende)
            z += u' ' + (*s.ende == Erfolg
                             ? QCoreApplication::translate("heliowendler-service", "fertig")
                             : QCoreApplication::translate("heliowendler-service", "FEHLER"));
        return z;
    }

    QString Zusammenfassung() const {
        if (ende_ && *ende_ != Erfolg) return QStringLiteral("%1: %2").arg(Name(), meldung_);
        // On the wire: 10 bits a byte at 4800 baud, in both directions.
        const double leitung = (gesendeteBytes_ + empfangeneBytes_) * 10.0 / 4800.0;
        return QCoreApplication::translate(
                   "heliowendler-service",
                   "%1: fertig, %2 Zeilen, %3 Bytes gesendet, %4 Wiederholungen, %5 s "
                   "(Zeit auf der Leitung bei 4800 Baud: %6 s)")
            .arg(Name())
            .arg(image_.size())
            .arg(gesendeteBytes_)
            .arg(wiederholungen_)
            .arg(dauer_ / 1000.0, 0, 'f', 2)
            .arg(leitung, 0, 'f', 2);
    }

private:
    // What the transfer does to the window and the line.
    bool Sende(std::span<const std::uint8_t> rahmen) override {
        const bool ok = v_->Link().SioSend(rahmen.data(), static_cast<unsigned>(rahmen.size()));
        if (ok) {
            gesendeteBytes_ += static_cast<qint64>(rahmen.size());
            frist_.start();
        } else {
            Ende(PortFehler,
                 QCoreApplication::translate("heliowendler-service", "Senden fehlgeschlagen"));
        }
        return ok;
    }
    void Notiere(const uebertragung::Notiz& n) override {
        using A = uebertragung::Notiz::Art;
        switch (n.art) {
        case A::FremdeZeile:
            melden_(QCoreApplication::translate("heliowendler-service", "%1: Bootloader: %2")
                        .arg(Name(), Sichtbar(n.text)));
            return;
        case A::Wiederholung:
            ++wiederholungen_;
            melden_(QCoreApplication::translate(
                        "heliowendler-service",
                        "%1: Zeile %2 abgelehnt (NotAKN), Wiederholung %3 von %4")
                        .arg(Name())
                        .arg(n.zeile)
                        .arg(n.wiederholung)
                        .arg(grenze_));
            return;
        case A::Aufgegeben:
            Ende(KeineAntwort, QCoreApplication::translate(
                                   "heliowendler-service",
                                   "Zeile %1 nach %2 Wiederholungen noch abgelehnt (NotAKN); "
                                   "Übertragung abgebrochen.")
                                   .arg(n.zeile)
                                   .arg(n.wiederholung));
            return;
        case A::Antwort:
        case A::Programmierung:
        case A::Adresszeiger:
        case A::Fertig:
            return; // the progress line shows these
        }
    }
    void Panel(uebertragung::Panelstand) override {}
    void ClearOK() override {}
    void Fortschritt(bool) override {}
    void Fertig() override { Ende(Erfolg, {}); }

    void Zeile(const QByteArray& z) {
        if (ende_) return;
        empfangeneBytes_ += z.size() + 1;
        frist_.stop();
        transfer_.BootloaderZeile(
            std::string_view(z.constData(), static_cast<std::size_t>(z.size())));
        // A frame still waits for its reply (an erase's "Flash clear start" came first).
        if (!ende_ && (transfer_.Loescht() || transfer_.WartetAufAntwort())) frist_.start();
    }

    void Ueberfaellig() {
        if (ende_) return;
        const auto verzug = transfer_.Ueberfaellig(std::chrono::milliseconds(frist_.interval()),
                                                   v_->Link().PortOffen());
        if (verzug) Ende(KeineAntwort, Verzugstext(*verzug));
    }

    void Ende(int ende, const QString& meldung) {
        if (ende_) return;
        ende_ = ende;
        meldung_ = meldung;
        dauer_ = uhr_.isValid() ? uhr_.elapsed() : 0;
        frist_.stop();
        transfer_.Beende();
        v_->Link().SetzeFirmwareModus(false);
    }

    std::unique_ptr<Verbindung> v_;
    std::vector<std::string> image_;
    uebertragung::Uebertragung transfer_;
    const int grenze_;
    std::function<void(const QString&)> melden_;
    QTimer frist_;
    QElapsedTimer uhr_;
    std::optional<int> ende_;
    QString meldung_;
    qint64 gesendeteBytes_ = 0, empfangeneBytes_ = 0, dauer_ = 0;
    int wiederholungen_ = 0;
};

// The progress on standard error. On a terminal one line a port, redrawn in place, with the
// messages above them; elsewhere (a pipe, a file) a line a port at every tenth and at its end,
// and the messages as they come.
class Anzeige {
public:
    explicit Anzeige(bool terminal) : terminal_(terminal) {}

    void Setze(const std::vector<std::unique_ptr<Flash>>* flashes) {
        flashes_ = flashes;
        zehntel_.assign(flashes->size(), -1);
    }

    void Melde(const QString& text) {
        if (!terminal_) {
            Aus(text + u'\n');
            return;
        }
        // Over the progress block, which is drawn again below it.
        Aus(Hoch() + QStringLiteral("\r\x1b[K") + text + u'\n');
        gezeigt_ = 0;
        Zeichne();
    }

    void Zeichne() {
        if (!flashes_) return;
        const auto& flashes = *flashes_;
        if (terminal_) {
            QString text = Hoch();
            for (const auto& fl : flashes)
                text +=
                    QStringLiteral("\r\x1b[K") + fl->Fortschrittszeile(fl->Jetzt(), true) + u'\n';
            gezeigt_ = static_cast<int>(flashes.size());
            Aus(text);
            return;
        }
        for (std::size_t i = 0; i < flashes.size(); ++i) {
            if (zehntel_[i] == Gesagt) continue;
            const Stand s = flashes[i]->Jetzt();
            if (s.prozent / 10 == zehntel_[i] && !s.ende) continue;
            zehntel_[i] = s.ende ? Gesagt : s.prozent / 10;
            Aus(flashes[i]->Fortschrittszeile(s, false) + u'\n');
        }
    }

private:
    static constexpr int Gesagt = 11; // the end was said
    QString Hoch() const {
        return gezeigt_ > 0 ? QStringLiteral("\x1b[%1A").arg(gezeigt_) : QString();
    }
    static void Aus(const QString& text) {
        std::fputs(text.toUtf8().constData(), stderr);
        std::fflush(stderr);
    }

    const bool terminal_;
    const std::vector<std::unique_ptr<Flash>>* flashes_ = nullptr;
    int gezeigt_ = 0;          // progress lines drawn so far (terminal)
    std::vector<int> zehntel_; // the last tenth reported (plain lines)
};

} // namespace

int Flashe(const QStringList& argumente, const QStringList& ports, const QString& einstellungen,
           const QString& protokoll, double frist, int wiederholungen, Fehler& f) {
    if (argumente.size() != 1) {
        f = {Aufruf,
             QCoreApplication::translate("heliowendler-service", "flash: ein Image erwartet")};
        return Aufruf;
    }
    if (ports.isEmpty()) {
        f = {Aufruf, QCoreApplication::translate("heliowendler-service", "--port fehlt")};
        return Aufruf;
    }
    const QString& pfad = argumente[0];
    const std::optional<QByteArray> inhalt = dateizugriff::Lies(pfad);
    if (!inhalt) {
        f = {DateiFehler, QCoreApplication::translate("heliowendler-service",
                                                      "Die Datei %1 kann nicht gelesen werden.")
                              .arg(pfad)};
        return DateiFehler;
    }
    std::vector<std::string> image = titxt::Zeilen(
        std::string_view(inhalt->constData(), static_cast<std::size_t>(inhalt->size())));
    const titxt::Pruefung p = titxt::Pruefe(image);
    if (!p.gueltig) {
        f = {DateiFehler,
             QCoreApplication::translate("heliowendler-service",
                                         "Diese Datei kann nicht übertragen werden:\n%1")
                 .arg(QString::fromUtf8(p.fehler))};
        return DateiFehler;
    }

    Anzeige anzeige(::isatty(STDERR_FILENO) != 0);
    std::vector<std::unique_ptr<Flash>> flashes;
    QStringList ergebnisse;
    int erstesFehlerende = Erfolg;
    for (const QString& text : ports) {
        const auto port = LiesPort(text, einstellungen, f);
        if (!port) return f.ende;
        auto v = std::make_unique<Verbindung>(*port, einstellungen);
        std::optional<Fehler> e;
        if (!protokoll.isEmpty()) {
            // One record per port when there are several.
            QString datei = protokoll;
            if (ports.size() > 1) datei += u'.' + QString(port->text).replace(u'/', u'_');
            e = v->Protokolliere(datei);
        }
        if (!e) e = v->Oeffne();
        if (e) {
            ergebnisse << QStringLiteral("%1: %2").arg(text, e->meldung);
            if (erstesFehlerende == Erfolg) erstesFehlerende = e->ende;
            continue;
        }
        flashes.push_back(std::make_unique<Flash>(
            std::move(v), image, static_cast<int>(frist * 1000), wiederholungen,
            [&anzeige](const QString& t) { anzeige.Melde(t); }));
    }
    anzeige.Setze(&flashes);

    QEventLoop schleife;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, &schleife, [&] {
        anzeige.Zeichne();
        bool alle = true;
        for (const auto& fl : flashes)
            alle = alle && !fl->Laeuft();
        if (alle) schleife.quit();
    });
    if (!flashes.empty()) {
        for (const auto& fl : flashes)
            fl->Starte();
        takt.start(::isatty(STDERR_FILENO) != 0 ? 200 : 100);
        schleife.exec();
        anzeige.Zeichne();
    }
    for (const auto& fl : flashes) {
        ergebnisse << fl->Zusammenfassung();
        if (fl->Ergebnis() != Erfolg && erstesFehlerende == Erfolg)
            erstesFehlerende = fl->Ergebnis();
    }
    for (const QString& e : ergebnisse)
        std::printf("%s\n", e.toUtf8().constData());
    std::fflush(stdout);
    if (erstesFehlerende != Erfolg)
        f = {static_cast<Ende>(erstesFehlerende),
             QCoreApplication::translate("heliowendler-service",
                                         "Nicht jede Übertragung ist gelungen.")};
    return erstesFehlerende;
}

} // namespace dienst
