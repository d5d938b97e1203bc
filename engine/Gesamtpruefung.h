#pragma once

#include "store/Ergebnis.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QtGlobal>

struct Sitzung;

// The check of a whole reference before it goes out: do the parts fit together, do own wordings hold what a
// reference must not say, are the expected parts there. It only reports; the user decides. Its rules are
// the tables below; the questions are found by their role in the catalogue (table Fragenrolle).
namespace Gesamtpruefung {

// Two grades fit together when they are at most this far apart.
inline constexpr double Hoechstabstand = 1.0;

// What was chosen for a question.
enum class Wahl
{
    Offen, // not answered yet
    A,
    B,
    C,
    Eigene,
    Uebersprungen
};

struct Frage
{
    qint32 nr = 0;
    QString rolle;   // empty when the catalogue names none
    qint16 note = 0; // 0: ungraded
    Wahl wahl = Wahl::Offen;
    QString eigenerText;

    // A prepared phrasing, whose grade the text carries.
    bool vorgefertigt() const { return wahl == Wahl::A || wahl == Wahl::B || wahl == Wahl::C; }
    // The question adds something to the reference.
    bool beantwortet() const
    {
        return vorgefertigt() || (wahl == Wahl::Eigene && !eigenerText.trimmed().isEmpty());
    }
};

struct Eingabe
{
    qint16 typ = 0;      // employee type (Typ codes)
    QList<Frage> fragen; // every question of the set in asking order
    qint16 art = 0;      // reference kind (Art codes)
};

struct Befund
{
    qint32 frage = 0; // the question to go to; 0 when the finding concerns no single question
    QString text;     // German
};

// What a part is compared with.
enum class Bezug
{
    Leistungsschnitt, // the average of the single performance grades (role "leistung")
    Zusammenfassung,  // the grade of the summary (role "zusammenfassung")
    Leistung          // the summary, or the performance average where there is no graded summary
};

// A part of the reference and what it must fit. With `schnitt` the average of all questions of the role is
// compared (and the finding points at the first), otherwise each question on its own. The text takes the
// part's grade (%1) and the reference grade (%2).
struct Vergleich
{
    QString rolle;
    bool schnitt = false;
    Bezug bezug = Bezug::Zusammenfassung;
    QString text;
};
const QList<Vergleich>& vergleiche();

// Which references a rule is for: every one, the final ones (kinds 1 and 2) or the interim ones (kind 3).
enum class Geltung
{
    Jedes,
    Endzeugnis,
    Zwischenzeugnis
};
bool gilt(Geltung geltung, qint16 art);

// A part a reference of this type is expected to have (type 0: every type). It is missing when the set has
// questions of the role and none of them adds anything.
struct Erwartung
{
    qint16 typ = 0;
    QString rolle;
    QString text;
    Geltung geltung = Geltung::Jedes;
};
const QList<Erwartung>& erwartungen();

// Patterns an own wording must not match besides the forbidden wordings: grade numbers and school marks.
struct Textregel
{
    QRegularExpression ausdruck;
    QString grund;
};
const QList<Textregel>& textregeln();

// The grades whose prepared phrasing gets the hint that a below-average assessment must be provable.
inline constexpr qint16 ErsteUnterdurchschnittlicheNote = 4;

// Runs every rule on `eingabe`. Without any role in the set the comparisons and expected parts are not
// judged; one finding says so. Own wordings count for the expected parts but not for the grade comparisons
// (their grade is not known).
QList<Befund> pruefen(const Eingabe& eingabe);

// The set of the employee in the shared record with its roles and recorded choices, read from the catalogue
// in the working folder.
Ergebnis<Eingabe> laden(const Sitzung& sitzung);

// A grade or average as German text: "2", "2,5".
QString noteText(double note);

} // namespace Gesamtpruefung
