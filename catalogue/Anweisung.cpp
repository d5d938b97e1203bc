#include "catalogue/Verbindung.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

Verbindung::Verbindung(const QString& pfad, bool nurLesen)
{
    static std::atomic<int> zaehler{0};
    m_name = QStringLiteral("katalogbau-%1").arg(++zaehler);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(pfad);
    m_db.setConnectOptions(nurLesen ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    m_db.open();
}

Verbindung::~Verbindung()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

QString Verbindung::fehler() const
{
    return m_db.lastError().text();
}

bool ausfuehren(QSqlDatabase& db, const QString& anweisung, QString* fehler)
{
    QSqlQuery q(db);
    if (q.exec(anweisung))
        return true;
    if (fehler)
        *fehler = QStringLiteral("%1 (%2)").arg(q.lastError().text(), anweisung);
    return false;
}
