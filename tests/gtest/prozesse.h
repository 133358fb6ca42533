#pragma once
// Parts of a test run in child processes: several real writers at once, and reads that must
// not hang. A child reports through its exit code only; one that overruns its time is
// killed and counts as hung.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

enum class KindEnde { Erfolg, Fehlschlag, Haengt };

// Starts pruefung in a child; with a start pipe the child first waits until the parent
// closes the pipe's write end, so several children begin together.
inline pid_t StarteKind(const std::function<bool()>& pruefung, const int* startRohr = nullptr) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (startRohr) {
        close(startRohr[1]);
        char c;
        while (read(startRohr[0], &c, 1) > 0) {
        }
    }
#ifndef __SANITIZE_ADDRESS__
    // A read that swallows an endless device stops at this limit instead of the machine's.
    const rlimit grenze{rlim_t(4) << 30, rlim_t(4) << 30};
    setrlimit(RLIMIT_AS, &grenze);
#endif
    bool ok = false;
    try {
        ok = pruefung();
    } catch (...) {
    }
    _exit(ok ? 0 : 1);
}

inline KindEnde WarteAufKind(pid_t pid, std::chrono::milliseconds frist) {
    const auto ende = std::chrono::steady_clock::now() + frist;
    int status = 0;
    for (;;) {
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? KindEnde::Erfolg
                                                                 : KindEnde::Fehlschlag;
        if (r < 0) return KindEnde::Fehlschlag;
        if (std::chrono::steady_clock::now() > ende) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return KindEnde::Haengt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

inline const char* Text(KindEnde e) {
    switch (e) {
    case KindEnde::Erfolg:
        return "Erfolg";
    case KindEnde::Fehlschlag:
        return "Fehlschlag";
    case KindEnde::Haengt:
        return "haengt";
    }
    return "?";
}
