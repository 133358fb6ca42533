#include "seriallink/sendeweg.h"

#include <exception>

Sendeweg::~Sendeweg() {
    Schliesse();
}

int Sendeweg::Oeffne(const serial::ComPort& port) {
    Schliesse();
    std::lock_guard l(m_);
    try {
        wecker_ = std::make_unique<serial::Wecker>();
        port_ = &port;
        ende_ = false;
        rest_.clear();
        gesendet_ = abgeschlossen_ = 0;
        thread_ = std::thread(&Sendeweg::Laufe, this);
    } catch (...) {
        port_ = nullptr;
        wecker_.reset();
        return serial::StartFehler(std::current_exception());
    }
    return 0;
}

void Sendeweg::Schliesse() {
    {
        std::lock_guard l(m_);
        if (!port_) return;
        ende_ = true;
        rest_.clear();
        // A drain behind a stopped line (flow control) would otherwise never return.
        serial::VerwirfAusgabe(*port_);
        wecker_->Wecke();
    }
    cv_.notify_all();
    thread_.join();
    std::lock_guard l(m_);
    port_ = nullptr;
    wecker_.reset();
}

bool Sendeweg::Offen() const {
    std::lock_guard l(m_);
    return port_ != nullptr && !ende_;
}

bool Sendeweg::Sende(std::span<const std::uint8_t> bytes) {
    std::unique_lock l(m_);
    if (!port_ || ende_) return false;
    const serial::ComPort& port = *port_;
    // No DSR flow control in the Linux driver: a send waits for nobody, it is refused while
    // the other side says it is not ready. A port without modem lines has no say.
    if (port.Einstellungen().fOutxDsrFlow && serial::Dsr(port) == false) return false;
    if (!rest_.empty() && rest_.size() + bytes.size() > port.Sendepuffer()) return false;
    if (port.RtsVonHand()) serial::SetzeRts(port, true);
    bool ok = true;
    if (!rest_.empty()) {
        rest_.insert(rest_.end(), bytes.begin(), bytes.end());
    } else {
        const long n = serial::SchreibeOhneWarten(port, bytes);
        if (n < 0)
            ok = false; // nothing queued; the thread still drops RTS again
        else
            rest_.assign(bytes.begin() + n, bytes.end());
    }
    ++gesendet_;
    l.unlock();
    cv_.notify_one();
    return ok;
}

void Sendeweg::Laufe() {
    const serial::ComPort& port = *port_;
    std::unique_lock l(m_);
    for (;;) {
        cv_.wait(l, [this] { return ende_ || gesendet_ != abgeschlossen_; });
        if (ende_) return;
        while (!rest_.empty()) {
            l.unlock();
            const bool frei = serial::WarteBisSchreibbar(port, *wecker_);
            l.lock();
            if (ende_) return;
            const long n = frei ? serial::SchreibeOhneWarten(port, rest_) : -1;
            if (n < 0)
                rest_.clear(); // the line is gone; what is left cannot go out
            else
                rest_.erase(rest_.begin(), rest_.begin() + n);
        }
        const std::uint64_t stand = gesendet_;
        l.unlock();
        const bool leer = serial::WarteBisGesendet(port);
        l.lock();
        if (ende_) return;
        if (gesendet_ != stand) continue; // a later send's drain decides
        if (!leer) {
            cv_.wait_for(l, TimerRTSCTS, [&] { return ende_ || gesendet_ != stand; });
            if (ende_) return;
            if (gesendet_ != stand) continue;
        }
        if (port.RtsVonHand()) serial::SetzeRts(port, false);
        abgeschlossen_ = stand;
    }
}
