#pragma once
// A small tmpfs for tests that need a file system that really runs full or really cannot
// be written (root passes every permission check). The test process moves into a mount
// namespace of its own once, so nothing mounted here is seen outside or outlives the
// process. Where the system refuses (a container without the right to mount), Grund()
// says why and the test takes its other way.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <string>

namespace kleinesdateisystem {

inline bool SchreibeProcDatei(const char* pfad, const std::string& text) {
    const int fd = open(pfad, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fd);
    return ok;
}

// Empty when the process has a mount namespace of its own, else the reason.
inline QString EigenerNamensraum() {
    static const QString grund = [] {
        if (unshare(CLONE_NEWNS) != 0) {
            const int fehler = errno;
            // Without root a user namespace gives the right to mount (unshare -rm).
            const uid_t uid = getuid();
            const gid_t gid = getgid();
            if (geteuid() == 0 || unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                return QStringLiteral("unshare: ") + QString::fromLocal8Bit(strerror(fehler));
            SchreibeProcDatei("/proc/self/setgroups", "deny");
            if (!SchreibeProcDatei("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
                !SchreibeProcDatei("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
                return QStringLiteral("uid_map: ") + QString::fromLocal8Bit(strerror(errno));
        }
        // Mounts made here must not travel back to the parent namespace.
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("mount --make-rprivate: ") +
                   QString::fromLocal8Bit(strerror(errno));
        return QString();
    }();
    return grund;
}

class Tmpfs {
public:
    Tmpfs(const QString& ordner, qint64 bytes) : ordner_(QFile::encodeName(ordner)) {
        grund_ = EigenerNamensraum();
        if (!grund_.isEmpty()) return;
        const std::string optionen = "size=" + std::to_string(bytes) + ",mode=0755";
        if (mount("tmpfs", ordner_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, optionen.c_str()) !=
            0)
            grund_ = QStringLiteral("mount tmpfs: ") + QString::fromLocal8Bit(strerror(errno));
        else
            eingehaengt_ = true;
    }
    ~Tmpfs() {
        if (eingehaengt_) umount2(ordner_.constData(), MNT_DETACH);
    }
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    bool eingehaengt() const { return eingehaengt_; }
    QString Grund() const { return grund_; }

    bool NurLesbar() {
        return mount(nullptr, ordner_.constData(), nullptr,
                     MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
    }

private:
    QByteArray ordner_;
    QString grund_;
    bool eingehaengt_ = false;
};

// Writes pfad until the file system is full, then gives back frei bytes (whole pages on
// tmpfs). Returns the bytes the file holds.
inline qint64 FuelleBisVoll(const QString& pfad, qint64 frei) {
    const int fd = open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return -1;
    const std::string block(4096, 'x');
    qint64 geschrieben = 0;
    for (;;) {
        const ssize_t n = write(fd, block.data(), block.size());
        if (n <= 0) break;
        geschrieben += n;
    }
    const qint64 bleibt = geschrieben > frei ? geschrieben - frei : 0;
    const bool ok = ftruncate(fd, bleibt) == 0;
    close(fd);
    return ok ? bleibt : -1;
}

} // namespace kleinesdateisystem
