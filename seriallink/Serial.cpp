#include "seriallink/Serial.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QtGlobal>

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/eventfd.h>

#include <new>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace serial {

namespace {

using Art = Oeffnungsfehler::Art;

// Who owns the device and whether its group would let this process in.
void Gruppenrechte(const QByteArray& pfad, Oeffnungsfehler& f) {
    struct stat st {};
    if (::stat(pfad.constData(), &st) != 0) return;
    std::vector<char> puffer(4096);
    group g{};
    group* treffer = nullptr;
    if (::getgrgid_r(st.st_gid, &g, puffer.data(), puffer.size(), &treffer) == 0 && treffer)
        f.gruppe = QString::fromLocal8Bit(treffer->gr_name);
    else
        f.gruppe = QString::number(st.st_gid);
    f.gruppeDarf = (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP);
    f.inGruppe = ::getegid() == st.st_gid;
    const int anzahl = ::getgroups(0, nullptr);
    if (anzahl > 0) {
        std::vector<gid_t> gruppen(static_cast<std::size_t>(anzahl));
        const int n = ::getgroups(anzahl, gruppen.data());
        for (int i = 0; i < n; ++i)
            if (gruppen[static_cast<std::size_t>(i)] == st.st_gid) f.inGruppe = true;
    }
}

QString Einstellungsfehler(const Porteinstellungen& e, int empfang, int senden) {
    if (e.BaudRate == 0) return QCoreApplication::translate("Serial", "Baudrate 0");
    if (e.ByteSize < 5 || e.ByteSize > 8)
        return QCoreApplication::translate("Serial", "%1 Datenbits")
            .arg(static_cast<int>(e.ByteSize));
    if (e.Parity > Porteinstellungen::Space)
        return QCoreApplication::translate("Serial", "unbekannte Parität");
    // termios knows one or two stop bits; 1.5 would silently become 2.
    if (e.StopBits == Porteinstellungen::AnderthalbStopbits)
        return QCoreApplication::translate("Serial", "1,5 Stoppbits gibt es unter Linux nicht");
    if (e.StopBits > Porteinstellungen::ZweiStopbits)
        return QCoreApplication::translate("Serial", "unbekannte Stoppbits");
    if (empfang < 1 || senden < 1)
        return QCoreApplication::translate("Serial", "Puffergröße unter 1 Byte");
    return {};
}

bool Flusssteuerung(int fd, const Porteinstellungen& e) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return false;
    t.c_cflag &= ~CRTSCTS;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (e.fOutxCtsFlow || e.fRtsControl == Porteinstellungen::RtsHandshake) t.c_cflag |= CRTSCTS;
    if (e.fOutX) t.c_iflag |= IXON;
    if (e.fInX) t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(e.XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(e.XoffChar);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

// Raises or drops one modem line and tells the port's observer.
bool Modemleitung(const ComPort& port, Leitung l, bool an) {
    int bit = l == Leitung::RTS ? TIOCM_RTS : TIOCM_DTR;
    const bool ok = ::ioctl(port.Deskriptor(), an ? TIOCMBIS : TIOCMBIC, &bit) == 0;
    port.Melde(l, an, ok);
    return ok;
}

} // namespace

ComPort::~ComPort() {
    if (port_ && port_->isOpen()) port_->close();
}

void ComPort::Melde(Leitung l, bool an, bool ok) const {
    if (beobachter_) beobachter_(l, an, ok);
}

ComHandle OpenComPort(const QString& geraet, const Porteinstellungen& einstellungen,
                      int empfangspuffer, int sendepuffer, Leitungsbeobachter beobachter,
                      Oeffnungsfehler* fehler) {
    Oeffnungsfehler ersatz;
    Oeffnungsfehler& f = fehler ? *fehler : ersatz;
    f = {};
    const auto scheitern = [&f](Art art, const QString& text) {
        f.art = art;
        f.systemtext = text;
        return ComHandle();
    };
    if (geraet.isEmpty()) return scheitern(Art::KeinGeraet, {});
    const QByteArray pfad = QFile::encodeName(geraet);
    if (::access(pfad.constData(), F_OK) != 0) {
        const int nummer = errno;
        return scheitern(nummer == ENOENT || nummer == ENOTDIR ? Art::Fehlt : Art::Sonstiges,
                         Systemtext(nummer));
    }
    if (::access(pfad.constData(), R_OK | W_OK) != 0) {
        const int nummer = errno;
        const bool verboten = nummer == EACCES || nummer == EPERM;
        if (verboten) Gruppenrechte(pfad, f);
        return scheitern(verboten ? Art::KeineBerechtigung : Art::Sonstiges, Systemtext(nummer));
    }
    if (const QString falsch = Einstellungsfehler(einstellungen, empfangspuffer, sendepuffer);
        !falsch.isEmpty())
        return scheitern(Art::Einstellungen, falsch);

    auto qp = std::make_unique<QSerialPort>();
    qp->setPortName(geraet);
    qp->setBaudRate(static_cast<qint32>(einstellungen.BaudRate));
    qp->setDataBits(static_cast<QSerialPort::DataBits>(einstellungen.ByteSize));
    static constexpr QSerialPort::Parity paritaet[] = {
        QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
        QSerialPort::MarkParity, QSerialPort::SpaceParity};
    qp->setParity(paritaet[einstellungen.Parity]);
    qp->setStopBits(einstellungen.StopBits == Porteinstellungen::ZweiStopbits
                        ? QSerialPort::TwoStop
                        : QSerialPort::OneStop);
    qp->setFlowControl(QSerialPort::NoFlowControl);
    if (!qp->open(QIODevice::ReadWrite)) {
        switch (qp->error()) {
        case QSerialPort::DeviceNotFoundError:
            return scheitern(Art::Fehlt, qp->errorString());
        case QSerialPort::PermissionError: // the lock file or TIOCEXCL: someone holds it
            return scheitern(Art::Belegt, qp->errorString());
        case QSerialPort::UnsupportedOperationError:
            return scheitern(Art::Einstellungen, qp->errorString());
        default:
            return scheitern(Art::Sonstiges, qp->errorString());
        }
    }
    // QSerialPort would read on its event loop; the receiver reads instead.
    for (QSocketNotifier* n : qp->findChildren<QSocketNotifier*>())
        n->setEnabled(false);

    ComHandle port(new ComPort);
    port->fd_ = static_cast<int>(qp->handle());
    port->port_ = std::move(qp);
    port->geraet_ = geraet;
    port->einstellungen_ = einstellungen;
    port->sendepuffer_ = static_cast<std::size_t>(sendepuffer);
    port->beobachter_ = std::move(beobachter);
    if (::flock(port->fd_, LOCK_EX | LOCK_NB) != 0) {
        const int nummer = errno;
        return scheitern(nummer == EWOULDBLOCK ? Art::Belegt : Art::Sonstiges, Systemtext(nummer));
    }
    if (!Flusssteuerung(port->fd_, einstellungen))
        return scheitern(Art::Einstellungen, Systemtext(errno));
    // Linux raises both lines at the open; RTS stays off until a send needs it.
    if (einstellungen.fRtsControl != Porteinstellungen::RtsHandshake)
        SetzeRts(*port, einstellungen.fRtsControl == Porteinstellungen::RtsEnable);
    // No DTR/DSR flow control on Linux: DTR just stays raised when the handshake is asked for.
    SetzeDtr(*port, einstellungen.fDtrControl != Porteinstellungen::DtrDisable);
    return port;
}

bool CloseComPort(ComHandle& port) {
    if (!port) return false;
    // QSerialPort does not say whether its close worked; a second descriptor of the same
    // open device, closed last, does: the device is released by that close.
    const int kopie = ::fcntl(port->fd_, F_DUPFD_CLOEXEC, 0);
    port->port_->close();
    const bool ok = kopie < 0 || ::close(kopie) == 0;
    port.reset();
    return ok;
}

ComQueue GetComQueue(const ComPort& port) {
    int empfang = 0, senden = 0;
    if (::ioctl(port.Deskriptor(), TIOCINQ, &empfang) != 0 ||
        ::ioctl(port.Deskriptor(), TIOCOUTQ, &senden) != 0)
        return {};
    return {empfang, senden};
}

bool SetzeRts(const ComPort& port, bool an) {
    return Modemleitung(port, Leitung::RTS, an);
}

bool SetzeDtr(const ComPort& port, bool an) {
    return Modemleitung(port, Leitung::DTR, an);
}

std::optional<bool> Dsr(const ComPort& port) {
    int bits = 0;
    if (::ioctl(port.Deskriptor(), TIOCMGET, &bits) != 0) return std::nullopt;
    return (bits & TIOCM_DSR) != 0;
}

long SchreibeOhneWarten(const ComPort& port, std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return 0;
    for (;;) {
        const ssize_t n = ::write(port.Deskriptor(), bytes.data(), bytes.size());
        if (n >= 0) return static_cast<long>(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;
    }
}

long LiesVorhandenes(const ComPort& port, std::span<std::uint8_t> bytes) {
    for (;;) {
        const ssize_t n = ::read(port.Deskriptor(), bytes.data(), bytes.size());
        if (n >= 0) return static_cast<long>(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;
    }
}

bool WarteBisGesendet(const ComPort& port) {
    while (::tcdrain(port.Deskriptor()) != 0)
        if (errno != EINTR) return false;
    return true;
}

void VerwirfAusgabe(const ComPort& port) {
    ::tcflush(port.Deskriptor(), TCOFLUSH);
}

bool PortZustandLesbar(const ComPort& port, int* fehler) {
    termios t{};
    if (::tcgetattr(port.Deskriptor(), &t) == 0) return true;
    if (fehler) *fehler = errno;
    return false;
}

int StartFehler(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const KeinDeskriptor& f) {
        return f.fehlernummer;
    } catch (const std::bad_alloc&) {
        return ENOMEM;
    } catch (...) {
        return EAGAIN;
    }
}

Wecker::Wecker() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    // No descriptor left: the open that needs it fails, the program goes on.
    if (fd_ < 0) throw KeinDeskriptor{errno};
}

Wecker::~Wecker() {
    ::close(fd_);
}

void Wecker::Wecke() {
    const std::uint64_t eins = 1;
    // The counter only grows: a full counter is still a woken one.
    [[maybe_unused]] const ssize_t n = ::write(fd_, &eins, sizeof eins);
}

Ereignis WarteAufEreignis(const ComPort& port, const Wecker& wecker) {
    pollfd p[2] = {{port.Deskriptor(), POLLIN, 0}, {wecker.Deskriptor(), POLLIN, 0}};
    if (::poll(p, 2, -1) < 0) return {};
    if (p[1].revents != 0) return {Ereignis::Art::Geweckt, false};
    return {Ereignis::Art::Daten, (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0};
}

bool WarteBisSchreibbar(const ComPort& port, const Wecker& wecker) {
    pollfd p[2] = {{port.Deskriptor(), POLLOUT, 0}, {wecker.Deskriptor(), POLLIN, 0}};
    if (::poll(p, 2, -1) < 0) return errno == EINTR;
    if (p[1].revents != 0) return false;
    return (p[0].revents & POLLOUT) != 0 && (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

QString Ursache(const Oeffnungsfehler& f, const QString& geraet) {
    switch (f.art) {
    case Art::Keiner:
        return {};
    case Art::KeinGeraet:
        return QCoreApplication::translate("Serial", "Kein Gerät angegeben");
    case Art::Fehlt:
        return QCoreApplication::translate("Serial",
                                           "%1 ist nicht vorhanden (Gerät angeschlossen?)")
            .arg(geraet);
    case Art::KeineBerechtigung:
        if (f.gruppeDarf && !f.inGruppe)
            return QCoreApplication::translate(
                       "Serial",
                       "Keine Berechtigung für %1: Benutzer in die Gruppe %2 aufnehmen (danach "
                       "neu anmelden)")
                .arg(geraet, f.gruppe);
        return QCoreApplication::translate(
                   "Serial", "Keine Berechtigung für %1: die Zugriffsrechte des Geräts erlauben "
                             "diesem Benutzer kein Lesen und Schreiben")
            .arg(geraet);
    case Art::Belegt:
        return QCoreApplication::translate("Serial", "%1 ist belegt: ein anderes Programm benutzt "
                                                     "die Schnittstelle bereits")
            .arg(geraet);
    case Art::Einstellungen:
        return QCoreApplication::translate("Serial", "%1 nimmt die Einstellungen nicht an (%2)")
            .arg(geraet, f.systemtext);
    case Art::Sonstiges:
        break;
    }
    return QCoreApplication::translate("Serial", "%1 lässt sich nicht öffnen (%2)")
        .arg(geraet, f.systemtext);
}

QString Systemtext(int fehlernummer) {
    return qt_error_string(fehlernummer);
}

} // namespace serial
