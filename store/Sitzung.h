#pragma once

#include <QString>
#include <QtGlobal>

// The record that every screen of one run shares. It lives for the whole process; screens write
// their fields at fixed moments and never clear them, except `Aufrufer`.

struct Arbeitgeberdaten
{
    QString Firma;
    QString Name; // the person responsible for personnel, who signs
    QString Strasse;
    QString PLZ;
    QString Ort;      // place of issue
    QString Funktion; // the signatory's function, optional
};

struct Arbeitnehmerdaten
{
    QString Name;
    QString Vorname;
    QString Titel;
    QString Position;
    QString Geburtsort;
    QString Geburtsdatum; // dates are free text and never parsed
    QString Eintrittsdatum;
    QString Austrittsdatum;
    QString Zeugnisdatum;
    qint16 Geschlecht = 0; // see Geschlecht codes below
};

struct Sitzung
{
    Arbeitgeberdaten arbeitgeber;
    Arbeitnehmerdaten arbeitnehmer;
    qint16 Arbeitnehmertyp = 0;
    qint16 Zeugnisart = 0;
    QString AbbruchFrage; // question number at which interrupted work continues
    qint16 Zahl = 0;      // questions passed so far in the current reference
    QString Aufrufer;     // screen that opened the employer screen, empty otherwise

    // The one instance of the running program.
    static Sitzung& instanz();
};

// Codes. A code is the index of its button in the screen's control array.
namespace Geschlecht {
inline constexpr qint16 Mann = 1;
inline constexpr qint16 Frau = 2;
} // namespace Geschlecht

namespace Typ {
inline constexpr qint16 Keiner = 0;
inline constexpr qint16 Gewerblich = 1; // "Gewerblich kaufmännischer Arbeitnehmer"
inline constexpr qint16 Fuehrungskraft = 2;
inline constexpr qint16 Auszubildender = 3;
inline constexpr qint16 Praktikant = 4; // only a resumed reference carries it
} // namespace Typ

namespace Art {
inline constexpr qint16 Keine = 0;
inline constexpr qint16 Einfach = 1;
inline constexpr qint16 Qualifiziert = 2;
inline constexpr qint16 Zwischen = 3; // interim reference, written while the employment goes on
} // namespace Art
