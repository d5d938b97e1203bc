#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The catalogue's JSON source (catalogue/quelle/*.json) as a model: sets of questions, each question with its
// answer rows, each row with up to three phrasings (letters A, B, C) in five languages and for both sexes.
namespace Katalogbau {

// Languages of the source in the order of the answer tables, and the sexes ("m" male, "w" female employee).
const QStringList& sprachen();     // "de", "en", "fr", "it", "es"
const QStringList& geschlechter(); // "m", "w"
const QStringList& buchstaben();   // "A", "B", "C"

// What a question contributes to the reference ("einleitung", "leistung", "zusammenfassung", "austritt" …),
// so that checks of a whole reference can find its summary, conduct and closing questions.
const QStringList& rollen();

// The language word of the answer tables for a source language ("fr" -> "Franzoesisch"); empty if unknown.
QString sprachwort(const QString& sprache);

// The fixed sets of the catalogue: file name, employee type, reference kind, number of questions and the
// first question number; a set's numbers run from `ersteNr` to `ersteNr + anzahl - 1`.
struct Satzart
{
    QString name; // "typ1-qualifiziert"
    int arbeitnehmertyp = 0;
    int zeugnisart = 0;
    int anzahl = 0;
    int ersteNr = 0;
    int letzteNr() const { return ersteNr + anzahl - 1; }
};
const QList<Satzart>& satzarten();
const Satzart* satzart(int arbeitnehmertyp, int zeugnisart);

// The sets a build needs: all of satzarten(), by name.
const QStringList& pflichtsaetze();

// One phrasing text: the first part alone, or first part + surname + second part.
struct Formulierung
{
    QString teil1;
    std::optional<QString> teil2;

    // The phrase as the program composes it: the parts joined by the surname, no blanks added.
    QString zusammengesetzt(const QString& name) const { return teil2 ? teil1 + name + *teil2 : teil1; }
};

// Texts of one phrasing letter: language -> sex -> text.
using Sprachtexte = QMap<QString, QMap<QString, Formulierung>>;

struct Antwortzeile
{
    int note = 0;
    QMap<QString, Sprachtexte> varianten; // "A", "B", "C" -> texts; a letter left out is absent
};

struct Frage
{
    int nr = 0;
    QString thema;
    QString rolle;                // one of rollen()
    QMap<QString, QString> frage; // "m", "w" -> question text
    bool keineAussage = false;
    bool absatz = false;
    QList<Antwortzeile> antworten; // in source order
};

struct Satz
{
    QString datei;            // file name without folder, e.g. "typ1-qualifiziert.json"
    bool sammeldatei = false; // true when the file holds several sets ({"saetze": [...]})
    QString name;             // set name derived from type and kind; empty for an unknown pair
    int arbeitnehmertyp = 0;
    int zeugnisart = 0;
    QString titel;
    QList<Frage> fragen;
};

// A finding of the reader or of the checks, with the place it refers to.
struct Meldung
{
    enum class Stufe
    {
        Fehler,
        Warnung
    };
    Stufe stufe = Stufe::Fehler;
    QString datei;
    QString satz; // set name, when it differs from the file name
    std::optional<int> nr;
    std::optional<int> note;
    QString buchstabe;
    QString sprache;
    QString geschlecht;
    QString text;

    // "Fehler: typ1-qualifiziert.json, Frage 107, Note 3, Variante B, Sprache fr, Geschlecht w: ..."
    QString alsText() const;
};
using Meldungen = QList<Meldung>;

bool hatFehler(const Meldungen& meldungen);

// Reads one source file: a single set object, or {"saetze": [set, ...]}. Structural faults (bad JSON, a
// wrong type, a missing or unknown key) are added to `meldungen`; what could be read is returned.
QList<Satz> lesen(const QString& pfad, Meldungen& meldungen);
QList<Satz> lesen(const QByteArray& json, const QString& datei, Meldungen& meldungen);

// Walks a set for the checks: `jeFrage(ort, frage)` once per question, then `jeText(ort, frage, zeile,
// formulierung)` for every phrasing of it, `ort` naming file, set, question and, for a phrasing, grade,
// letter, language and sex.
template <typename JeFrage, typename JeText> void durchlaufen(const Satz& s, JeFrage jeFrage, JeText jeText)
{
    Meldung ort;
    ort.datei = s.datei;
    ort.satz = s.name;
    for (const Frage& frage : s.fragen) {
        Meldung o = ort;
        o.nr = frage.nr;
        jeFrage(std::as_const(o), frage);
        for (const Antwortzeile& zeile : frage.antworten)
            for (auto v = zeile.varianten.begin(); v != zeile.varianten.end(); ++v)
                for (auto sp = v->begin(); sp != v->end(); ++sp)
                    for (auto g = sp->begin(); g != sp->end(); ++g) {
                        Meldung t = o;
                        t.note = zeile.note;
                        t.buchstabe = v.key();
                        t.sprache = sp.key();
                        t.geschlecht = g.key();
                        jeText(std::as_const(t), frage, zeile, *g);
                    }
    }
}

} // namespace Katalogbau
