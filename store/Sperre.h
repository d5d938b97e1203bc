#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The lock file that keeps two runs, or a run and the catalogue tool, from writing the same working folder.
namespace Sperre {

// Name of the lock file in the working folder.
inline const QString Dateiname = QStringLiteral("Zeugnis.lock");

// The lock file of the folder `ordner`.
QString pfad(const QString& ordner);

struct Versuch
{
    enum class Art
    {
        Gesperrt,      // the lock is ours now (also after taking over one left by a run that is gone)
        KeineSperre,   // the folder cannot hold a lock file; nothing can be written there anyway
        Belegt,        // a live run on this machine holds it
        AndererRechner // it was written on another machine, which may still be working in the folder
    };
    Art art = Art::KeineSperre;
    std::unique_ptr<QLockFile> sperre; // set for Gesperrt
    QString rechner;                   // for AndererRechner: the name of that machine as the file gives it
};

// Tries to lock the folder `ordner`. A lock left by a process that is gone on this machine is taken over.
Versuch sperren(const QString& ordner);

// Takes over the lock of another machine after the user agreed; Gesperrt on success.
Versuch uebernehmen(const QString& ordner);

} // namespace Sperre
