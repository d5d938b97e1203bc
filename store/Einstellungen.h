#pragma once

#include "store/Ergebnis.h"
#include "store/ProfilDatei.h"
#include "store/Sitzung.h"

#include <QString>
#include <array>
#include <optional>

// What the program keeps in the settings file: the employer's data, the employee handled last and the
// progress of interrupted work. Every key of the file is named here and nowhere else. A load reads the file
// once; a save reads it once and replaces it once, however many keys it writes, and says in German which file
// could not be written and why.
namespace Einstellungen {

// A text field of a record and its key.
template <typename Satz> struct Feld
{
    QString schluessel;
    QString Satz::*wert;
};

// The employer's data, in the order they are saved.
const std::array<Feld<Arbeitgeberdaten>, 5>& arbeitgeberfelder();
// The employee's text fields, in the order they are saved; the sex and the date of issue follow them.
const std::array<Feld<Arbeitnehmerdaten>, 8>& arbeitnehmerfelder();

// Every stored employer field replaces its field in `ag`; returns how many of the five were stored.
int arbeitgeberLaden(Arbeitgeberdaten& ag);
// The same from a file read before, for a screen that reads the file once (Profil::laden).
int arbeitgeberLaden(const ProfilDatei& datei, Arbeitgeberdaten& ag);
[[nodiscard]] Status arbeitgeberSpeichern(const Arbeitgeberdaten& ag);

// The stored employee data, each absent when its key is missing or empty.
struct Arbeitnehmereintraege
{
    std::array<std::optional<QString>, 8> texte; // by arbeitnehmerfelder()
    std::optional<qint16> geschlecht;
    std::optional<QString> zeugnisdatum;

    // Every stored value replaces its field in `an`.
    void uebernehmen(Arbeitnehmerdaten& an) const;
};
Arbeitnehmereintraege arbeitnehmerLaden();
Arbeitnehmereintraege arbeitnehmerLaden(const ProfilDatei& datei);
[[nodiscard]] Status arbeitnehmerSpeichern(const Arbeitnehmerdaten& an);

// The progress of interrupted work.
struct Fortschritt
{
    std::optional<QString> frage; // number of the question to resume at; "0" or absent: nothing to resume
    std::optional<qint16> arbeitnehmertyp;
    std::optional<qint16> zeugnisart;
    std::optional<qint16> zahl; // questions passed

    // Every stored value replaces its field in `s`.
    void uebernehmen(Sitzung& s) const;
};
Fortschritt fortschrittLaden();
Fortschritt fortschrittLaden(const ProfilDatei& datei);
// Work to resume at question `frage` of the session's type and kind, with the session's count.
[[nodiscard]] Status fortschrittSpeichern(const Sitzung& s, qint32 frage);
[[nodiscard]] Status fortschrittSpeichern(qint16 typ, qint16 art, qint32 frage, qint16 zahl);
// Nothing to resume: the question becomes "0", the other keys stay.
[[nodiscard]] Status fortschrittVerwerfen();

} // namespace Einstellungen
