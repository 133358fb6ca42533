#pragma once
// The traffic record written to a file, one line per entry as protokoll::Zeile makes it (times
// counted from the file's opening), appended and flushed as the entries come, on the link's
// threads: what --protokoll writes, in the application and in heliowendler-service.
//
// A process ended by SIGINT or SIGTERM would lose what the record still holds (a candidate
// still being collected, a line without its end). So, from the first file opened on, these
// signals end the record of every open file first (each gets what its record holds) and then
// the process, by the same signal as without a record. The signal is taken into the event loop
// of the thread that opened the first file (the main thread: a QCoreApplication must exist);
// the handler itself only writes a byte to a pipe.
#include "seriallink/mitschnitt.h"

#include <QFile>
#include <QString>
#include <memory>
#include <mutex>

namespace protokoll {

class Datei {
public:
    // Opens pfad for appending and attaches to the record; nullptr with the reason in fehler.
    static std::unique_ptr<Datei> Oeffne(Mitschnitt& mitschnitt, const QString& pfad,
                                         QString& fehler);
    // Detaches; when the file was the record's last sink it first gets what the record holds.
    ~Datei();
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;

private:
    Datei(Mitschnitt& mitschnitt, const QString& pfad);
    void Schreibe(const Mitschnitt::Eintrag& e);

    Mitschnitt& mitschnitt_;
    QFile datei_;
    std::mutex m_; // entries come on the receiver's and the sender's threads
    Mitschnitt::Uhr::time_point anfang_ = Mitschnitt::Uhr::now();
    int senke_ = 0;
};

} // namespace protokoll
