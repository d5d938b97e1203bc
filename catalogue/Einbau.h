#pragma once

#include <QString>

// Bringing a newly built catalogue into a user's working folder without losing the unfinished work kept in
// it (tables Auswahl and LetzterBrief).
namespace Katalogbau {

struct Einbau
{
    enum class Art
    {
        Fehlgeschlagen, // nothing changed; `text` says why
        Neu,            // the target did not exist: the new catalogue was copied there
        Ersetzt,        // the content tables of the target were replaced, Auswahl and LetzterBrief kept
        Aktuell,        // the target already held this content; nothing was done
        Beiseitegelegt, // the target was no usable catalogue: it was renamed aside and replaced by a copy
    };
    Art art = Art::Fehlgeschlagen;
    QString text;     // German, for the user
    QString beiseite; // the new name of a target that was put aside

    bool ok() const { return art != Art::Fehlgeschlagen; }
};

// Installs the built catalogue `neu` as `ziel`:
// - no `ziel`: copies `neu` there (through a temporary file and a rename);
// - `ziel` a usable catalogue with the same content checksum: does nothing;
// - `ziel` a usable catalogue otherwise: replaces its twelve content tables and the checksum table with
//   those of `neu` in one transaction; Auswahl and LetzterBrief stay, and LetzterBrief keeps a row;
// - `ziel` unusable (not a database, damaged, Auswahl or LetzterBrief missing or lacking columns): renames
//   it, with any journal beside it, to `ziel` + ".defekt-<time>" and copies `neu` in.
// `neu` must be a catalogue written by bauen(); otherwise nothing is touched.
Einbau installieren(const QString& ziel, const QString& neu);

} // namespace Katalogbau
