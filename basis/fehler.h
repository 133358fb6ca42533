#pragma once
// The failures a user is shown. Each carries the text of its message box; a handler that
// meets one stops, and the handler runner (widgets/handlerlauf.h) shows the text of the
// outermost failure. Conversion failures are zahltext::KonvertierFehler (basis/zahltext.h).
#include <QCoreApplication>
#include <QString>
#include <stdexcept>

class BenutzerFehler : public std::runtime_error {
public:
    explicit BenutzerFehler(const QString& meldung)
        : std::runtime_error(meldung.toStdString()), meldung_(meldung) {}
    const QString& meldung() const { return meldung_; }

private:
    QString meldung_;
};

// A file that could not be written: "In %s kann nicht geschrieben werden", and why when
// another program held its folder (belegt: the save gave up waiting for its lock).
class SchreibFehler : public BenutzerFehler {
public:
    explicit SchreibFehler(const QString& pfad, bool belegt = false)
        : BenutzerFehler(belegt ? QCoreApplication::translate(
                                      "SchreibFehler", "In %1 kann nicht geschrieben werden: ein "
                                                       "anderes Programm hält den Ordner belegt")
                                      .arg(pfad)
                                : QCoreApplication::translate("SchreibFehler",
                                                              "In %1 kann nicht geschrieben werden")
                                      .arg(pfad)),
          pfad_(pfad) {}
    const QString& pfad() const { return pfad_; }

private:
    QString pfad_;
};
