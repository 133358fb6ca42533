#include "seriallink/serthread.h"

#include "seriallink/mitschnitt.h"

#include <array>
#include <cerrno>
#include <exception>
#include <utility>

Empfangsstelle::Empfangsstelle(std::function<void()> melden) : melden_(std::move(melden)) {}

Empfangsstelle::~Empfangsstelle() {
    StopSerThread();
}

bool Empfangsstelle::StartSerThread(const serial::ComPort& port, unsigned zyklus, int* fehler) {
    std::lock_guard l(m_);
    return Starte(port, zyklus, eingriff_, fehler);
}

bool Empfangsstelle::Starte(const serial::ComPort& port, unsigned zyklus,
                            const Empfangseingriff& eingriff, int* fehler) {
    try {
        receiver_.push_back(std::make_unique<TSerThread>(*this, port, zyklus, eingriff));
    } catch (...) {
        if (fehler) *fehler = serial::StartFehler(std::current_exception());
        return false;
    }
    TSerThread* neu = receiver_.back().get();
    try {
        neu->Start();
    } catch (...) {
        if (fehler) *fehler = serial::StartFehler(std::current_exception());
        receiver_.pop_back();
        return false;
    }
    // Counted before it can leave, so that a stop right after waits for it.
    ++laufend_;
    aktuell_ = neu;
    return true;
}

void Empfangsstelle::StopSerThread() {
    std::vector<std::unique_ptr<TSerThread>> fertig;
    {
        std::unique_lock l(m_);
        stoppt_ = true;
        for (const auto& r : receiver_)
            r->Beende();
        cv_.wait(l, [this] { return laufend_ == 0; });
        fertig.swap(receiver_);
        aktuell_ = nullptr;
        stoppt_ = false;
    }
    // Every one has left its loop; joining them is quick.
    fertig.clear();
}

void Empfangsstelle::VerwirfWartende() {
    std::deque<Fund> weg;
    {
        std::lock_guard l(m_);
        weg.swap(funde_);
        zeilenWartend_ = 0;
    }
}

int Empfangsstelle::SerRunning() const {
    std::lock_guard l(m_);
    return laufend_;
}

std::optional<Fund> Empfangsstelle::Naechster() {
    std::vector<std::unique_ptr<TSerThread>> fertig;
    std::optional<Fund> f;
    {
        std::lock_guard l(m_);
        // A replaced receiver is freed as soon as it has left its loop, not at the close.
        for (auto it = receiver_.begin(); it != receiver_.end();) {
            if ((*it)->verlassen_ && it->get() != aktuell_) {
                fertig.push_back(std::move(*it));
                it = receiver_.erase(it);
            } else {
                ++it;
            }
        }
        if (!funde_.empty()) {
            f = std::move(funde_.front());
            funde_.pop_front();
            if (f->art == Fund::Art::Zeile) --zeilenWartend_;
        } else {
            gemeldet_ = false; // the next find calls again
        }
    }
    fertig.clear(); // joins: they have left their loop
    return f;
}

int Empfangsstelle::Empfaenger() const {
    std::lock_guard l(m_);
    return static_cast<int>(receiver_.size());
}

void Empfangsstelle::SetzeEingriff(Empfangseingriff eingriff) {
    std::lock_guard l(m_);
    eingriff_ = std::move(eingriff);
}

void Empfangsstelle::Melde(Fund f) {
    bool wecken = false;
    {
        std::lock_guard l(m_);
        // Bounded: a device that floods the line must not fill the memory while the GUI
        // thread catches up. What does not fit is counted; the loss of the port always fits.
        switch (f.art) {
        case Fund::Art::PortWeg:
            funde_.push_back(std::move(f));
            break;
        case Fund::Art::Zeile:
            if (zeilenWartend_ < GroessteZeilenzahl) {
                funde_.push_back(std::move(f));
                ++zeilenWartend_;
            } else {
                ++zeilenVerworfen_;
            }
            break;
        case Fund::Art::PruefsummenFehler:
            // A damaged stream fails at every 0xE5: failures in a row wait as one.
            if (!funde_.empty() && funde_.back().art == Fund::Art::PruefsummenFehler) {
                funde_.back().anzahl += f.anzahl;
                break;
            }
            [[fallthrough]];
        default:
            if (funde_.size() - zeilenWartend_ < GroessteWarteschlange)
                funde_.push_back(std::move(f));
            else
                verworfen_ += f.anzahl;
        }
        wecken = !gemeldet_;
        gemeldet_ = true;
    }
    // One call on its way at a time: the GUI thread takes what waits until none is left.
    if (wecken) melden_();
}

std::uint64_t Empfangsstelle::Verworfen() const {
    std::lock_guard l(m_);
    return verworfen_;
}

std::uint64_t Empfangsstelle::ZeilenVerworfen() const {
    std::lock_guard l(m_);
    return zeilenVerworfen_;
}

std::size_t Empfangsstelle::Wartend() const {
    std::lock_guard l(m_);
    return funde_.size();
}

int Empfangsstelle::RestartSerThread(TSerThread& alt) {
    std::lock_guard l(m_);
    alt.beendet_.store(true);
    if (stoppt_ || aktuell_ != &alt) return 0;
    aktuell_ = nullptr;
    int fehler = 0;
    return Starte(alt.port_, alt.zyklus_, alt.eingriff_, &fehler) ? 0 : fehler;
}

void Empfangsstelle::Verlassen(TSerThread& t) {
    bool ersetzt = false;
    {
        std::lock_guard l(m_);
        --laufend_;
        t.verlassen_ = true;
        ersetzt = !stoppt_ && aktuell_ != &t;
        cv_.notify_all();
    }
    // A receiver that a replacement took over from: the GUI thread frees it at its next turn.
    if (!ersetzt) return;
    {
        std::lock_guard l(m_);
        if (std::exchange(gemeldet_, true)) return;
    }
    melden_();
}

// Hands the byte steps' finds to the GUI thread, one by one.
class TSerThread::Weitergabe final : public Empfangsautomat::Senke {
public:
    explicit Weitergabe(TSerThread& t) : t_(t) {}
    void RahmenGefunden(std::span<const std::uint8_t> rahmen) override {
        Gib(Fund::Art::Rahmen, rahmen);
    }
    // The GUI thread needs no bytes of a failed candidate, only that it failed.
    void PruefsummeFalsch(std::span<const std::uint8_t>) override {
        Gib(Fund::Art::PruefsummenFehler, {});
    }
    void ZeileGefunden(std::span<const std::uint8_t> zeile) override {
        Gib(Fund::Art::Zeile, zeile);
    }

private:
    void Gib(Fund::Art art, std::span<const std::uint8_t> bytes) {
        t_.stelle_.Melde({art, {bytes.begin(), bytes.end()}, 0, t_.zyklus_});
    }
    TSerThread& t_;
};

TSerThread::TSerThread(Empfangsstelle& stelle, const serial::ComPort& port, unsigned zyklus,
                       Empfangseingriff eingriff)
    : stelle_(stelle), port_(port), zyklus_(zyklus), eingriff_(std::move(eingriff)) {}

TSerThread::~TSerThread() {
    if (thread_.joinable()) thread_.join();
}

void TSerThread::Start() {
    thread_ = std::thread(&TSerThread::Execute, this);
}

void TSerThread::Beende() {
    beendet_.store(true);
    wecker_.Wecke();
}

void TSerThread::Execute() {
    std::array<std::uint8_t, Lesepuffer> puffer{};
    // Read failures in a row on a port whose state still reads: after a few the port is
    // treated as gone rather than failing forever.
    int fehlerInFolge = 0;
    while (!beendet_.load()) {
        const serial::Ereignis e = serial::WarteAufEreignis(port_, wecker_);
        if (beendet_.load()) break;
        if (e.art != serial::Ereignis::Art::Daten) continue;
        const long n = serial::LiesVorhandenes(port_, puffer);
        const int lesefehler = n < 0 ? errno : EIO;
        if (n > 0) {
            fehlerInFolge = 0;
            try {
                Verarbeite({puffer.data(), static_cast<std::size_t>(n)});
            } catch (...) {
                if (const int fehler = stelle_.RestartSerThread(*this); fehler != 0) {
                    // No replacement to be had: the port is served no longer.
                    stelle_.Melde({Fund::Art::PortWeg, {}, fehler, zyklus_});
                    break;
                }
            }
            continue;
        }
        if (n == 0 && !e.aufgelegt) continue; // woken without bytes after all
        // The port-state query tells a gone device from a failed read.
        int fehler = lesefehler;
        const bool weg = e.aufgelegt || !serial::PortZustandLesbar(port_, &fehler);
        if (weg || ++fehlerInFolge >= 3) {
            stelle_.Melde({Fund::Art::PortWeg, {}, fehler, zyklus_});
            break;
        }
        stelle_.Melde({Fund::Art::Lesefehler, {}, lesefehler, zyklus_});
    }
    stelle_.Verlassen(*this);
}

void TSerThread::Verarbeite(std::span<const std::uint8_t> bytes) {
    if (eingriff_) eingriff_(bytes);
    Weitergabe weitergabe(*this);
    // The mode first: once it reads as on, a request to drop the line made with it is seen
    // too, and no byte of this read joins a line of an earlier session.
    const bool firmwareModus = stelle_.FirmwareModus();
    if (stelle_.zeileVerwerfen_.exchange(false)) automat_.VerwirfZeile();
    Mitschnitt* m = stelle_.mitschnitt_;
    if (stelle_.kandidatVerwerfen_.exchange(false)) {
        if (m)
            m->VerwirfKandidat(automat_);
        else
            automat_.VerwirfKandidat();
    }
    // The record, while on, runs the steps itself, to see what they make of each byte.
    if (m && m->An())
        m->Lies(automat_, bytes, firmwareModus, weitergabe);
    else
        automat_.Lies(bytes, firmwareModus, weitergabe);
}
