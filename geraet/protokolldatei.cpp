#include "geraet/protokolldatei.h"

#include "geraet/protokoll.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace protokoll {

namespace {

// The files open now, for the signal's turn in the event loop.
std::mutex offeneMutex;
std::vector<Mitschnitt*> offene;

int signalRohr[2] = {-1, -1};

extern "C" void AufSignal(int nummer) {
    // Only what is async-signal-safe: one byte into the pipe.
    const int gesichert = errno;
    const unsigned char byte = static_cast<unsigned char>(nummer);
    [[maybe_unused]] const ssize_t n = ::write(signalRohr[1], &byte, 1);
    errno = gesichert;
}

void Signalempfang() {
    unsigned char nummer = 0;
    if (::read(signalRohr[0], &nummer, 1) != 1) return;
    {
        std::lock_guard l(offeneMutex);
        for (Mitschnitt* m : offene)
            m->Beende(); // every sink: the process ends now
    }
    // Ended by the signal, as the caller expects.
    std::signal(nummer, SIG_DFL);
    std::raise(nummer);
}

// SIGINT and SIGTERM into the event loop, once.
void FangeSignale() {
    if (signalRohr[0] >= 0 || !QCoreApplication::instance()) return;
    if (::pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* melder =
        new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(melder, &QSocketNotifier::activated, melder, [] { Signalempfang(); });
    struct sigaction s {};
    s.sa_handler = AufSignal;
    sigemptyset(&s.sa_mask);
    s.sa_flags = SA_RESTART;
    for (const int nummer : {SIGINT, SIGTERM}) {
        struct sigaction bisher {};
        sigaction(nummer, nullptr, &bisher);
        // One ignored stays ignored (nohup, a job started in the background by a script).
        if (bisher.sa_handler != SIG_IGN) sigaction(nummer, &s, nullptr);
    }
}

} // namespace

std::unique_ptr<Datei> Datei::Oeffne(Mitschnitt& mitschnitt, const QString& pfad, QString& fehler) {
    std::unique_ptr<Datei> d(new Datei(mitschnitt, pfad));
    if (!d->datei_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        fehler = d->datei_.errorString();
        return nullptr;
    }
    Datei& datei = *d;
    d->senke_ = mitschnitt.Starte([&datei](const Mitschnitt::Eintrag& e) { datei.Schreibe(e); });
    {
        std::lock_guard l(offeneMutex);
        offene.push_back(&mitschnitt);
    }
    FangeSignale();
    return d;
}

Datei::Datei(Mitschnitt& mitschnitt, const QString& pfad) : mitschnitt_(mitschnitt), datei_(pfad) {}

Datei::~Datei() {
    if (senke_ == 0) return;
    {
        std::lock_guard l(offeneMutex);
        if (const auto it = std::find(offene.begin(), offene.end(), &mitschnitt_);
            it != offene.end())
            offene.erase(it);
    }
    mitschnitt_.Beende(senke_);
}

void Datei::Schreibe(const Mitschnitt::Eintrag& e) {
    const QByteArray zeile = (Zeile(e, anfang_) + u'\n').toUtf8();
    std::lock_guard l(m_);
    datei_.write(zeile);
    datei_.flush(); // a record must survive a program that is killed
}

} // namespace protokoll
