#include "engine/Fragenbestand.h"
#include "engine/Schema.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testumgebung.h"

#include <QSqlDatabase>

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
};

QTEST_MAIN(TstFragenbestand)
#include "tst_fragenbestand.moc"
