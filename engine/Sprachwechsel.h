#pragma once

#include <QString>

struct Sitzung;

// The reference text rebuilt in another language from the recorded choices in Auswahl.
struct Neuaufbau
{
    QString text;   // the whole text with its closing block; on failure the text built so far, without it
    QString fehler; // empty on success
    bool ok() const { return fehler.isEmpty(); }
};

// Rebuilds the text from Auswahl (in the order its rows were added) and the answer tables of language word
// `sLand` ("Deutsch", "Englisch", "Franzoesisch", "Italienisch", "Spanisch") for the employee's sex, with
// separators, placeholders filled in and the closing block. Stops at the first failure. A skipped question,
// a choice whose question or answer row the catalogue no longer has (after an update), and a phrase that
// comes out empty add nothing, not even a separator.
Neuaufbau zeugnisNeuAufbauen(const QString& sLand, const Sitzung& sitzung);
