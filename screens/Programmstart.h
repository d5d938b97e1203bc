#pragma once

#include "engine/Ordnerwahl.h"

#include <QLockFile>
#include <memory>
#include <optional>

class QApplication;

// What the program does from its start to its first window, and right after it.
namespace Programmstart {

struct Vorbereitet
{
    Ordnerwahl::Orte orte;
    Ordnerwahl::Wahl wahl;
    std::unique_ptr<QLockFile> sperre; // taken by starten() and held while the program runs
};

// Names the application, sets up the German texts, reads the command line (--ordner, --help, --version),
// chooses the working folder and makes it current. Nothing when the program is to end; the reason has been
// shown.
std::optional<Vorbereitet> vorbereiten(QApplication& app);

// Shows the start screen and, once it is up, takes the working folder's lock (a second program in the same
// folder is told so and ends), brings the catalogue up to date with `installieren` and checks that the
// folder, its settings file and catalogue can be used (if not, the user is told what to do and the program
// ends); what the user should know is shown in a message box. The start screen writes nothing, so it need not
// wait: the lock's write goes to the disk before it returns, and the catalogue means opening two databases.
// `start` must outlive the event loop.
void starten(Vorbereitet& start, const Ordnerwahl::Installierer& installieren);

} // namespace Programmstart
