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
#include <unistd.h>

namespace dienst {

namespace {

// One port's transfer: the window's part, played by the tool.
class Flash : public uebertragung::Umgebung {
public:
    Flash(std::unique_ptr<Verbindung> v, std::vector<std::string> image, int fristMs)
        : v_(std::move(v)), image_(std::move(image)), transfer_(*this) {
        frist_.setSingleShot(true);
        frist_.setTimerType(Qt::PreciseTimer);
        frist_.setInterval(fristMs);
        QObject::connect(&frist_, &QTimer::timeout, &frist_, [this] { Ueberfaellig(); });
        QObject::connect(&v_->Link(), &SioVerbindung::bootloaderZeile, &frist_,
                         [this](const QByteArray& z) { Zeile(z); });
        QObject::connect(&v_->Link(), &SioVerbindung::ereignis, &frist_,
                         [this](const Linkereignis& e) {
                             if (e.art == Linkereignis::Art::PortVerloren)
                                 Ende(PortFehler, e.ursache);
                         });
        for (const std::string& z : image_)
            bytes_ += static_cast<qint64>(z.size());
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

    // The progress line: a bar on a terminal, else plain words.
    QString Fortschrittszeile(bool balken) const {
        const int n = static_cast<int>(image_.size());
        const int i = std::min(transfer_.ZeilenIndex(), n);
        const double anteil = n > 0 ? static_cast<double>(i) / n : 0;
        const double s = uhr_.isValid() ? uhr_.elapsed() / 1000.0 : 0;
        const double proSekunde = s > 0 ? gesendeteBytes_ / s : 0;
        const double rest = anteil > 0 ? s * (1 - anteil) / anteil : 0;
        QString z = QStringLiteral("%1 ").arg(Name(), -24);
        if (balken) {
            const int voll = static_cast<int>(anteil * 30);
            z += u'[' + QString(voll, u'#') + QString(30 - voll, u' ') + QStringLiteral("] ");
        }
        z +=
            QCoreApplication::translate("heliowendler-service", "%1 % Zeile %2/%3 %4 B/s noch %5 s")
                .arg(static_cast<int>(anteil * 100), 3)
                .arg(i)
                .arg(n)
                .arg(static_cast<int>(proSekunde))
                .arg(static_cast<int>(rest + 0.5));
        if (!transfer_.LoeschenBestaetigt() && !ende_)
            z += QCoreApplication::translate("heliowendler-service", " (löscht)");
        if (ende_)
            z += u' ' + (*ende_ == Erfolg
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
    void Monitor(const std::string& text) override {
        if (text.rfind("Empfangsfehler", 0) == 0) ++wiederholungen_;
        letzteNotiz_ = QString::fromUtf8(text);
    }
    void Panel(const std::string&) override {}
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
        QString note;
        if (!v_->Link().PortOffen())
            note = bootloaderhinweise::PortVerloren();
        else if (transfer_.Loescht())
            note = bootloaderhinweise::LoeschenOhneAntwort();
        else
            note = QString::fromUtf8(transfer_.KeineAntwort());
        Ende(KeineAntwort, note);
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
    QTimer frist_;
    QElapsedTimer uhr_;
    std::optional<int> ende_;
    QString meldung_, letzteNotiz_;
    qint64 bytes_ = 0, gesendeteBytes_ = 0, empfangeneBytes_ = 0, dauer_ = 0;
    int wiederholungen_ = 0;
};

} // namespace

int Flashe(const QStringList& argumente, const QStringList& ports, const QString& einstellungen,
           const QString& protokoll, double frist, Fehler& f) {
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
        flashes.push_back(
            std::make_unique<Flash>(std::move(v), image, static_cast<int>(frist * 1000)));
    }

    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    int gezeigt = 0; // progress lines drawn so far (terminal)
    QTimer anzeige;
    std::vector<int> zehntel(flashes.size(), -1); // the last tenth reported (plain lines)
    const auto zeige = [&] {
        if (terminal) {
            QString text;
            if (gezeigt > 0) text += QStringLiteral("\x1b[%1A").arg(gezeigt);
            for (const auto& fl : flashes)
                text += QStringLiteral("\r\x1b[K") + fl->Fortschrittszeile(true) + u'\n';
            gezeigt = static_cast<int>(flashes.size());
            std::fputs(text.toUtf8().constData(), stderr);
            return;
        }
        for (std::size_t i = 0; i < flashes.size(); ++i) {
            const QString z = flashes[i]->Fortschrittszeile(false);
            const int prozent = z.section(u'%', 0, 0).section(u' ', -1).toInt();
            if (prozent / 10 != zehntel[i] || !flashes[i]->Laeuft()) {
                if (zehntel[i] == 11) continue; // the end was said
                zehntel[i] = flashes[i]->Laeuft() ? prozent / 10 : 11;
                std::fprintf(stderr, "%s\n", z.toUtf8().constData());
            }
        }
    };
    QEventLoop schleife;
    QObject::connect(&anzeige, &QTimer::timeout, &schleife, [&] {
        zeige();
        bool alle = true;
        for (const auto& fl : flashes)
            alle = alle && !fl->Laeuft();
        if (alle) schleife.quit();
    });
    if (!flashes.empty()) {
        for (const auto& fl : flashes)
            fl->Starte();
        anzeige.start(terminal ? 200 : 100);
        schleife.exec();
        zeige();
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
