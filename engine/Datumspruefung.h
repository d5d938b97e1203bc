#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

struct Arbeitnehmerdaten;

// Plausibility of the dates on the master data screen. The dates stay free text (the catalogue inserts them
// as typed); these warnings only tell the user what looks wrong and never stop the input.
namespace Datumspruefung {

// A date typed as TT.MM.JJJJ (day and month may have one digit, the year has four); nullopt when the text
// does not read as a real date in that form ("31.02.1990", "2005-03-15", "Juli 2026").
std::optional<QDate> lesen(const QString& text);

struct Warnung
{
    QString feld; // the field the warning is about: "Geburtsdatum", "Eintrittsdatum", ...
    QString text; // German, one sentence
};

// The warnings for the employee's dates, in the order of the rules: unreadable dates (empty ones are left
// to the screen's own check), leaving before entry, reference date other than the leaving date, younger
// than 14 at entry. A rule that needs a date that does not read is left out. An interim reference
// (`zeugnisart` Art::Zwischen) has no leaving date: its field and the rules about it are left out.
QList<Warnung> warnungen(const Arbeitnehmerdaten& daten, qint16 zeugnisart);

// The youngest age at entry that raises no warning.
inline constexpr int Mindestalter = 14;

} // namespace Datumspruefung
