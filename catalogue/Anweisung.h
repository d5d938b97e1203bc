#pragma once

#include <QSqlDatabase>
#include <QString>

namespace Katalogbau {

// Runs one statement without parameters; on failure puts the store's text into `fehler`.
bool ausfuehren(QSqlDatabase& db, const QString& anweisung, QString* fehler);

} // namespace Katalogbau
