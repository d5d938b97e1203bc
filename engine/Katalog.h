#pragma once

#include "engine/Schema.h"
#include "store/Ergebnis.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <array>
#include <optional>

// Access to the catalogue file system98.dll in the current working folder. Every value goes into a
// statement as a bound parameter; table names come only from Schema.
namespace Katalog {

// One row of a question table (FragenMann, FragenFrau).
struct FrageZeile
{
    qint32 Nr = 0;
    QString Frage;
    bool KeineAussage = false; // the question may be skipped
    bool Absatz = false;       // its phrase starts a new paragraph
};

// The phrasing letters A, B, C as indexes of the part arrays.
enum Buchstabe
{
    A = 0,
    B = 1,
    C = 2
};

// One row of an answer table: the phrasings of one question and grade. A null part is nullopt.
struct AntwortZeile
{
    qint32 Frage = 0;
    qint16 Note = 0;
    std::array<std::optional<QString>, 3> Antwort1; // VarianteAAntwort1, VarianteBAntwort1, VarianteCAntwort1
    std::array<std::optional<QString>, 3> Antwort2; // VarianteAAntwort2, VarianteBAntwort2, VarianteCAntwort2
};

// One row of Auswahl, the choices of the reference being written. `zeile` is the row's rowid.
struct AuswahlZeile
{
    qint64 zeile = 0;
    qint32 Frage = 0;
    qint16 Note = 0;
    std::optional<QString> Variante;
    std::optional<bool> KeineAussage;
    std::optional<QString> EigeneFormulierung;
};

// How a connection may use the file.
enum class Zugriff
{
    LesenSchreiben,
    // Every change is refused. The file is opened for writing all the same: only so is a write that a crash
    // interrupted rolled back on opening; a connection opened read-only would refuse to read such a file.
    NurLesen,
    // Reads and writes, and makes the file when it is missing (the catalogue build).
    Anlegen
};

// A connection of its own to a catalogue file, by default system98.dll in the current working folder; the
// file is created only with `Zugriff::Anlegen`. The constructor opens it and checks that it is a database
// holding `tabellen`; the destructor closes the connection and removes it. Queries made on it must end
// before it does.
class Verbindung
{
public:
    explicit Verbindung(Zugriff zugriff = Zugriff::LesenSchreiben,
                        const QStringList& tabellen = Schema::alleTabellen());
    Verbindung(const QString& pfad, Zugriff zugriff, const QStringList& tabellen = {});
    ~Verbindung();
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    bool offen() const { return m_fehler.isEmpty(); }
    const QString& fehler() const { return m_fehler; }
    // The driver's error when opening or reading the file failed, so a caller can tell a damaged file
    // (SQLite's codes 11 and 26) from a locked or unreadable one.
    const QSqlError& treiberfehler() const { return m_treiberfehler; }
    QSqlDatabase db() const;

    // Prepares `sql`, binds `werte` in order and executes it. The query stays positioned before its
    // first row.
    Status ausfuehren(QSqlQuery& abfrage, const QString& sql, const QVariantList& werte = {});

private:
    QString m_name;
    QString m_fehler;
    QSqlError m_treiberfehler;
};

// The questions of one set: type and kind of the given sex's question table, by ascending Nr.
Ergebnis<QList<FrageZeile>> fragensatz(Verbindung& v, qint16 geschlecht, qint16 typ, qint16 art);

// How many questions the set of this type and kind holds in the given sex's question table.
Ergebnis<int> fragenZahl(Verbindung& v, qint16 geschlecht, qint16 typ, qint16 art);

// The answer rows of one question in stored order.
Ergebnis<QList<AntwortZeile>> antworten(Verbindung& v, qint16 geschlecht, const QString& sprachwort,
                                        qint32 frage);

// The first answer row of one question and grade, nullopt when there is none.
Ergebnis<std::optional<AntwortZeile>> antwort(Verbindung& v, qint16 geschlecht, const QString& sprachwort,
                                              qint32 frage, qint16 note);

// The two lookups of the language switch, prepared once and run for many rows on one connection: one
// question of the sex's question table, and the first answer row of a question and grade in the answer
// table of the sex and language.
class Nachschlagen
{
public:
    Nachschlagen(Verbindung& v, qint16 geschlecht, const QString& sprachwort);
    Ergebnis<std::optional<FrageZeile>> frage(qint32 nr);
    Ergebnis<std::optional<AntwortZeile>> antwort(qint32 frage, qint16 note);

private:
    QSqlQuery m_frage;
    QSqlQuery m_antwort;
    QString m_fehler; // set when the statements could not be prepared
};

// Auswahl: all rows in the order they were added; one row; the first row of a question; writing.
Ergebnis<QList<AuswahlZeile>> auswahl(Verbindung& v);
Ergebnis<std::optional<AuswahlZeile>> auswahlZeile(Verbindung& v, qint64 zeile);
Ergebnis<std::optional<qint64>> auswahlFinden(Verbindung& v, qint32 frage);
// Stores `z`: updates the row `z.zeile` when it is not 0, otherwise adds a row. Returns the row's rowid.
Ergebnis<qint64> auswahlSpeichern(Verbindung& v, const AuswahlZeile& z);
Status eigeneFormulierungSetzen(Verbindung& v, qint64 zeile, const QString& text);
// Removes every choice (start of a new reference).
Status auswahlLeeren(Verbindung& v);

// LetzterBrief: the text of its first row (nullopt when null or when the table has no row), and writing
// it. Writing adds the row when the table has none, so that the text is never lost.
Ergebnis<std::optional<QString>> letzterBrief(Verbindung& v);
Status letzterBriefSchreiben(Verbindung& v, const QString& text);

// The failure of a table lookup that found no table: for a sex other than 1 or 2, or else for the language
// word `sprachwort` that names no answer tables.
Fehler keineTabelle(qint16 geschlecht, const std::optional<QString>& sprachwort = std::nullopt);

// A text as a bound value that is never NULL, also when `text` is a null QString: an empty own wording is
// stored as the empty text.
QVariant textWert(const QString& text);

} // namespace Katalog
