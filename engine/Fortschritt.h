#pragma once

#include "store/Einstellungen.h"
#include "store/Ergebnis.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

struct Sitzung;

// The progress record of the reference being written: where work continues and the text so far. It lives in
// table Fortschritt of the catalogue file, saved together with the text in LetzterBrief in one transaction,
// so that no crash leaves the two apart. Section "Abbruch" of the settings file gets a copy afterwards, for
// the resume of earlier versions; where the two disagree, the catalogue file counts.
namespace Fortschritt {

inline const QString Tabelle = QStringLiteral("Fortschritt");

enum class Zustand : qint16
{
    Keiner = 0,     // no reference under way: the next start begins a new one
    Fragen = 1,     // answering: work continues at `frage`
    Ende = 2,       // every question answered: the finished reference waits to be handed out
    Ausgegeben = 3, // the finished reference was handed out
};

struct Stand
{
    Zustand zustand = Zustand::Keiner;
    qint32 frage = 0; // Nr of the question at which work continues
    qint16 zahl = 0;  // questions passed so far
    qint16 typ = 0;
    qint16 art = 0;
    QString sprache; // output language word of the end state ("Deutsch", "Englisch", ...)
    QString text;    // the reference text as it stands
    // Only read: the last finished reference (kept until the next one is finished).
    QString fertig;

    bool operator==(const Stand&) const = default;
};

// The result of a save: `fehler` when the record was not saved (the previous one stands), `hinweis` when it
// was saved but the copy in the settings file failed.
struct [[nodiscard]] Gespeichert
{
    QString fehler;
    QString hinweis;
    bool ok() const { return fehler.isEmpty(); }
};

// Saves `stand`: the record and the text in one transaction (the end state also keeps the text as the last
// finished reference), then the copy in section "Abbruch" in one replacement of the settings file: while
// answering "ArbeitnehmerTyp", "Zeugnisart", "Frage" and "Zahl", otherwise "Frage" 0 alone.
Gespeichert speichern(const Stand& stand);

// The record of the catalogue file; nullopt when the file holds none yet (written by an earlier version).
Ergebnis<std::optional<Stand>> lesen();

// Where work stands at the start: the record of the catalogue file, or, when there is none, what section
// "Abbruch" of the settings file says (`abschrift`), with the text of LetzterBrief.
Ergebnis<Stand> beimStart(const Einstellungen::Fortschritt& abschrift);

// Whether interrupted work can go on as recorded. A resume point that is not in the question set, an empty
// text with recorded choices, or an empty text past the first question is mended from the recorded choices
// when they answer the set's first questions without a gap; otherwise work cannot go on.
struct Fortsetzung
{
    enum class Art
    {
        Weiter,            // go on with `stand`
        Wiederhergestellt, // go on with `stand`, mended from the choices; `grund` says so
        Neubeginn,         // a new reference begins; `grund` says why
    };
    Art art = Art::Weiter;
    Stand stand;
    QString grund;
};
// `sitzung` gives the employee's sex and data for the question set and the text.
Ergebnis<Fortsetzung> fortsetzungPruefen(const Stand& stand, const Sitzung& sitzung);

// The steps of a save, for tests that make one of them fail as a crash there would.
enum class Schritt
{
    Beginnen,      // the transaction starts
    Stand,         // the record is written
    Text,          // LetzterBrief is written
    Festschreiben, // the transaction is committed
    Abschrift,     // the copy goes into the settings file
};
using Stoerung = std::function<bool(Schritt)>;
void setzeStoerung(Stoerung stoerung);

} // namespace Fortschritt
