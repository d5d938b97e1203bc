#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Replacing a whole file so that a failure at any point leaves the old file byte for byte: the new contents
// go into a temporary file beside it, every write and the final flush are checked, and only a complete
// temporary file is renamed over the old one. Every replacement of the program's files goes through here,
// so that tests can make any step fail.
namespace Dateiablage {

// The steps of one replacement, in order.
enum class Schritt
{
    Oeffnen,     // the temporary file is created
    Schreiben,   // the new contents are written into it
    Leeren,      // buffered bytes go to the disk
    Uebernehmen, // the temporary file replaces the old one
};

// A test's failure: called before each step with the step and the target path; returning true makes that
// step fail as a full disk would (a failed write leaves part of the contents in the temporary file).
using Stoerung = std::function<bool(Schritt schritt, const QString& pfad)>;

// Installs a failure for the tests; an empty function removes it.
void setzeStoerung(Stoerung stoerung);

// Replaces the file at `pfad` by `inhalt` (creating it when missing). Returns the system's reason when a
// step fails; the old file is then untouched and no temporary file stays behind.
[[nodiscard]] std::optional<QString> ersetzen(const QString& pfad, const QByteArray& inhalt);

// German name of a step, for messages of the tests.
QString name(Schritt schritt);

} // namespace Dateiablage
