// The real trackersim on a pseudo-terminal, as the application meets it: the path it prints,
// the symlink, an exchange over a plain termios port, the pacing of the line, the bootloader's
// flash dump, and the clean-up at SIGTERM.
#include "hilfen.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace trackersim::test {
namespace {

using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto Frist = 10s; // generous: the sanitizer build starts slowly

// Reads until n bytes have come or the time is up.
Bytes Lies(int fd, std::size_t n, std::chrono::milliseconds frist = Frist) {
    Bytes r;
    const auto ende = Uhr::now() + frist;
    while (r.size() < n && Uhr::now() < ende) {
        pollfd p{fd, POLLIN, 0};
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now());
        if (poll(&p, 1, static_cast<int>(std::max<long>(rest.count(), 0))) <= 0) continue;
        std::uint8_t puffer[256];
        const ssize_t k = read(fd, puffer, std::min(sizeof puffer, n - r.size()));
        if (k <= 0) break;
        r.insert(r.end(), puffer, puffer + k);
    }
    return r;
}

// One trackersim process with its stdout on a pipe.
class Simulator {
public:
    explicit Simulator(const std::vector<std::string>& args) {
        int rohr[2];
        if (pipe2(rohr, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t aktionen;
        posix_spawn_file_actions_init(&aktionen);
        posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
        std::vector<char*> argv{const_cast<char*>(TRACKERSIM_PROGRAMM)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, TRACKERSIM_PROGRAMM, &aktionen, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&aktionen);
        close(rohr[1]);
        aus_ = rohr[0];
    }
    ~Simulator() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (aus_ >= 0) close(aus_);
    }

    // The first line of its output, without the line end; empty when none came.
    std::string Pfad() { return Zeile(); }
    // The next line of its output.
    std::string Zeile() {
        std::string zeile;
        for (;;) {
            const Bytes b = Lies(aus_, 1);
            if (b.empty() || b[0] == '\n') return zeile;
            zeile += static_cast<char>(b[0]);
        }
    }
    // Its output, to wait on.
    int Ausgabe() const { return aus_; }
    void Signal(int sig) { kill(pid_, sig); }
    // Its exit code, -1 when it did not end in time or ended by a signal.
    int Ende() {
        if (pid_ <= 0) return -1;
        const auto ende = Uhr::now() + Frist;
        int status = 0;
        while (Uhr::now() < ende) {
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int aus_ = -1;
};

// The application's side: the device opened like a serial port, raw.
int OeffnePort(const std::string& pfad) {
    const int fd = open(pfad.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fd;
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    cfsetspeed(&t, B4800);
    tcsetattr(fd, TCSANOW, &t);
    return fd;
}

void Schreibe(int fd, const Bytes& b) {
    ASSERT_EQ(write(fd, b.data(), b.size()), static_cast<ssize_t>(b.size()));
}

class Programm : public testing::Test {
protected:
    void SetUp() override {
        char vorlage[] = "/tmp/trackersim_test.XXXXXX";
        ASSERT_NE(mkdtemp(vorlage), nullptr);
        ordner = vorlage;
        link = ordner + "/port";
    }
    void TearDown() override {
        for (const char* name : {"/port", "/flash.bin"})
            unlink((ordner + name).c_str());
        rmdir(ordner.c_str());
    }
    static bool Da(const std::string& pfad) {
        struct stat st {};
        return lstat(pfad.c_str(), &st) == 0;
    }

    std::string ordner, link;
};

TEST_F(Programm, AntwortetAmPseudoterminalUndRaeumtAuf) {
    // A link left behind by a simulator that was killed is replaced.
    ASSERT_EQ(symlink("/dev/pts/gibtsnicht", link.c_str()), 0);
    Simulator sim({"--link", link, "--clock", "2008-07-07T11:00:00"});
    const std::string pfad = sim.Pfad();
    ASSERT_EQ(pfad.rfind("/dev/pts/", 0), 0u) << pfad;
    char ziel[256] = {};
    ASSERT_GT(readlink(link.c_str(), ziel, sizeof ziel - 1), 0);
    EXPECT_EQ(std::string(ziel), pfad);

    const int port = OeffnePort(link);
    ASSERT_GE(port, 0);
    Schreibe(port, {0xAA, 0x0A, 0x00, 0x00, 0xB5, 0xE5}); // GET Info
    const Bytes erwartet = rahmen::Antwort(11, Bytes{0x21} + Text("01.20"));
    EXPECT_EQ(Lies(port, erwartet.size()), erwartet);
    close(port);

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Ende(), 0);
    EXPECT_FALSE(Da(link));
}

TEST_F(Programm, ErsetztKeineDatei) {
    { std::ofstream(link) << "meins"; }
    Simulator sim({"--link", link});
    EXPECT_EQ(sim.Pfad(), "");
    EXPECT_EQ(sim.Ende(), 1);
    std::ifstream datei(link);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(datei), {}), "meins");
}

// At 2400 baud the 46 bytes of the parameter response need 46 * 10 / 2400 s = 192 ms on the
// line; they must not arrive sooner.
TEST_F(Programm, TaktetDieLeitung) {
    Simulator sim({"--baud", "2400"});
    const std::string pfad = sim.Pfad();
    const int port = OeffnePort(pfad);
    ASSERT_GE(port, 0);
    const auto beginn = Uhr::now();
    Schreibe(port, {0xAA, 0x02, 0x00, 0x00, 0xAD, 0xE5}); // GET Parameter
    const Bytes antwort = Lies(port, 46);
    const auto dauer = Uhr::now() - beginn;
    ASSERT_EQ(antwort.size(), 46u);
    EXPECT_TRUE(rahmen::AntwortPasst(antwort));
    EXPECT_GE(dauer, 46 * 10 * 1000ms / 2400 * 9 / 10);
    close(port);
}

// Paced in both directions, the request's 6 bytes take 25 ms to reach the device, so the
// first byte of its answer arrives after 7 bytes at 2400 baud (29 ms) and the whole answer
// after 52 (217 ms).
TEST_F(Programm, TaktetAuchDenEmpfang) {
    Simulator sim({"--baud", "2400", "--rx-baud", "2400"});
    const int port = OeffnePort(sim.Pfad());
    ASSERT_GE(port, 0);
    const auto beginn = Uhr::now();
    Schreibe(port, {0xAA, 0x02, 0x00, 0x00, 0xAD, 0xE5}); // GET Parameter
    Bytes antwort = Lies(port, 1);
    EXPECT_GE(Uhr::now() - beginn, 7 * 10 * 1000ms / 2400 * 9 / 10);
    antwort = antwort + Lies(port, 45);
    EXPECT_GE(Uhr::now() - beginn, 52 * 10 * 1000ms / 2400 * 9 / 10);
    ASSERT_EQ(antwort.size(), 46u);
    EXPECT_TRUE(rahmen::AntwortPasst(antwort));
    close(port);
}

TEST_F(Programm, BootloaderSchreibtDenFlashInDieDatei) {
    const std::string dump = ordner + "/flash.bin";
    Simulator sim({"--bootloader", "--flash-dump", dump});
    const int port = OeffnePort(sim.Pfad());
    ASSERT_GE(port, 0);
    EXPECT_EQ(Lies(port, 17), Text("Bootloader V1.00\r"));
    Schreibe(port, {0xAA, 0xF0, 0x00, 0x9B, 0xE5});
    EXPECT_EQ(Lies(port, 33), Text("Flash clear start\rFlash clear OK\r"));
    Schreibe(port, {0xAA, 0xF1, 0x02, 0xF0, 0x00, 0x8E, 0xE5});
    EXPECT_EQ(Lies(port, 4), Text("AKN\r"));
    Schreibe(port, {0xAA, 0xF2, 0x04, 0x31, 0x40, 0x00, 0x04, 0x16, 0xE5});
    EXPECT_EQ(Lies(port, 4), Text("AKN\r"));

    // SIGUSR1 writes the dump while it runs.
    sim.Signal(SIGUSR1);
    for (auto ende = Uhr::now() + Frist; !Da(dump) && Uhr::now() < ende;)
        std::this_thread::sleep_for(10ms);
    std::ifstream datei(dump, std::ios::binary);
    const Bytes flash((std::istreambuf_iterator<char>(datei)), {});
    ASSERT_EQ(flash.size(), 65536u);
    EXPECT_EQ(Bytes(flash.begin() + 0xEFFF, flash.begin() + 0xF005),
              (Bytes{0xFF, 0x31, 0x40, 0x00, 0x04, 0xFF}));
    EXPECT_EQ(std::count(flash.begin(), flash.end(), 0xFF), 65536 - 4);
    close(port);

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Ende(), 0);
}

// The flood keeps the line full for its whole time, whoever reads as fast as the line gives,
// and then stops: only whole status responses come, valid or (--flut-falsch) with a checksum
// one too high. The simulator says on its output when the pseudo-terminal has taken the
// flood's last byte, on the clock all processes share.
struct Flutfall {
    const char* name;
    std::vector<std::string> schalter;
    std::uint8_t pruefsumme;
};

void PrintTo(const Flutfall& f, std::ostream* os) {
    *os << f.name;
}

class Flut : public Programm, public testing::WithParamInterface<Flutfall> {};

TEST_P(Flut, HaeltBisZuIhremEndeAn) {
    std::vector<std::string> args{"--flut", "1", "--flut-ab", "1"};
    args.insert(args.end(), GetParam().schalter.begin(), GetParam().schalter.end());
    Simulator sim(args);
    const int port = OeffnePort(sim.Pfad());
    ASSERT_GE(port, 0);
    std::optional<Uhr::time_point> erstes;
    Uhr::time_point letztes;
    std::size_t anzahl = 0;
    Bytes anfang;
    std::optional<std::string> vorbei;
    const auto frist = Uhr::now() + Frist;
    for (;;) {
        pollfd p[2] = {{port, POLLIN, 0}, {vorbei ? -1 : sim.Ausgabe(), POLLIN, 0}};
        // Once the simulator has said that the flood is over, what is left in the
        // pseudo-terminal is there at once.
        if (poll(p, 2, vorbei ? 200 : 5000) <= 0 || Uhr::now() > frist) break;
        if (p[1].revents != 0) vorbei = sim.Zeile();
        if ((p[0].revents & POLLIN) == 0) continue;
        std::uint8_t puffer[65536];
        const ssize_t k = read(port, puffer, sizeof puffer);
        if (k <= 0) break;
        if (!erstes) erstes = Uhr::now();
        letztes = Uhr::now();
        anzahl += static_cast<std::size_t>(k);
        if (anfang.size() < 800)
            anfang.insert(anfang.end(), puffer, puffer + std::min<ssize_t>(k, 800));
    }
    close(port);
    ASSERT_TRUE(erstes);
    EXPECT_GE(letztes - *erstes, 750ms) << anzahl << " bytes";
    ASSERT_TRUE(vorbei);
    ASSERT_EQ(vorbei->rfind("Flut vorbei ", 0), 0u) << *vorbei;
    const Uhr::time_point genommen{std::chrono::nanoseconds(std::stoll(vorbei->substr(12)))};
    // Taken after the first byte came, and at the latest when the last one was read: the
    // simulator reads its clock once its last write has returned, which a reader on another
    // core may beat by a little, so a small lead of the read is no fault.
    EXPECT_LE(*erstes, genommen);
    EXPECT_LE(genommen, letztes + 50ms);

    EXPECT_EQ(anzahl % 8, 0u);
    anfang.resize(anfang.size() / 8 * 8); // a read may end inside a response
    ASSERT_FALSE(anfang.empty());
    const Bytes erwartet{0x55, 0x09, 0x03, 0x21, 0x10, 0x00, GetParam().pruefsumme, 0xE5};
    for (std::size_t i = 0; i < anfang.size(); i += 8)
        ASSERT_EQ(
            Bytes(anfang.begin() + static_cast<long>(i), anfang.begin() + static_cast<long>(i) + 8),
            erwartet)
            << "at " << i;
}

INSTANTIATE_TEST_SUITE_P(Faelle, Flut,
                         testing::Values(Flutfall{"gueltig", {}, 0x93},
                                         Flutfall{"falsch", {"--flut-falsch"}, 0x94}),
                         [](const testing::TestParamInfo<Flutfall>& i) { return i.param.name; });

TEST_F(Programm, HilfeUndFalscheOptionen) {
    Simulator hilfe({"--help"});
    EXPECT_EQ(hilfe.Pfad(), "Aufruf: trackersim [Optionen]");
    EXPECT_EQ(hilfe.Ende(), 0);
    Simulator falsch({"--baud", "schnell"});
    EXPECT_EQ(falsch.Pfad(), "");
    EXPECT_EQ(falsch.Ende(), 2);
}

} // namespace
} // namespace trackersim::test
