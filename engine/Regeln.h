#pragma once

#include "store/Sitzung.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// The rules of the catalogue and of the reference text as tables, one per rule. The program and the
// catalogue build both read them, so a further language, sex or set is a new row here.
namespace Regeln {

// The output languages, in the order of the answer tables.
struct Sprache
{
    QStringView wort;         // in the answer tables' names: "AntwortenMann" + wort
    QStringView beschriftung; // as the language buttons show it
    QStringView quelle;       // key in the catalogue's source
};
inline constexpr std::array<Sprache, 5> Sprachen{{
    {u"Deutsch", u"Deutsch", u"de"},
    {u"Englisch", u"Englisch", u"en"},
    {u"Franzoesisch", u"Französisch", u"fr"},
    {u"Italienisch", u"Italienisch", u"it"},
    {u"Spanisch", u"Spanisch", u"es"},
}};
// The language of a button caption; nullptr for none.
const Sprache* spracheMitBeschriftung(QStringView beschriftung);

// The sexes: the code of Sitzung, the word in the table names, the key in the catalogue's source.
struct Geschlechtsregel
{
    qint16 code;
    QStringView tabellenwort; // "FragenMann", "AntwortenMannDeutsch"
    QStringView quelle;
};
inline constexpr std::array<Geschlechtsregel, 2> Geschlechter{{
    {Geschlecht::Mann, u"Mann", u"m"},
    {Geschlecht::Frau, u"Frau", u"w"},
}};
const Geschlechtsregel* geschlecht(qint16 code);

// The question sets: one per employee type and reference kind the program can open.
struct Satz
{
    qint16 typ;
    qint16 art;
    int fragen;         // number of questions, as the counter announces it
    int ersteNr;        // the set's question numbers run from here
    QStringView quelle; // name of its source file, without ".json"
};
inline constexpr std::array<Satz, 10> Saetze{{
    {Typ::Gewerblich, Art::Einfach, 3, 1, u"typ1-einfach"},
    {Typ::Gewerblich, Art::Qualifiziert, 34, 101, u"typ1-qualifiziert"},
    {Typ::Fuehrungskraft, Art::Qualifiziert, 27, 201, u"typ2-qualifiziert"},
    {Typ::Auszubildender, Art::Einfach, 3, 301, u"typ3-einfach"},
    {Typ::Auszubildender, Art::Qualifiziert, 17, 311, u"typ3-qualifiziert"},
    {Typ::Praktikant, Art::Einfach, 3, 401, u"typ4-einfach"},
    {Typ::Praktikant, Art::Qualifiziert, 10, 411, u"typ4-qualifiziert"},
    {Typ::Gewerblich, Art::Zwischen, 31, 501, u"typ1-zwischen"},
    {Typ::Fuehrungskraft, Art::Zwischen, 24, 601, u"typ2-zwischen"},
    {Typ::Auszubildender, Art::Zwischen, 15, 701, u"typ3-zwischen"},
}};
// The set of a type and kind; for a kind the type lacks, its qualified set; nullptr for an unknown type.
const Satz* satz(qint16 typ, qint16 art);

// The placeholders of the phrasings, in the order they are filled.
struct Platzhalter
{
    QStringView name;
    bool schluckt;  // takes the one character behind it along and leaves a blank after the value
    bool ausloeser; // only a text holding one of these gets any placeholder filled
    QString (*wert)(const Arbeitnehmerdaten& daten);
};
QString vollerName(const Arbeitnehmerdaten& daten);
inline constexpr std::array<Platzhalter, 6> Platzhaltertabelle{{
    {u"(Eintrittsdatum)", true, true,
     [](const Arbeitnehmerdaten& d) {
         return d.Eintrittsdatum;
     }},
    {u"(Austrittsdatum)", true, true,
     [](const Arbeitnehmerdaten& d) {
         return d.Austrittsdatum;
     }},
    {u"(Position)", true, false,
     [](const Arbeitnehmerdaten& d) {
         return d.Position;
     }},
    {u"(Geburtsdatum)", true, false,
     [](const Arbeitnehmerdaten& d) {
         return d.Geburtsdatum;
     }},
    {u"(Geburtsort)", false, false,
     [](const Arbeitnehmerdaten& d) {
         return d.Geburtsort;
     }},
    {u"(VollerName)", false, false, &vollerName},
}};

} // namespace Regeln
