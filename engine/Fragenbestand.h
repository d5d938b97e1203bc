#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Questions the catalogue system98.dll in the current working folder holds for a sex, an employee type and
// a reference kind, read on a connection of its own that changes nothing and is closed before the function
// returns; a missing file is never created.
//
// Returns the number of rows of the question table of `geschlecht` (FragenMann for 1, FragenFrau for 2) with
// this type and kind; 0 for a sex other than 1 or 2. nullopt when the file is missing or cannot be read as
// a catalogue; `fehler`, when given, then receives a German description.
std::optional<int> fragenImKatalog(qint16 geschlecht, qint16 typ, qint16 art, QString* fehler = nullptr);
