#include "store/Text.h"

#include <QTest>

class TstText : public QObject
{
    Q_OBJECT

private slots:
    void vorzeichenZahl_data()
    {
        QTest::addColumn<qint64>("zahl");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << qint64(0) << QStringLiteral(" 0");
        QTest::newRow("sieben") << qint64(7) << QStringLiteral(" 7");
        QTest::newRow("negativ") << qint64(-3) << QStringLiteral("-3");
        QTest::newRow("gross") << qint64(32767) << QStringLiteral(" 32767");
    }
    void vorzeichenZahl()
    {
        QFETCH(qint64, zahl);
        QFETCH(QString, text);
        QCOMPARE(Text::vorzeichenZahl(zahl), text);
    }

    void zahlLesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wert");
        QTest::newRow("mit Blank") << QStringLiteral(" 2") << 2;
        QTest::newRow("ohne Blank") << QStringLiteral("2") << 2;
        QTest::newRow("Tab und Blanks") << QStringLiteral(" \t 17") << 17;
        QTest::newRow("leer") << QString() << 0;
        QTest::newRow("keine Zahl") << QStringLiteral("abc") << 0;
        QTest::newRow("Zahl mit Rest") << QStringLiteral("12abc") << 12;
        QTest::newRow("negativ") << QStringLiteral("-5") << -5;
        QTest::newRow("Plus") << QStringLiteral("+5") << 5;
        QTest::newRow("halb zur geraden 2") << QStringLiteral("2.5") << 2;
        QTest::newRow("halb zur geraden 4") << QStringLiteral("3.5") << 4;
        QTest::newRow("aufrunden") << QStringLiteral("2.7") << 3;
        QTest::newRow("grenze oben") << QStringLiteral("32767") << 32767;
        QTest::newRow("über der grenze") << QStringLiteral("32768") << 32767;
        QTest::newRow("riesig") << QStringLiteral("99999999999999999999999999") << 32767;
        QTest::newRow("grenze unten") << QStringLiteral("-32768") << -32768;
        QTest::newRow("unter der grenze") << QStringLiteral("-70000") << -32768;
        QTest::newRow("arabisch-indische Ziffern zählen nicht") << QStringLiteral("\u0663") << 0;
        QTest::newRow("Blank in der Mitte beendet") << QStringLiteral("1 2") << 1;
    }
    void zahlLesen()
    {
        QFETCH(QString, text);
        QFETCH(int, wert);
        QCOMPARE(int(Text::zahlLesen(text)), wert);
    }
};

QTEST_GUILESS_MAIN(TstText)
#include "tst_text.moc"
