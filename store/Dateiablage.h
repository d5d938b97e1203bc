#pragma once

#include "store/Ergebnis.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Where the program's files are replaced as a whole. Everything that writes a file of the working folder goes
// through here, so that tests can make a write fail as a full disk or a folder without write permission
// would.
namespace Dateiablage {

// Replaces the file at `pfad` by `inhalt`. The new contents go to a temporary file beside it; every write and
// the final flush are checked, and only a complete temporary file takes the old one's place, so a failure at
// any point leaves the old file byte for byte and no temporary file behind. The failure text is the system's.
Status ersetzen(const QString& pfad, const QByteArray& inhalt);

// Installs another way of replacing (tests); an empty function restores the real one.
using Ersatz = std::function<Status(const QString& pfad, const QByteArray& inhalt)>;
void setzeErsatz(Ersatz ersatz);

// The steps of a real replacement, in order.
enum class Schritt
{
    Oeffnen,     // the temporary file is created
    Schreiben,   // the new contents are written into it
    Leeren,      // buffered bytes go to the disk
    Uebernehmen, // the temporary file replaces the old one
};

// A test's failure inside the real replacement: called before each step with the step and the target path;
// returning true makes that step fail as a full disk would (a failed write leaves part of the contents in
// the temporary file). An empty function removes it.
using Stoerung = std::function<bool(Schritt schritt, const QString& pfad)>;
void setzeStoerung(Stoerung stoerung);

// German name of a step, for the tests' messages.
QString name(Schritt schritt);

} // namespace Dateiablage
