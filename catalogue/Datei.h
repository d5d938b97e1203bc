#pragma once

#include <QString>
#include <optional>

// Replacing a file in one step: the new contents go into a temporary file beside it, which is then renamed
// over it, so that a failure on the way leaves the old file as it was.
namespace Datei {

// The name pattern, for QTemporaryFile, of a hidden temporary file in the folder of `ziel`.
QString zwischenvorlage(const QString& ziel);

// Renames `von` to `nach`, replacing `nach`. Returns the system's reason when that fails, nothing otherwise.
std::optional<QString> umbenennen(const QString& von, const QString& nach);

} // namespace Datei
