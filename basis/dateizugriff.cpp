#include "basis/dateizugriff.h"

#include <QFile>
#include <QFileInfo>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <thread>
#include <utility>

namespace dateizugriff {

namespace {

std::function<void()> gVorDemErsetzen;
std::function<long(int, const char*, std::size_t)> gSchreibe;

QByteArray Lokal(const QString& pfad) {
    return QFile::encodeName(pfad);
}

class Deskriptor {
public:
    explicit Deskriptor(int fd = -1) : fd_(fd) {}
    ~Deskriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }
    void Nimm(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Closing reports what the file system could not store until now (NFS, quotas).
    bool Schliesse() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

std::chrono::milliseconds gSperrfrist = Sperrfrist;

// The folder's flock serialises every read-modify-write in it; a lock file beside each file
// would litter the user's folders, and the folder is there anyway. Where the file system
// refuses flock (some network mounts) the write still happens, only unserialised. A lock
// that another program keeps beyond the time limit (a stopped instance, a hung script) makes
// the write fail rather than freeze the window: polled, since flock has no time-out.
class Sperre {
public:
    explicit Sperre(const QByteArray& ordner)
        : ordner_(::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (ordner_.fd() < 0) return;
        constexpr auto Takt = std::chrono::milliseconds(10);
        const auto ende = std::chrono::steady_clock::now() + gSperrfrist;
        for (;;) {
            if (::flock(ordner_.fd(), LOCK_EX | LOCK_NB) == 0) {
                gesperrt_ = true;
                return;
            }
            if (errno == EINTR) continue;
            if (errno != EWOULDBLOCK) return; // no flock here: unserialised
            if (std::chrono::steady_clock::now() >= ende) {
                belegt_ = true;
                return;
            }
            std::this_thread::sleep_for(Takt);
        }
    }
    // Unlocked explicitly: a child forked meanwhile shares the descriptor and would keep
    // the lock until it ends.
    ~Sperre() {
        if (gesperrt_) ::flock(ordner_.fd(), LOCK_UN);
    }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    int fd() const { return ordner_.fd(); }
    bool gesperrt() const { return gesperrt_; }
    // Someone else held the lock for the whole time limit.
    bool belegt() const { return belegt_; }

private:
    Deskriptor ordner_;
    bool gesperrt_ = false;
    bool belegt_ = false;
};

std::optional<QByteArray> LiesOffen(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > GroessteDatei)
        return std::nullopt;
    QByteArray inhalt;
    inhalt.reserve(st.st_size);
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return inhalt;
        if (inhalt.size() + n > GroessteDatei) return std::nullopt; // grew while read
        inhalt.append(puffer, n);
    }
}

// The file a path names after following symbolic links; empty for a link loop.
QString Ziel(const QString& pfad) {
    QString ziel = pfad;
    for (int i = 0; i < 40; ++i) {
        const QFileInfo info(ziel);
        if (!info.isSymLink()) return ziel;
        ziel = info.symLinkTarget();
        if (ziel.isEmpty()) return {};
    }
    return {};
}

// Root passes every access check, and a rename would replace a write-protected file without
// asking; so a file without any write bit in its mode is refused as well.
bool Schreibbar(const QByteArray& pfad, const struct stat& st) {
    return S_ISREG(st.st_mode) && ::access(pfad.constData(), W_OK) == 0 &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Copies are named as the toolkit's save files were: "<name>." and six letters. A word in
// one case or capitalised ("backup", "BACKUP", "Backup") is taken for someone's own file;
// our own copies never look like one.
bool WieEinWort(const QByteArray& endung) {
    auto gross = [](char c) { return c >= 'A' && c <= 'Z'; };
    bool alleGross = true, alleKlein = true, restKlein = true;
    for (qsizetype i = 0; i < endung.size(); ++i) {
        alleGross = alleGross && gross(endung[i]);
        alleKlein = alleKlein && !gross(endung[i]);
        if (i > 0) restKlein = restKlein && !gross(endung[i]);
    }
    return alleGross || alleKlein || (gross(endung[0]) && restKlein);
}

bool IstKopieVon(const QByteArray& eintrag, const QByteArray& name) {
    if (eintrag.size() != name.size() + 7 || !eintrag.startsWith(name) ||
        eintrag[name.size()] != '.')
        return false;
    const QByteArray endung = eintrag.mid(name.size() + 1);
    for (const char c : endung)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    return !WieEinWort(endung);
}

// Only called under the folder's lock: every writer holds it while its copy exists, so
// a copy found now belongs to a save that was killed.
void RaeumeAuf(int ordnerFd, const QByteArray& name) {
    const int kopie = ::dup(ordnerFd);
    if (kopie < 0) return;
    DIR* ordner = ::fdopendir(kopie);
    if (!ordner) {
        ::close(kopie);
        return;
    }
    while (const dirent* e = ::readdir(ordner)) {
        const QByteArray eintrag(e->d_name);
        struct stat st {};
        if (IstKopieVon(eintrag, name) &&
            ::fstatat(ordnerFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(ordnerFd, e->d_name, 0);
    }
    ::closedir(ordner);
}

QByteArray Zufallsendung() {
    // Seeded again in a forked child, so two processes never try the same names.
    thread_local std::mt19937 zufall;
    thread_local pid_t geseedetFuer = 0;
    if (geseedetFuer != ::getpid()) {
        geseedetFuer = ::getpid();
        zufall.seed(std::random_device{}() ^ static_cast<unsigned>(geseedetFuer));
    }
    std::uniform_int_distribution<int> zeichen(0, 51);
    QByteArray endung(6, 'x');
    do {
        for (char& c : endung) {
            const int z = zeichen(zufall);
            c = static_cast<char>(z < 26 ? 'A' + z : 'a' + z - 26);
        }
    } while (WieEinWort(endung));
    return endung;
}

bool SchreibeAlles(int fd, const QByteArray& daten) {
    const char* p = daten.constData();
    auto rest = static_cast<std::size_t>(daten.size());
    while (rest > 0) {
        const long n = gSchreibe ? gSchreibe(fd, p, rest) : ::write(fd, p, rest);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    return true;
}

// The temporary copy; removed unless it has replaced the file.
struct Kopie {
    QByteArray pfad;
    ~Kopie() {
        if (!pfad.isEmpty()) ::unlink(pfad.constData());
    }
};

// Writes inhalt to a copy in ordner, syncs it and renames it to ziel. alt: the file being
// replaced, whose mode and owner the new one keeps.
bool SchreibeUndErsetze(const QByteArray& ordner, const QByteArray& name, const QByteArray& ziel,
                        const QByteArray& inhalt, const struct stat* alt, int ordnerFd) {
    Kopie kopie;
    Deskriptor fd;
    for (int versuch = 0; versuch < 100 && fd.fd() < 0; ++versuch) {
        kopie.pfad = ordner + '/' + name + '.' + Zufallsendung();
        fd.Nimm(::open(kopie.pfad.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                       0666));
        if (fd.fd() < 0 && errno != EEXIST) break;
    }
    if (fd.fd() < 0) {
        kopie.pfad.clear(); // not ours
        return false;
    }
    if (alt) {
        // Best effort: only root may hand a file to another owner.
        if (alt->st_uid != ::geteuid() || alt->st_gid != ::getegid())
            (void)!::fchown(fd.fd(), alt->st_uid, alt->st_gid);
        if (::fchmod(fd.fd(), alt->st_mode & 07777) != 0) return false;
    }
    // A short write, a full disk or a failing device shows up here, not after the rename.
    if (!SchreibeAlles(fd.fd(), inhalt) || ::fsync(fd.fd()) != 0 || !fd.Schliesse()) return false;
    if (gVorDemErsetzen) gVorDemErsetzen();
    if (::rename(kopie.pfad.constData(), ziel.constData()) != 0) return false;
    kopie.pfad.clear();
    if (ordnerFd >= 0) ::fsync(ordnerFd); // the rename itself
    return true;
}

} // namespace

std::optional<QByteArray> Lies(const QString& pfad) {
    if (pfad.isEmpty()) return std::nullopt;
    const QByteArray lokal = Lokal(pfad);
    // Checked before opening: opening a device or a FIFO may block or act on hardware.
    struct stat st {};
    if (::stat(lokal.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const Deskriptor fd(::open(lokal.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.fd() < 0) return std::nullopt;
    return LiesOffen(fd.fd());
}

bool Ersetze(const QString& pfad, const std::function<QByteArray(const QByteArray&)>& aendern,
             bool* belegt) {
    if (belegt) *belegt = false;
    const QString ziel = pfad.isEmpty() ? QString() : Ziel(pfad);
    const QFileInfo info(ziel);
    if (ziel.isEmpty() || info.fileName().isEmpty()) return false;
    const QByteArray zielLokal = Lokal(ziel);
    const QByteArray ordner = Lokal(info.absolutePath());
    const QByteArray name = Lokal(info.fileName());

    const Sperre sperre(ordner);
    if (sperre.belegt()) {
        if (belegt) *belegt = true;
        return false;
    }
    if (sperre.gesperrt()) RaeumeAuf(sperre.fd(), name);
    struct stat st {};
    const bool vorhanden = ::stat(zielLokal.constData(), &st) == 0;
    if (!vorhanden && errno != ENOENT) return false;
    QByteArray alt;
    if (vorhanden) {
        if (!Schreibbar(zielLokal, st)) return false;
        auto gelesen = Lies(ziel);
        if (!gelesen) return false; // its other lines could not be kept
        alt = std::move(*gelesen);
    }
    return SchreibeUndErsetze(ordner, name, zielLokal, aendern(alt), vorhanden ? &st : nullptr,
                              sperre.fd());
}

bool KopiereWennFehlt(const QString& quelle, const QString& ziel) {
    const QFileInfo info(ziel);
    if (ziel.isEmpty() || info.fileName().isEmpty()) return false;
    const QByteArray zielLokal = Lokal(ziel);
    const QByteArray ordner = Lokal(info.absolutePath());
    const Sperre sperre(ordner);
    if (sperre.belegt()) return false;
    struct stat st {};
    if (::lstat(zielLokal.constData(), &st) == 0 || errno != ENOENT) return false;
    const auto inhalt = Lies(quelle);
    return inhalt && SchreibeUndErsetze(ordner, Lokal(info.fileName()), zielLokal, *inhalt, nullptr,
                                        sperre.fd());
}

void SetzeVorDemErsetzen(std::function<void()> vorDemErsetzen) {
    gVorDemErsetzen = std::move(vorDemErsetzen);
}

void SetzeSperrfrist(std::chrono::milliseconds frist) {
    gSperrfrist = frist;
}

void SetzeSchreibfunktion(std::function<long(int, const char*, std::size_t)> schreibe) {
    gSchreibe = std::move(schreibe);
}

} // namespace dateizugriff
