#pragma once
// INI files with the behaviour of private-profile files: names match without regard to
// case, a written key replaces its line where it stands, a missing key is appended to its
// section and a missing section to the end, every other line stays as it was. The text on
// disk is Windows-1252 with CRLF line ends; LF and a lone CR are accepted when reading, and a
// leading UTF-8 byte-order mark is skipped (and kept in place when the file is written; the
// written line is Windows-1252 all the same). Each write goes straight to disk through a
// temporary file and a rename, so a failed write never leaves a truncated file behind; a
// device, a FIFO or a file beyond dateizugriff::GroessteDatei reads as a missing file and is
// never written (see dateizugriff.h).
//
// Details of the line handling: a written line is "key=value" with the key as the caller
// spells it and ends in CRLF; untouched lines keep their bytes and their own line ends. A
// missing key goes after the last entry of its section (before its trailing blank lines and
// comments), a missing section to the end of the file after one blank line. Values are read
// without surrounding blanks and without one pair of matching surrounding quotes; lines
// starting with ';' are comments. The first of several equal sections or keys counts.
// QSettings and the usual INI libraries rewrite the whole file in their own order and drop
// comments and foreign formatting, hence this small implementation.
#include "basis/fehler.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

class IniDatei {
public:
    explicit IniDatei(QString pfad);
    const QString& pfad() const { return pfad_; }

    // Section names in file order (duplicates listed once, first place wins).
    QStringList Abschnitte() const;
    bool HatSchluessel(const QString& abschnitt, const QString& schluessel) const;
    // The entries of the first section of that name, key and value, in file order; of several
    // equal keys the first counts.
    QList<QPair<QString, QString>> Eintraege(const QString& abschnitt) const;

    QString LeseText(const QString& abschnitt, const QString& schluessel,
                     const QString& vorgabe = QString()) const;
    // Whole number as the toolkit's INI reader takes it (decimal or "0x"/"0X" hex, no "$");
    // else vorgabe.
    int LeseGanzzahl(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    // Decimal number as zahltext::LeseDateizahl reads it: under the user's separator or, as
    // written under another locale, the other one; a text that is no number gives vorgabe.
    // Group separators ("1.234,5") throw zahltext::KonvertierFehler naming the file, the key
    // and the section.
    double LeseGleitkomma(const QString& abschnitt, const QString& schluessel,
                          double vorgabe) const;
    bool LeseBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    // Finds these keys of one section in a single pass over the file; the reads of them that
    // follow answer from what it found. For a handler that reads many keys, so that a large
    // file is gone through once, not once per key.
    void LeseVoraus(const QString& abschnitt, const QStringList& schluessel) const;

    // The first read of an object reads the file once and every later read of that object
    // answers from those bytes, so that a load of many keys parses a large file once: keep
    // an object for one handler, as the file may change between handlers.
    // Each write reads the file afresh, changes one line and replaces the file; reads after
    // it read the file again.
    // Throws SchreibFehler when the file cannot be written.
    void SchreibeText(const QString& abschnitt, const QString& schluessel, const QString& wert);
    // Several keys of one section in one replacement of the file: the bytes are those that
    // writing them one by one in this order would leave, but a failure leaves the file as it
    // was, without any of them. Nothing to write leaves the file untouched.
    void SchreibeTexte(const QString& abschnitt, const QList<QPair<QString, QString>>& eintraege);
    void SchreibeGanzzahl(const QString& abschnitt, const QString& schluessel, int wert);
    void SchreibeGleitkomma(const QString& abschnitt, const QString& schluessel, double wert);
    void SchreibeBool(const QString& abschnitt, const QString& schluessel, bool wert);

private:
    const QByteArray& Inhalt() const;
    std::optional<QString> LiesWert(const QString& abschnitt, const QString& schluessel) const;
    std::optional<qsizetype> Anfang(const QString& abschnitt) const;

    QString pfad_;
    mutable std::optional<QByteArray> inhalt_;
    // Where the sections read so far begin in inhalt_ (case-folded names; none: missing).
    mutable QHash<QString, std::optional<qsizetype>> anfaenge_;
    // What LeseVoraus found, by section and key as the caller spells them.
    mutable QHash<QPair<QString, QString>, std::optional<QString>> vorausGelesen_;
};

// Windows-1252 <-> Unicode, one byte per character. Characters outside the code page
// become '?' when encoded.
QByteArray NachCp1252(const QString& text);
QString AusCp1252(const QByteArray& bytes);
