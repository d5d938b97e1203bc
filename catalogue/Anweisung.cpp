#include "catalogue/Anweisung.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Katalogbau {

bool ausfuehren(QSqlDatabase& db, const QString& anweisung, QString* fehler)
{
    QSqlQuery q(db);
    if (q.exec(anweisung))
        return true;
    if (fehler)
        *fehler = QStringLiteral("%1 (%2)").arg(q.lastError().text(), anweisung);
    return false;
}

} // namespace Katalogbau
