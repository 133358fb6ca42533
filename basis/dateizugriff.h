#pragma once
// Reading and replacing the application's small text files (settings, sites, simulation
// files) so that no fault of the file system costs data:
// - only regular files are read, up to GroessteDatei; a device, a FIFO, a folder or a
//   larger file reads like an unreadable one and is never replaced;
// - a replacement is written to a temporary copy beside the file ("<name>.XXXXXX"), every
//   byte checked and synced to disk, and only then renamed over the original; on any
//   failure the copy is removed and the original keeps every byte;
// - the read-modify-write of one file is serialised across processes by an flock on the
//   file's folder, which also tells that a copy left by a killed save is stale: it is
//   removed at the next write of that file;
//   a lock that another process holds for longer than Sperrfrist fails the write, with the
//   file as it was;
// - a symbolic link stays a link: the file it points to is replaced.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>

namespace dateizugriff {

// Far above any real settings or site file (50,000 sites take about 2 MiB), small enough
// that a wrong file in their place cannot eat the memory.
inline constexpr qint64 GroessteDatei = qint64(16) << 20;

// How long a write waits for another process's save in the same folder: far longer than any
// save takes, short enough that a stopped holder does not freeze the window for long.
inline constexpr std::chrono::milliseconds Sperrfrist{3000};

// The bytes of the file, or nullopt when it is missing or cannot be read as described above.
std::optional<QByteArray> Lies(const QString& pfad);

// Replaces the file with aendern(old bytes); a missing file counts as empty and is created.
// Returns false when the file was not replaced: its path cannot be written, it exists and
// cannot be read, the new bytes did not all reach the disk, or another program held the
// folder's lock for all of Sperrfrist (then *belegt is set, else cleared). Exceptions from
// aendern leave the file as it is and pass on.
bool Ersetze(const QString& pfad, const std::function<QByteArray(const QByteArray&)>& aendern,
             bool* belegt = nullptr);

// Writes a copy of quelle to ziel when ziel does not exist yet (under the same lock and with
// the same checks as Ersetze). Returns whether a copy was made.
bool KopiereWennFehlt(const QString& quelle, const QString& ziel);

// Called after the copy is complete on disk and before it replaces the original; tests
// throw from it to interrupt a write. An empty function removes it.
void SetzeVorDemErsetzen(std::function<void()> vorDemErsetzen);

// For tests: the time a write waits for the folder's lock (Sperrfrist by default).
void SetzeSperrfrist(std::chrono::milliseconds frist);

// Stands in for write(2) when given (same contract); tests simulate a full disk with it
// where they cannot mount a small file system. An empty function restores write(2).
void SetzeSchreibfunktion(std::function<long(int fd, const char* daten, std::size_t laenge)>);

} // namespace dateizugriff
