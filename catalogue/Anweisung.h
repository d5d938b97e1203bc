#pragma once

#include <QSqlDatabase>
#include <QString>

// A short-lived SQLite connection of its own name, closed and removed again when it goes out of scope.
// Every QSqlQuery on it must be gone before it is.
class Verbindung
{
public:
    explicit Verbindung(const QString& pfad, bool nurLesen = false);
    ~Verbindung();
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    bool offen() const { return m_db.isOpen(); }
    QString fehler() const;
    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// Runs one statement without parameters; on failure puts the store's text into `fehler`.
bool ausfuehren(QSqlDatabase& db, const QString& anweisung, QString* fehler);
