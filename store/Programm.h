#pragma once

#include <QString>

// The program's name and version as the user sees them (windows, start screen, desktop entry, package).
namespace Programm {

// "Zeugnisfeder"
QString name();

// The version of this build, e.g. "0.1".
QString version();

// What the program does, in one line.
QString zweck();

} // namespace Programm
