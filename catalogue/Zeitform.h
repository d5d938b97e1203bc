#pragma once

#include "catalogue/Quelle.h"

// The tense of a set: an interim reference (kind 3) speaks of an employment that goes on, a final one (kinds
// 1 and 2) of one that ends. A phrase that announces the leaving in an interim set, or the further work
// together in a final set, would tell the reader the opposite of what the reference is.
namespace Katalogbau {

// A phrase that belongs to one of the two kinds only, by its regular expression (matched without regard to
// case, within one sentence where it spans words). With `rolle` it counts only in questions of that role.
struct Zeitmarke
{
    QString ausdruck;
    QString grund;             // German, names what the phrase says
    QString rolle = QString(); // empty: every question
};

// Phrases of leaving, which an interim reference must not use, in one language ("de", "en", ...).
const QList<Zeitmarke>& abschiedsmarken(const QString& sprache);
// Phrases of working on together, which a final reference must not use, but in a phrase that says the
// employee stays with the company (a trainee taken on after the final examination).
const QList<Zeitmarke>& fortsetzungsmarken(const QString& sprache);
const QList<Zeitmarke>& uebernahmemarken(const QString& sprache);

// The checks of every set by its kind: the markers above in all phrasings, the role "austritt" only in final
// sets, the role "anlass" (why an interim reference is written) only in interim sets, ungraded, skippable and
// with the three letters A, B and C.
Meldungen zeitformpruefung(const QList<Satz>& saetze);

} // namespace Katalogbau
