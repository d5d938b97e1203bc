#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// Builds a catalogue file for one test: the empty schema of the program (Schema::anlegen) and exactly the
// rows the test asks for. Texts given as null QString are stored as NULL. Each call that adds rows writes
// them in one transaction.
class Testkatalog
{
public:
    struct Frage
    {
        qint32 nr = 0;
        QString text;
        qint16 typ = 1;
        qint16 art = 2;
        bool keineAussage = false;
        bool absatz = false;
    };

    struct Antwort
    {
        qint32 frage = 0;
        qint16 note = 0;
        QString a1, a2, b1, b2, c1, c2;
    };

    // Creates `datei` (default: system98.dll in the current working folder) with the schema.
    explicit Testkatalog(const QString& datei = QStringLiteral("system98.dll"));
    ~Testkatalog();
    Testkatalog(const Testkatalog&) = delete;
    Testkatalog& operator=(const Testkatalog&) = delete;

    // A question for both sexes (`geschlecht` 0) or for one; the text gets " (Frau)" in FragenFrau.
    Testkatalog& frage(const Frage& f, qint16 geschlecht = 0);
    // An answer row for both sexes (0) or one, in every language (empty `sprache`) or one. In the other
    // languages each first part starts with the language tag of `kennung`.
    Testkatalog& antwort(const Antwort& a, qint16 geschlecht = 0, const QString& sprache = {});

    // A graded question with rows for grades 1 to `noten` (4 or 5) and phrasings A to C whose first parts
    // read "F<nr>N<note>A." and so on; no second parts.
    Testkatalog& bewerteteFrage(qint32 nr, int noten = 5, bool absatz = false, bool keineAussage = false,
                                qint16 typ = 1, qint16 art = 2);
    // An ungraded question with one row of Note 0 and phrasings "F<nr>A." to "F<nr>C.".
    Testkatalog& ungewerteteFrage(qint32 nr, bool absatz = false, bool keineAussage = false, qint16 typ = 1,
                                  qint16 art = 2);

    // Runs a statement with bound values; fails the test program on error.
    void sql(const QString& statement, const QVariantList& werte = {});
    // The rows of a query, each as a list of its values.
    QList<QVariantList> zeilen(const QString& abfrage, const QVariantList& werte = {});

    // "" for Deutsch, "EN:", "FR:", "IT:", "ES:" for the others.
    static QString kennung(const QString& sprache);

private:
    class Schreibvorgang;
    QString m_verbindung;
    int m_tiefe = 0;
};

// Runs a statement with bound values on the named connection and returns the query, positioned before its
// first row. A failure ends the test program with the statement and the error.
QSqlQuery sqlAusfuehren(const QString& verbindung, const QString& statement, const QVariantList& werte = {});
