#pragma once

#include <QString>

// What the program needs of its working folder before the user types anything: a folder it may write, a
// settings file it may read and replace, and a catalogue it can use.
namespace Startpruefung {

// Checks the current working folder. Returns a German message that names the folder or file and says what
// to do; empty when everything is in order.
QString arbeitsordner();

} // namespace Startpruefung
