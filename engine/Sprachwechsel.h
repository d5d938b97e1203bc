#pragma once

#include <QSet>
#include <QString>
#include <optional>

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
// `nurFragen` limits it to the choices of those questions (the ones passed so far while the questions are
// still being answered); `schluss` false leaves the closing block off (it comes only after the last
// question).
struct Aufbauweise
{
    std::optional<QSet<qint32>> nurFragen;
    bool schluss = true;
};
Neuaufbau zeugnisNeuAufbauen(const QString& sLand, const Sitzung& sitzung, const Aufbauweise& weise = {});
