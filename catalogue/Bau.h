#pragma once

#include "catalogue/Quelle.h"
#include "engine/Schema.h"

// Writing the catalogue file system98.dll from the checked source.
namespace Katalogbau {

// Table of the build's own: one row with the checksum of the content tables, so that an installation can
// tell an up-to-date catalogue at a glance.
inline const QString Standtabelle = QStringLiteral("Katalogstand");

// Table of the build's own beside the schema's: the role of every question (Nr, Rolle), see rollen().
inline const QString Rollentabelle = QStringLiteral("Fragenrolle");

// The twelve content tables: both question tables and the ten answer tables.
using Schema::inhaltstabellen;

// Writes an SQLite catalogue with the tables of Schema::anlegen() and the content of `saetze` to `ziel`.
// The questions go in by ascending Nr, the answer rows of a question by grade; a letter left out gives null
// parts, a one-part text a null second part. Everything is written into a temporary file beside `ziel`
// in one transaction and renamed over `ziel` at the end, so a failed build leaves `ziel` as it was.
// The sets are expected to have passed pruefen() without errors.
bool bauen(const QList<Satz>& saetze, const QString& ziel, QString* fehler);

} // namespace Katalogbau
