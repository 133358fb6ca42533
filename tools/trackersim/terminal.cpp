#include "tools/trackersim/terminal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace trackersim {

namespace {

[[noreturn]] void Fehler(const std::string& was) {
    throw std::runtime_error(was + ": " + std::strerror(errno));
}

// Raw 8N1 at 4800 baud: no echo, no line editing, no CR/LF translation, every byte as it comes.
void Roh(int fd, const char* seite) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) Fehler(std::string("tcgetattr ") + seite);
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&t, B4800);
    cfsetospeed(&t, B4800);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &t) != 0) Fehler(std::string("tcsetattr ") + seite);
}

} // namespace

Pseudoterminal::Pseudoterminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) Fehler("posix_openpt");
    try {
        if (grantpt(master_) != 0) Fehler("grantpt");
        if (unlockpt(master_) != 0) Fehler("unlockpt");
        char name[128];
        if (ptsname_r(master_, name, sizeof name) != 0) Fehler("ptsname_r");
        pfad_ = name;
        slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (slave_ < 0) Fehler(pfad_);
        Roh(slave_, "slave");
        Roh(master_, "master");
        const int flags = fcntl(master_, F_GETFL);
        if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) Fehler("fcntl");
    } catch (...) {
        if (slave_ >= 0) close(slave_);
        close(master_);
        throw;
    }
}

Pseudoterminal::~Pseudoterminal() {
    close(slave_);
    close(master_);
}

Verknuepfung::Verknuepfung(std::string pfad, std::string ziel)
    : pfad_(std::move(pfad)), ziel_(std::move(ziel)) {
    struct stat st {};
    if (lstat(pfad_.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode))
            throw std::runtime_error(pfad_ + " ist kein symbolischer Link und wird nicht ersetzt");
        if (unlink(pfad_.c_str()) != 0) Fehler(pfad_);
    }
    if (symlink(ziel_.c_str(), pfad_.c_str()) != 0) Fehler(pfad_);
}

Verknuepfung::~Verknuepfung() {
    std::vector<char> ziel(ziel_.size() + 2);
    const ssize_t n = readlink(pfad_.c_str(), ziel.data(), ziel.size());
    if (n >= 0 && std::string(ziel.data(), static_cast<std::size_t>(n)) == ziel_)
        unlink(pfad_.c_str());
}

void SchreibeDatei(const std::string& pfad, std::span<const std::uint8_t> bytes) {
    std::string vorlage = pfad + ".XXXXXX";
    const int fd = mkstemp(vorlage.data());
    if (fd < 0) Fehler(pfad);
    std::size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int e = errno;
            close(fd);
            unlink(vorlage.c_str());
            errno = e;
            Fehler(pfad);
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    const bool lesbar = fchmod(fd, 0644) == 0;
    if (close(fd) != 0 || !lesbar) {
        unlink(vorlage.c_str());
        Fehler(pfad);
    }
    if (rename(vorlage.c_str(), pfad.c_str()) != 0) {
        const int e = errno;
        unlink(vorlage.c_str());
        errno = e;
        Fehler(pfad);
    }
}

} // namespace trackersim
