#pragma once

#include "engine/Katalog.h"

#include <QString>
#include <QtGlobal>

struct Arbeitnehmerdaten;
struct Sitzung;

// The pieces the reference text is made of. Pure functions: they read only their arguments.

// Whether TextBausteineEinsetzen fills anything in: only a text holding "(Eintrittsdatum)" or
// "(Austrittsdatum)" gets the employee's data.
bool bausteineEinsetzbar(const QString& sText);

// Fills the employee's data into a phrase. Nothing is replaced unless bausteineEinsetzbar(); then the first
// occurrence of each placeholder is replaced, in this order:
// "(Eintrittsdatum)", "(Austrittsdatum)", "(Position)", "(Geburtsdatum)" (each together with the one
// character behind it, by the value and one blank), "(Geburtsort)" and "(VollerName)" (the placeholder
// alone). Letter case counts. The result is left in `sText` and returned. In an Italian text (`sprache` "it",
// the catalogue's key) the word before a value is joined to it as it is spoken: "dall'11.5.2020", "l'8
// maggio", "ad Ascona".
QString TextBausteineEinsetzen(QString& sText, const Arbeitnehmerdaten& daten, QStringView sprache = u"de");

// The full name as "(VollerName)" gives it: title and blank (when there is a title), first name, blank,
// surname.
QString vollerName(const Arbeitnehmerdaten& daten);

// A phrasing of an answer row: first part, surname and second part run together when the second part
// exists, otherwise the first part alone; nullopt when the first part is null.
std::optional<QString> phrase(const Katalog::AntwortZeile& zeile, Katalog::Buchstabe buchstabe,
                              const QString& name);

// The closing block: two line breaks, place of issue, ", ", date of the reference, two line breaks, the
// signatory's name.
QString Zeugnisschluss(const Sitzung& sitzung);

// What stands before a phrase: nothing while the text is empty, a line break when its question starts a
// paragraph, one blank otherwise.
QString trenner(bool absatz, bool textLeer);

// The number of questions announced in the counter for a type and kind ("34" for type 1, kind 2); empty for
// an unknown type.
QString Fragenzahl(qint16 typ, qint16 art);

// The counter: "Frage", `naechste` in signed decimal form, " von     " and the announced number.
QString zaehler(qint32 naechste, const QString& fragenzahl);
