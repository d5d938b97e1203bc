#include "store/Windows1252.h"

#include <QTest>

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TstProfil : public QObject
{
    Q_OBJECT

private slots:
    // --- Windows-1252 ---

    void windows1252AlleBytesHinUndZurueck()
    {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(static_cast<char>(b));
        const QString text = Windows1252::dekodieren(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Windows1252::kodieren(text), std::optional<QByteArray>(alle));
    }

    void windows1252Zeichen_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("zeichen");
        QTest::newRow("A") << 0x41 << 0x41;
        QTest::newRow("Euro") << 0x80 << 0x20AC;
        QTest::newRow("undefiniert 81") << 0x81 << 0x81;
        QTest::newRow("Anführung unten") << 0x84 << 0x201E;
        QTest::newRow("Š") << 0x8A << 0x160;
        QTest::newRow("undefiniert 8D") << 0x8D << 0x8D;
        QTest::newRow("Ž") << 0x8E << 0x17D;
        QTest::newRow("undefiniert 8F") << 0x8F << 0x8F;
        QTest::newRow("undefiniert 90") << 0x90 << 0x90;
        QTest::newRow("Gedankenstrich") << 0x96 << 0x2013;
        QTest::newRow("undefiniert 9D") << 0x9D << 0x9D;
        QTest::newRow("Ÿ") << 0x9F << 0x178;
        QTest::newRow("geschütztes Leerzeichen") << 0xA0 << 0xA0;
        QTest::newRow("ß") << 0xDF << 0xDF;
        QTest::newRow("ö") << 0xF6 << 0xF6;
        QTest::newRow("ÿ") << 0xFF << 0xFF;
    }
    void windows1252Zeichen()
    {
        QFETCH(int, byte);
        QFETCH(int, zeichen);
        const char b = static_cast<char>(byte);
        QCOMPARE(int(Windows1252::dekodieren(QByteArrayView(&b, 1)).at(0).unicode()), zeichen);
        QCOMPARE(Windows1252::zeichen(char16_t(zeichen)), std::optional<char>(b));
    }

    void windows1252NichtDarstellbar_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Ł") << u("Łukasz");
        QTest::newRow("ř") << u("Dvořák");
        QTest::newRow("Ş") << u("Şahin");
        QTest::newRow("Steuerzeichen 80, dessen Byte das Euro ist") << QString(QChar(0x80));
        QTest::newRow("Ersatzpaar") << u("Smiley 😀");
    }
    void windows1252NichtDarstellbar()
    {
        QFETCH(QString, text);
        QVERIFY(!Windows1252::kodieren(text).has_value());
    }
};

QTEST_GUILESS_MAIN(TstProfil)
#include "tst_profil.moc"
