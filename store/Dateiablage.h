#pragma once

#include "store/Ergebnis.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Where the program's files are replaced as a whole. Everything that writes a file of the working folder goes
// through here, so that tests can make a write fail as a full disk or a folder without write permission
// would.
namespace Dateiablage {

// Replaces the file at `pfad` by `inhalt`. The new contents go to a temporary file that takes the old one's
// place only when complete, so a failure leaves the old file as it was. The failure text is the system's.
Status ersetzen(const QString& pfad, const QByteArray& inhalt);

// Installs another way of replacing (tests); an empty function restores the real one.
using Ersatz = std::function<Status(const QString& pfad, const QByteArray& inhalt)>;
void setzeErsatz(Ersatz ersatz);

} // namespace Dateiablage
