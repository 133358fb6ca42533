#pragma once
// A pseudo-terminal for the link's tests: the test holds the master side and plays the
// controller there; the port layer opens the slave side like a serial device.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            throw std::runtime_error("posix_openpt");
        slave_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~Pty() { SchliesseMaster(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    int Master() const { return master_; }
    const QString& Slave() const { return slave_; }

    // Writes everything, waiting while the slave's input is full.
    void Schreibe(const std::vector<std::uint8_t>& bytes) {
        std::size_t weg = 0;
        while (weg < bytes.size()) {
            const ssize_t n = ::write(master_, bytes.data() + weg, bytes.size() - weg);
            if (n > 0) {
                weg += static_cast<std::size_t>(n);
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                throw std::runtime_error("write");
            } else {
                pollfd p{master_, POLLOUT, 0};
                ::poll(&p, 1, 100);
            }
        }
    }
    void Schreibe(const QByteArray& text) {
        Schreibe(std::vector<std::uint8_t>(text.begin(), text.end()));
    }

    // Reads until anzahl bytes have come or ms milliseconds have passed without a byte.
    std::vector<std::uint8_t> Lies(std::size_t anzahl, int ms = 5000) {
        std::vector<std::uint8_t> r;
        std::uint8_t puffer[4096];
        while (r.size() < anzahl) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, ms) <= 0) break;
            const ssize_t n = ::read(master_, puffer, sizeof puffer);
            if (n <= 0) {
                if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
                break;
            }
            r.insert(r.end(), puffer, puffer + n);
        }
        return r;
    }
    // Bytes the slave has written that the master has not read yet.
    int Wartend() const {
        int n = 0;
        ::ioctl(master_, FIONREAD, &n);
        return n;
    }

    // The controller goes away: the slave side is hung up.
    void SchliesseMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    QString slave_;
};

// A settings file whose section "Ports" names the devices of the test.
inline QString PortsDatei(const QTemporaryDir& ordner, const QByteArray& eintraege) {
    const QString pfad = ordner.filePath(QStringLiteral("heliowendler.INI"));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly)) throw std::runtime_error("INI");
    f.write("[Ports]\r\n" + eintraege);
    return pfad;
}
