#pragma once
// The service tool's commands, in one table: each with its forms and help, the options and
// words it takes, what it checks before the port is opened, and what it does. The help, the
// command list and the dispatch all come from it.
#include "geraet/messages.h"
#include "tools/service/verbindung.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace dienst {

// What the command line says, and what the checks before the port prepared from it.
struct Auftrag {
    // Options.
    QStringList ports;
    QString einstellungen, protokoll, datei, setzen;
    bool jetzt = false, ja = false, hilfe = false;
    std::optional<int> gruppe;
    std::optional<double> frist;       // seconds
    std::optional<int> wiederholungen; // requests: 2; flash: a refused line, 10
    QStringList gegeben;               // the names of the options given
    // The command and its words.
    QString befehl;
    QStringList woerter;

    // Prepared before the port is opened.
    QDateTime zeitpunkt;             // zeit --setzen / --jetzt (UTC)
    messages::TrackerParameter satz; // param --setzen: what the file stands for
    QString satzText;                // and the file's text
    int winkel = 0;                  // position
    std::unique_ptr<Verbindung> v;   // the one port, for the commands that talk to one
};

// One way to call a command, as the help shows it.
struct Form {
    const char* aufruf; // "zeit --setzen JJJJ-MM-TTTHH:MM[:SS] | --jetzt [--gruppe N]"
    const char* hilfe;  // lines of at most 52 characters
};

struct Befehl {
    const char* name;
    std::vector<Form> formen;
    // The options it takes, besides --help.
    std::vector<std::string_view> optionen;
    int woerter = 0;      // how many words follow the name
    bool einPort = false; // talks to exactly one port, opened before `fuehreAus`
    // Checks and prepares what the command line says before any port is opened.
    std::optional<Fehler> (*pruefe)(Auftrag&) = nullptr;
    int (*fuehreAus)(Auftrag&, Fehler&) = nullptr;
};

const std::vector<Befehl>& Befehle();
const Befehl* Finde(const QString& name);

// The options the command line may hold (for the reader), and the help text of the whole tool.
struct Optionstext {
    const char* name;
    const char* wert;  // "P", "F", "S", "N"; empty for a switch
    const char* hilfe; // shown in the help when not empty
};
const std::vector<Optionstext>& Optionen();
QString Hilfe();

} // namespace dienst
