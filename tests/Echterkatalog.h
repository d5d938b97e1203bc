#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

class Arbeitsordner;
class Fragenbildschirm;
struct Arbeitnehmerdaten;

// The delivered catalogue in tests: a copy in the working folder, read with SQL of the tests' own (never
// through the program's access layer), and the reference text that a list of answers must give.
class Echterkatalog
{
public:
    struct Frage
    {
        qint32 nr = 0;
        QString text;
    };

    // One answered question: the grade (0 for an ungraded question) and the choice, 0 to 2 the phrasings A to
    // C, 3 the own wording `EigenerSatz`, 4 the skip.
    struct Antwort
    {
        qint32 frage = 0;
        int note = 0;
        int wahl = 0;
    };

    static inline const QString EigenerSatz = QStringLiteral("Eigene Worte; mit \"Zeichen\" \\ und 100 %.");

    // False when this build has no catalogue (its sources are missing).
    static bool vorhanden();
    // Copies the built catalogue (or another built one, such as the test catalogue) into the working folder
    // as system98.dll, writable like an installed one.
    static bool kopieren(const Arbeitsordner& ordner,
                         const QString& katalog = QStringLiteral(ZEUGNIS_KATALOG));

    // Opens the copy in the working folder on a connection of its own.
    Echterkatalog();
    ~Echterkatalog();
    Echterkatalog(const Echterkatalog&) = delete;
    Echterkatalog& operator=(const Echterkatalog&) = delete;

    // The questions of a set in the order the question screen asks them.
    QList<Frage> fragen(qint16 geschlecht, qint16 typ, qint16 art) const;

    // The reference text these answers give in a language ("Deutsch", "Englisch", ...), without the closing
    // block: per answered question its phrase in the language's answer table (the surname between the two
    // parts) or the own wording, with the employee's data filled in, after its separator; a skip adds
    // nothing.
    QString text(const QList<Antwort>& antworten, qint16 geschlecht, const QString& sprachwort,
                 const Arbeitnehmerdaten& daten) const;

private:
    QString phrase(const QString& tabelle, const Antwort& a, const QString& name) const;
    bool absatz(const QString& tabelle, qint32 frage) const;

    QString m_verbindung;
};

// Answers questions `von` to `bis` - 1 of the set `fragen` through the widgets, each by a fixed pattern
// over its index i: a grade cycling through the grades offered, a skip on every fourth question where
// allowed, the own wording on questions 7, 20, 33, ..., otherwise phrasing A, B or C in turn (the next one
// offered). Checks the counter (announcing `angesagt` questions, 0: the size of the set) and the question
// shown before each answer and appends each answer to `antworten`. Fails the running test when the screen
// does not show or offer what is expected.
void musterantworten(Fragenbildschirm& b, const QList<Echterkatalog::Frage>& fragen, int von, int bis,
                     QList<Echterkatalog::Antwort>& antworten, int angesagt = 0);

// The closing block the reference must end with: two line breaks, place, ", ", date, two line breaks,
// signatory; written out here, not taken from the program.
QString erwarteterSchluss(const QString& ort, const QString& datum, const QString& unterzeichner);
