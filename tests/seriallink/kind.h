#pragma once
// Runs a piece of a test in a child process: as another user, or as "another program"
// that holds a port. The child shares nothing with the test but the pipe.
#include <functional>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Runs arbeit in a child and returns what it returned (the child then ends).
inline std::string ImKind(const std::function<std::string()>& arbeit) {
    int rohr[2];
    if (::pipe(rohr) != 0) throw std::runtime_error("pipe");
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        ::close(rohr[0]);
        // An exception must not return into the test framework, or the child would go on
        // running tests of its own.
        std::string r;
        try {
            r = arbeit();
        } catch (...) {
            r = "Ausnahme im Kind";
        }
        [[maybe_unused]] const ssize_t n = ::write(rohr[1], r.data(), r.size());
        ::_exit(0);
    }
    ::close(rohr[1]);
    std::string r;
    char puffer[512];
    for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;)
        r.append(puffer, static_cast<std::size_t>(n));
    ::close(rohr[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return r;
}

// A child that runs halten, says so, and lives until Beende() (or the destructor).
class Haltendes {
public:
    explicit Haltendes(const std::function<bool()>& halten) {
        int bereit[2], ende[2];
        if (::pipe(bereit) != 0 || ::pipe(ende) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork");
        if (pid_ == 0) {
            ::close(bereit[0]);
            ::close(ende[1]);
            const char ok = halten() ? '1' : '0';
            [[maybe_unused]] ssize_t n = ::write(bereit[1], &ok, 1);
            char c;
            n = ::read(ende[0], &c, 1); // until the test closes its end
            ::_exit(0);
        }
        ::close(bereit[1]);
        ::close(ende[0]);
        ende_ = ende[1];
        char c = '0';
        if (::read(bereit[0], &c, 1) != 1) c = '0';
        ::close(bereit[0]);
        gehalten_ = c == '1';
    }
    ~Haltendes() { Beende(); }
    bool Gehalten() const { return gehalten_; }
    void Beende() {
        if (pid_ <= 0) return;
        ::close(ende_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int ende_ = -1;
    bool gehalten_ = false;
};
