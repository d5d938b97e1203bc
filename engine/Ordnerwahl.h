#pragma once

#include "store/Ergebnis.h"

#include <QString>
#include <QStringList>
#include <functional>

// Which folder the program works in, and getting it ready: the catalogue system98.dll and the settings file
// Zeugnis.INI live there, and the program makes it its current folder.
//
// The choice, in order:
// 1. a folder named on the command line (created when missing);
// 2. the current folder, when it holds a catalogue (setups that keep their files beside the program);
// 3. the per-user data folder. When it does not exist yet but the folder of the program's former name does,
//    that folder is renamed to it, with everything in it.
// Every folder but a current one with its own catalogue gets the installed catalogue, or an update from it
// that keeps the recorded choices and the unfinished reference.
namespace Ordnerwahl {

// The environment variable that names the installed catalogue (a build tree or a test sets it).
inline constexpr char KatalogVariable[] = "ZEUGNISFEDER_KATALOG";

struct Orte
{
    QString aktuell;   // the folder the program was started in
    QString angegeben; // a folder named on the command line; empty when none
    QString benutzer;  // the per-user data folder
    QString frueher;   // the per-user data folder under the program's former name
    QString katalog;   // the installed catalogue; the file may be missing
};

// The places of this installation: the current folder, `angegeben`, the platform's per-user data folders
// (".../zeugnisfeder" and ".../arbeitszeugnis") and the installed catalogue, which the environment variable
// names or which lies in ../share/zeugnisfeder/ beside the program's folder.
Orte standardorte(const QString& angegeben);

enum class Herkunft
{
    Angegeben,
    Aktuell,
    Benutzer,
    Uebernommen, // the per-user data folder, taken over from the former name just now
};

struct Wahl
{
    QString ordner; // absolute
    Herkunft herkunft = Herkunft::Benutzer;
    bool katalogEinrichten = false; // whether the installed catalogue is to be brought in
};

// Chooses the folder as described above, creates it and takes over the former one. Fails, with a German
// text, when the folder cannot be created or the former one cannot be renamed (it then stays as it was).
[[nodiscard]] Ergebnis<Wahl> waehlen(const Orte& orte);

// Brings a catalogue `neu` into the folder as `ziel`; returns what the user should be told (empty when
// nothing), or a failure.
using Installierer = std::function<Ergebnis<QString>(const QString& ziel, const QString& neu)>;

// Installs or updates the catalogue of the chosen folder from `orte.katalog` when `wahl` asks for it.
// Returns what the user should be told (empty when nothing): a missing installed catalogue is only worth a
// word when the folder has no catalogue of its own either.
[[nodiscard]] Ergebnis<QString> katalogEinrichten(const Wahl& wahl, const Orte& orte,
                                                  const Installierer& installieren);

} // namespace Ordnerwahl
