#include "engine/Fragenbestand.h"
#include "engine/Schema.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testumgebung.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Hilfe;

class TstFragenbestand : public QObject
{
    Q_OBJECT

private slots:
    void zaehlt_data()
    {
        QTest::addColumn<int>("geschlecht");
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("Mann 1/2") << 1 << 1 << 2 << 3;
        QTest::newRow("Frau 1/2") << 2 << 1 << 2 << 3;
        QTest::newRow("Mann 1/1") << 1 << 1 << 1 << 1;
        QTest::newRow("Frau 3/2") << 2 << 3 << 2 << 11;
        QTest::newRow("Typ 4 ohne Fragen") << 1 << 4 << 2 << 0;
        QTest::newRow("Typ 2 einfach ohne Fragen") << 1 << 2 << 1 << 0;
        QTest::newRow("Geschlecht 0") << 0 << 1 << 2 << 0;
        QTest::newRow("Geschlecht 3") << 3 << 1 << 2 << 0;
    }
    void zaehlt()
    {
        QFETCH(int, geschlecht);
        QFETCH(int, typ);
        QFETCH(int, art);
        QFETCH(int, anzahl);
        Arbeitsordner ordner;
        QVERIFY(katalogAnlegen());
        QString fehler;
        const auto n = fragenImKatalog(qint16(geschlecht), qint16(typ), qint16(art), &fehler);
        QVERIFY2(n.has_value(), qPrintable(fehler));
        QCOMPARE(*n, anzahl);
        QVERIFY(QSqlDatabase::connectionNames().isEmpty()); // its connection is gone
    }

    void fehlenderKatalogWirdNichtAngelegt()
    {
        Arbeitsordner ordner;
        QString fehler;
        QVERIFY(!fragenImKatalog(1, 1, 2, &fehler).has_value());
        QVERIFY2(fehler.contains(QStringLiteral("system98.dll")), qPrintable(fehler));
        QVERIFY(!QFile::exists(ordner.pfad(Schema::Dateiname)));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }

    void unlesbarerKatalog_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("Text") << QByteArray("kein Katalog\n").repeated(100);
        QTest::newRow("leer") << QByteArray("");
    }
    void unlesbarerKatalog()
    {
        QFETCH(QByteArray, inhalt);
        Arbeitsordner ordner;
        {
            QFile f(ordner.pfad(Schema::Dateiname));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        QString fehler;
        QVERIFY(!fragenImKatalog(2, 1, 2, &fehler).has_value());
        QVERIFY2(fehler.contains(QStringLiteral("system98.dll")), qPrintable(fehler));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
        QFile f(ordner.pfad(Schema::Dateiname));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), inhalt); // untouched
    }

    // A run that crashed while writing leaves a journal beside the catalogue. The count rolls that write back
    // and reads the catalogue as it was before; it never refuses the file for it.
    void unterbrochenesSchreiben()
    {
        QTemporaryDir absturz;
        {
            Arbeitsordner ordner;
            QVERIFY(katalogAnlegen());
            const QString katalog = ordner.pfad(Schema::Dateiname);
            const QString journal = katalog + QStringLiteral("-journal");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                            QStringLiteral("abstuerzender Lauf"));
                db.setDatabaseName(katalog);
                QVERIFY(db.open());
                QSqlQuery q(db);
                QVERIFY(q.exec(QStringLiteral("PRAGMA cache_size = 10")));
                QVERIFY(q.exec(QStringLiteral("BEGIN")));
                QVERIFY(q.exec(QStringLiteral("DELETE FROM FragenMann")));
                // More than the cache holds: changed pages go into the file, their old contents into the
                // journal.
                QVERIFY(q.exec(
                    QStringLiteral("CREATE TABLE Ballast AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                                   "SELECT i + 1 FROM n WHERE i < 2000) SELECT zeroblob(1000) AS b FROM n")));
                // The two files as a crash at this moment leaves them.
                QVERIFY(QFile::exists(journal));
                QVERIFY(QFile::copy(katalog, absturz.filePath(Schema::Dateiname)));
                QVERIFY(
                    QFile::copy(journal, absturz.filePath(Schema::Dateiname + QStringLiteral("-journal"))));
                QVERIFY(q.exec(QStringLiteral("ROLLBACK")));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("abstuerzender Lauf"));
        }

        const QString vorher = QDir::currentPath();
        QDir::setCurrent(absturz.path());
        QString fehler;
        const auto n = fragenImKatalog(1, 1, 2, &fehler);
        QDir::setCurrent(vorher);
        QVERIFY2(n.has_value(), qPrintable(fehler));
        QCOMPARE(*n, 3);
        QVERIFY(!QFile::exists(absturz.filePath(Schema::Dateiname + QStringLiteral("-journal"))));
        QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    }
};

QTEST_MAIN(TstFragenbestand)
#include "tst_fragenbestand.moc"
