#pragma once

#include "catalogue/Quelle.h"

#include <utility>

// Checks that look beyond one text: the grade markers of each language, the elision of French and Italian
// before a placeholder or the surname, the fixed grade of the summary fragments, what the roles ask of a
// question, and the variety of a whole reference assembled from one letter at one grade.
namespace Katalogbau {

// Words and phrases that carry a grade in one language, and the grades they may stand in.
struct Notenmarke
{
    QString ausdruck; // regular expression, matched without regard to case
    int vonNote = 1;
    int bisNote = 5;
    QString grund;
    bool nurWarnung = false; // a known weakness still to be rewritten; shown, but no build stop
};
const QList<Notenmarke>& notenmarken(const QString& sprache);

// What the variety check counts in a whole reference of one language: the time words and intensifiers
// (a regular expression each, matched without regard to case), the articles that do not count as a
// sentence's opening word ("El señor Maier" and "El equipo" open differently), and whether its findings stop
// the build.
struct Vielfaltregel
{
    bool nurWarnung = false; // the language's text is still being rewritten; shown, but no build stop
    QList<std::pair<QString, QString>> verstaerker; // word as reported, regular expression
    QString artikel; // regular expression of a leading article with its blank or apostrophe; empty: none
};
const Vielfaltregel& vielfaltregel(const QString& sprache);

// The assembled reference of a set for one letter, one grade, one sex and one language: every question in
// order; a graded one takes its row of `note` (left out when it has none), an ungraded one its single row;
// the letter is taken where the row offers it, otherwise A. One phrase per answer, with `name` as surname.
QStringList gesamttext(const Satz& satz, const QString& buchstabe, int note, const QString& geschlecht,
                       const QString& name, const QString& sprache = QStringLiteral("de"));

// The sentences of a text: split after ".", "!" or "?" when a blank and a capital letter or bracket follow.
QStringList saetzeVon(const QString& text);

// Whole-reference checks of all sets; the variety only with `vielfalt`.
Meldungen gesamtpruefung(const QList<Satz>& saetze, bool vielfalt = true);

} // namespace Katalogbau
