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
    QStringView seite;        // the letter's page line: "%1" the page, "%2" the pages
};
inline constexpr std::array<Sprache, 5> Sprachen{{
    {u"Deutsch", u"Deutsch", u"de", u"Seite %1 von %2"},
    {u"Englisch", u"Englisch", u"en", u"Page %1 of %2"},
    {u"Franzoesisch", u"Französisch", u"fr", u"Page %1 sur %2"},
    {u"Italienisch", u"Italienisch", u"it", u"Pagina %1 di %2"},
    {u"Spanisch", u"Spanisch", u"es", u"P\u00e1gina %1 de %2"},
}};
// The language of a table word ("Englisch"); nullptr for none.
const Sprache* spracheMitWort(QStringView wort);
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
    int fragen;                       // number of questions, as the counter announces it
    int ersteNr;                      // the set's question numbers run from here
    QStringView quelle;               // name of its source file, without ".json"
    std::array<QStringView, 5> titel; // the letter's title, in the order of `Sprachen`
};
inline constexpr std::array<QStringView, 5> Arbeitszeugnis{u"Arbeitszeugnis", u"Reference",
                                                           u"Certificat de travail", u"Certificato di lavoro",
                                                           u"Certificado de trabajo"};
inline constexpr std::array<QStringView, 5> Ausbildungszeugnis{
    u"Ausbildungszeugnis", u"Training Reference", u"Certificat d\u2019apprentissage",
    u"Certificato di apprendistato", u"Certificado de formaci\u00f3n profesional"};
inline constexpr std::array<QStringView, 5> Praktikumszeugnis{
    u"Praktikumszeugnis", u"Internship Reference", u"Certificat de stage", u"Certificato di tirocinio",
    u"Certificado de pr\u00e1cticas"};
inline constexpr std::array<QStringView, 5> Zwischenzeugnis{
    u"Zwischenzeugnis", u"Interim reference", u"Certificat de travail interm\u00e9diaire",
    u"Certificato di lavoro intermedio", u"Certificado de trabajo intermedio"};
inline constexpr std::array<Satz, 10> Saetze{{
    {Typ::Gewerblich, Art::Einfach, 3, 1, u"typ1-einfach", Arbeitszeugnis},
    {Typ::Gewerblich, Art::Qualifiziert, 34, 101, u"typ1-qualifiziert", Arbeitszeugnis},
    {Typ::Fuehrungskraft, Art::Qualifiziert, 27, 201, u"typ2-qualifiziert", Arbeitszeugnis},
    {Typ::Auszubildender, Art::Einfach, 3, 301, u"typ3-einfach", Ausbildungszeugnis},
    {Typ::Auszubildender, Art::Qualifiziert, 17, 311, u"typ3-qualifiziert", Ausbildungszeugnis},
    {Typ::Praktikant, Art::Einfach, 3, 401, u"typ4-einfach", Praktikumszeugnis},
    {Typ::Praktikant, Art::Qualifiziert, 10, 411, u"typ4-qualifiziert", Praktikumszeugnis},
    {Typ::Gewerblich, Art::Zwischen, 31, 501, u"typ1-zwischen", Zwischenzeugnis},
    {Typ::Fuehrungskraft, Art::Zwischen, 24, 601, u"typ2-zwischen", Zwischenzeugnis},
    {Typ::Auszubildender, Art::Zwischen, 15, 701, u"typ3-zwischen", Zwischenzeugnis},
}};
// The set of a type and kind; for a kind the type lacks, its qualified set; nullptr for an unknown type.
const Satz* satz(qint16 typ, qint16 art);

// The placeholders of the phrasings, in the order they are filled.
struct Platzhalter
{
    QStringView name;
    bool schluckt;  // takes the one character behind it along and leaves a blank after the value, unless
                    // that character is a mark the value keeps (bleibtHinterWert)
    bool ausloeser; // only a text holding one of these gets any placeholder filled
    QString (*wert)(const Arbeitnehmerdaten& daten);
};
QString vollerName(const Arbeitnehmerdaten& daten);
// A sentence mark right behind a date or the position stays behind the filled-in value ("bis 30.6.2024.");
// any other character there gives way to a blank.
bool bleibtHinterWert(QChar c);
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
