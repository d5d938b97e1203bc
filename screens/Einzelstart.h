#pragma once

#include <memory>

class QLockFile;
class QWidget;

// One run per working folder: a second start on the same folder would write the same settings file and
// catalogue as the first.
namespace Einzelstart {

// Locks the current working folder for this run. Returns false after telling the user that another run
// works in this folder, or when the user keeps the lock of another machine; the program then ends. A lock
// written on another machine is taken over only when the user agrees. Returns true otherwise, with the lock
// in `sperre` (empty when the folder cannot hold a lock file: nothing could be written there anyway).
bool sperren(std::unique_ptr<QLockFile>& sperre);

// Checks the working folder, its settings file and catalogue once the first window `fenster` is shown; on a
// problem tells the user what to do and ends the program, before anything was typed. Returns whether the
// program goes on.
bool ordnerPruefen(QWidget* fenster);

} // namespace Einzelstart
