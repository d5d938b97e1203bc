#include "engine/Fragenbestand.h"

#include "engine/Schema.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString verbindungsname()
{
    static QAtomicInt zaehler;
    return QStringLiteral("Fragenbestand-%1").arg(zaehler.fetchAndAddRelaxed(1));
}

void melden(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
}

std::optional<int> zaehlen(const QSqlDatabase& db, const QString& tabelle, qint16 typ, qint16 art,
                           QString* fehler)
{
    QSqlQuery abfrage(db);
    // The table name comes from the fixed set of the schema, never from input.
    const bool bereit = abfrage.prepare(
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Arbeitnehmertyp = :typ AND Zeugnisart = :art")
            .arg(tabelle));
    if (bereit) {
        abfrage.bindValue(QStringLiteral(":typ"), typ);
        abfrage.bindValue(QStringLiteral(":art"), art);
        if (abfrage.exec() && abfrage.next())
            return abfrage.value(0).toInt();
    }
    melden(fehler, QStringLiteral("Die Datei %1 lässt sich nicht als Fragenkatalog lesen: %2")
                       .arg(Schema::Dateiname, abfrage.lastError().text()));
    return std::nullopt;
}

} // namespace

std::optional<int> fragenImKatalog(qint16 geschlecht, qint16 typ, qint16 art, QString* fehler)
{
    const QString tabelle = Schema::fragenTabelle(geschlecht);
    if (tabelle.isEmpty())
        return 0;

    const QString pfad = QDir::current().filePath(Schema::Dateiname);
    if (!QFileInfo(pfad).isFile()) {
        melden(fehler, QStringLiteral("Die Datei %1 ist im Arbeitsordner %2 nicht vorhanden.")
                           .arg(Schema::Dateiname, QDir::toNativeSeparators(QDir::currentPath())));
        return std::nullopt;
    }

    std::optional<int> anzahl;
    const QString name = verbindungsname();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(pfad);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            melden(fehler, QStringLiteral("Die Datei %1 lässt sich nicht öffnen: %2")
                               .arg(Schema::Dateiname, db.lastError().text()));
        } else {
            anzahl = zaehlen(db, tabelle, typ, art, fehler);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return anzahl;
}
