#include "store/Profil.h"
#include "store/ProfilDatei.h"
#include "store/Text.h"
#include "store/Windows1252.h"
#include "tests/Arbeitsordner.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

// File contents in Windows-1252, written in the test as UTF-8 literals.
QByteArray w(const char* utf8)
{
    return Windows1252::kodieren(QString::fromUtf8(utf8)).value();
}

QByteArray utf16le(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray utf16be(const QString& text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() >> 8));
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
    }
    return bytes;
}

QByteArray utf8bom(const char* utf8)
{
    return QByteArray("\xEF\xBB\xBF") + utf8;
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray lesenAusDatei(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

void schreibenInDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    QCOMPARE(datei.write(inhalt), inhalt.size());
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

    // --- Reading ---

    void lesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<bool>("vorhanden");
        QTest::addColumn<QString>("wert");

        const QString a = QStringLiteral("A");
        const QString k = QStringLiteral("k");
        // clang-format off
        QTest::newRow("einfach") << w("[A]\r\nk=1\r\n") << a << k << true << u("1");
        QTest::newRow("Schlüssel in anderer Schreibung")
            << w("[Abbruch]\r\nArbeitnehmerTyp= 2\r\n") << u("Abbruch") << u("Arbeitnehmertyp") << true << u("2");
        QTest::newRow("Abschnitt in Großbuchstaben, ö als Byte F6")
            << QByteArray("[PERS\xD6NLICHE DATEN]\r\nFirma=X\r\n") << u("Persönliche Daten") << u("Firma") << true << u("X");
        QTest::newRow("Abschnitt klein, gefragt groß")
            << QByteArray("[Pers\xF6nliche Daten]\r\nFirma=X\r\n") << u("PERSÖNLICHE DATEN") << u("FIRMA") << true << u("X");
        QTest::newRow("É und é") << w("[Café]\r\nk=1\r\n") << u("CAFÉ") << k << true << u("1");
        QTest::newRow("Š Œ Ž Ÿ") << w("[ŠŒŽŸ]\r\nk=1\r\n") << u("šœžÿ") << k << true << u("1");
        QTest::newRow("Ü und ü im Schlüssel") << w("[A]\r\nÜber=1\r\n") << a << u("über") << true << u("1");
        QTest::newRow("ß ist nicht SS") << w("[A]\r\nStraße=1\r\n") << a << u("STRASSE") << false << QString();
        QTest::newRow("× ist nicht ÷") << w("[A]\r\n×=1\r\n") << a << u("÷") << false << QString();
        QTest::newRow("Zahl mit Blank") << w("[A]\r\nGeschlecht= 2\r\n") << a << u("Geschlecht") << true << u("2");
        QTest::newRow("Zahl ohne Blank") << w("[A]\r\nGeschlecht=2\r\n") << a << u("Geschlecht") << true << u("2");
        QTest::newRow("Blanks und Tabs um Namen und Wert")
            << w("[A]\r\n \t k \t = \t Wert \t \r\n") << a << k << true << u("Wert");
        QTest::newRow("Blanks im Wert bleiben") << w("[A]\r\nk=Max  Mustermann\r\n") << a << k << true << u("Max  Mustermann");
        QTest::newRow("Blanks im Abschnittsnamen") << w("  [ \tA  ]\r\nk=1\r\n") << a << k << true << u("1");
        QTest::newRow("Text hinter der Klammer") << w("[A] ; Fortschritt\r\nk=1\r\n") << a << k << true << u("1");
        QTest::newRow("Gefragte Namen mit Blanks") << w("[A]\r\nk=1\r\n") << u(" A ") << u("\tk ") << true << u("1");
        QTest::newRow("leerer Wert fehlt") << w("[A]\r\nk=\r\n") << a << k << false << QString();
        QTest::newRow("nur Blanks fehlt") << w("[A]\r\nk=  \t\r\n") << a << k << false << QString();
        QTest::newRow("doppelte Anführung") << w("[A]\r\nk=\"Müller & Söhne\"\r\n") << a << k << true << u("Müller & Söhne");
        QTest::newRow("einfache Anführung") << w("[A]\r\nk='x y'\r\n") << a << k << true << u("x y");
        QTest::newRow("Anführung hinter Blanks") << w("[A]\r\nk=  \"x\"  \r\n") << a << k << true << u("x");
        QTest::newRow("Blanks in der Anführung bleiben") << w("[A]\r\nk=\" x \"\r\n") << a << k << true << u(" x ");
        QTest::newRow("ungleiche Anführung bleibt") << w("[A]\r\nk=\"x'\r\n") << a << k << true << u("\"x'");
        QTest::newRow("einzelnes Zeichen bleibt") << w("[A]\r\nk=\"\r\n") << a << k << true << u("\"");
        QTest::newRow("Anführung um einen Teil bleibt") << w("[A]\r\nk=\"a\" b\r\n") << a << k << true << u("\"a\" b");
        QTest::newRow("nur ein Paar fällt") << w("[A]\r\nk=\"\"x\"\"\r\n") << a << k << true << u("\"x\"");
        QTest::newRow("leere Anführung fehlt") << w("[A]\r\nk=\"\"\r\n") << a << k << false << QString();
        QTest::newRow("erster von doppelten Schlüsseln") << w("[A]\r\nk=1\r\nK=2\r\n") << a << k << true << u("1");
        QTest::newRow("erster Abschnitt zählt")
            << w("[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\nx=3\r\n") << a << k << true << u("1");
        QTest::newRow("zweiter Abschnitt gleichen Namens zählt nicht")
            << w("[A]\r\nk=1\r\n[a]\r\nx=3\r\n") << a << u("x") << false << QString();
        QTest::newRow("Teilung am ersten Gleichheitszeichen") << w("[A]\r\nk=a=b\r\n") << a << k << true << u("a=b");
        QTest::newRow("Zeile ohne Gleichheitszeichen ist kein Schlüssel")
            << w("[A]\r\nk\r\nk=2\r\n") << a << k << true << u("2");
        QTest::newRow("nur Zeile ohne Gleichheitszeichen") << w("[A]\r\nk\r\n") << a << k << false << QString();
        QTest::newRow("nur LF") << w("[A]\nx=0\nk=1\n") << a << k << true << u("1");
        QTest::newRow("nur CR") << w("[A]\rx=0\rk=1\r") << a << k << true << u("1");
        QTest::newRow("gemischt") << w("[B]\r\n[A]\nx=0\rk=1\r\r\n") << a << k << true << u("1");
        QTest::newRow("letzte Zeile ohne Umbruch") << w("[A]\r\nk=1") << a << k << true << u("1");
        QTest::newRow("vor dem ersten Abschnitt gehört zu keinem")
            << w("k=1\r\n[A]\r\nx=2\r\n") << a << k << false << QString();
        QTest::newRow("Schlüssel eines anderen Abschnitts") << w("[A]\r\nx=1\r\n[B]\r\nk=1\r\n") << a << k << false << QString();
        QTest::newRow("Abschnitt fehlt") << w("[B]\r\nk=1\r\n") << a << k << false << QString();
        QTest::newRow("Klammer ohne Ende öffnet keinen Abschnitt")
            << w("[A]\r\n[kaputt\r\nk=1\r\n") << a << k << true << u("1");
        QTest::newRow("leere Datei") << QByteArray() << a << k << false << QString();
        QTest::newRow("leerer Schlüssel wird nicht gefunden") << w("[A]\r\n=1\r\n") << a << QString() << false << QString();
        QTest::newRow("Windows-1252 oberhalb 7F")
            << QByteArray("[A]\r\nk=\x80 \x84Zitat\x93 \x96 \x85\r\n") << a << k << true << u("€ „Zitat“ – …");
        QTest::newRow("UTF-8 mit BOM") << utf8bom("[Persönliche Daten]\r\nFirma=Łukasz GmbH\r\n")
            << u("persönliche daten") << u("Firma") << true << u("Łukasz GmbH");
        QTest::newRow("UTF-16LE mit BOM") << utf16le(u("[Klienten Daten]\r\nVorname=Şahin\r\n"))
            << u("Klienten Daten") << u("vorname") << true << u("Şahin");
        QTest::newRow("UTF-16BE mit BOM") << utf16be(u("[Ä]\r\nk=Dvořák\r\n")) << u("ä") << k << true << u("Dvořák");
        QTest::newRow("nur BOM") << QByteArray("\xFF\xFE") << a << k << false << QString();
        // clang-format on
    }
    void lesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(bool, vorhanden);
        QFETCH(QString, wert);
        const std::optional<QString> gelesen = ProfilDatei(inhalt).lesen(abschnitt, schluessel);
        QCOMPARE(gelesen.has_value(), vorhanden);
        if (vorhanden)
            QCOMPARE(*gelesen, wert);
    }

    void lesenKuerztAuf254_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("wert");
        const QString lang = QString(300, QLatin1Char('x'));
        QTest::newRow("300 Zeichen") << w("[A]\r\nk=") + lang.toLatin1() << QString(254, QLatin1Char('x'));
        QTest::newRow("genau 254") << w("[A]\r\nk=") + lang.left(254).toLatin1() << lang.left(254);
        QTest::newRow("Anführung fällt vor dem Kürzen")
            << w("[A]\r\nk=\"") + lang.toLatin1() + '"' << QString(254, QLatin1Char('x'));
        // In UTF-16 a character outside the basic plane takes two units; it is never cut in half.
        const QString smiley = u("😀");
        QTest::newRow("Ersatzpaar an der Grenze")
            << utf16le(u("[A]\r\nk=") + QString(253, QLatin1Char('x')) + smiley)
            << QString(253, QLatin1Char('x'));
        QTest::newRow("Ersatzpaar vor der Grenze")
            << utf16le(u("[A]\r\nk=") + QString(252, QLatin1Char('x')) + smiley + u("yy"))
            << QString(252, QLatin1Char('x')) + smiley;
    }
    void lesenKuerztAuf254()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, wert);
        QCOMPARE(ProfilDatei(inhalt).lesen(u("A"), u("k")), std::optional<QString>(wert));
    }

    // --- Writing ---

    void schreiben_data()
    {
        QTest::addColumn<QByteArray>("vorher");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QByteArray>("nachher");

        const QString a = QStringLiteral("A");
        const QString k = QStringLiteral("k");
        const QString v = QStringLiteral("v");
        // clang-format off
        QTest::newRow("an Ort und Stelle in der Schreibweise der Datei, alles andere bleibt")
            << w("; Kopf\r\n[A]\r\nx=1\r\n  k = alt \r\ny=2\r\n\r\n[B]\r\nk=3\r\n") << a << u("K") << u("neu")
            << w("; Kopf\r\n[A]\r\nx=1\r\nk=neu\r\ny=2\r\n\r\n[B]\r\nk=3\r\n");
        QTest::newRow("an Ort und Stelle in einer LF-Datei")
            << w("[A]\nk=1\nz=2\n") << a << k << v << w("[A]\nk=v\r\nz=2\n");
        QTest::newRow("neuer Schlüssel vor der Leerzeile einer LF-Datei")
            << w("[A]\nk=1\n\n[B]\nk=2\n") << a << u("x") << v << w("[A]\nk=1\nx=v\r\n\n[B]\nk=2\n");
        QTest::newRow("an Ort und Stelle vor der Leerzeile einer LF-Datei")
            << w("[A]\nx=0\nk=1\n\n[B]\n") << a << k << v << w("[A]\nx=0\nk=v\r\n\n[B]\n");
        QTest::newRow("an Ort und Stelle in einer CR-Datei")
            << w("[A]\rk=1\rz=2\r") << a << k << v << w("[A]\rk=v\r\nz=2\r");
        QTest::newRow("an Ort und Stelle in der letzten Zeile ohne Umbruch")
            << w("[A]\r\nk=1") << a << k << v << w("[A]\r\nk=v\r\n");
        QTest::newRow("erster von doppelten Schlüsseln")
            << w("[A]\r\nk=1\r\nk=2\r\n") << a << k << v << w("[A]\r\nk=v\r\nk=2\r\n");
        QTest::newRow("im ersten von doppelten Abschnitten")
            << w("[A]\r\nk=1\r\n[a]\r\nk=2\r\n") << a << k << v << w("[A]\r\nk=v\r\n[a]\r\nk=2\r\n");
        QTest::newRow("Schlüssel vor dem ersten Abschnitt bleibt")
            << w("k=0\r\n[A]\r\nk=1\r\n") << a << k << v << w("k=0\r\n[A]\r\nk=v\r\n");
        QTest::newRow("neuer Schlüssel nach dem letzten Eintrag")
            << w("[A]\r\nx=1\r\n; Kommentar\r\n\r\n[B]\r\nx=2\r\n") << a << k << v
            << w("[A]\r\nx=1\r\nk=v\r\n; Kommentar\r\n\r\n[B]\r\nx=2\r\n");
        QTest::newRow("neuer Schlüssel in Abschnitt ohne Einträge")
            << w("[A]\r\n\r\n[B]\r\n") << a << k << v << w("[A]\r\nk=v\r\n\r\n[B]\r\n");
        QTest::newRow("neuer Schlüssel, letzter Eintrag ohne Umbruch")
            << w("[A]\r\nx=1") << a << k << v << w("[A]\r\nx=1\r\nk=v\r\n");
        QTest::newRow("neuer Schlüssel, Abschnittszeile ohne Umbruch")
            << w("[A]") << a << k << v << w("[A]\r\nk=v\r\n");
        QTest::newRow("neuer Schlüssel im ersten von doppelten Abschnitten")
            << w("[A]\r\nx=1\r\n[A]\r\ny=2\r\n") << a << k << v << w("[A]\r\nx=1\r\nk=v\r\n[A]\r\ny=2\r\n");
        QTest::newRow("neuer Abschnitt am Ende")
            << w("[A]\r\nx=1\r\n") << u("B") << k << v << w("[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
        QTest::newRow("neuer Abschnitt, letzte Zeile ohne Umbruch")
            << w("[A]\r\nx=1") << u("B") << k << v << w("[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
        QTest::newRow("neuer Abschnitt nach Kommentar")
            << w("; nur ein Kommentar") << u("B") << k << v << w("; nur ein Kommentar\r\n[B]\r\nk=v\r\n");
        QTest::newRow("neuer Abschnitt in leerer Datei") << QByteArray() << u("B") << k << v << w("[B]\r\nk=v\r\n");
        QTest::newRow("Namen ohne Blanks") << QByteArray() << u(" B\t") << u(" k ") << v << w("[B]\r\nk=v\r\n");
        QTest::newRow("ö und ß als je ein Byte")
            << QByteArray() << u("Persönliche Daten") << u("Strasse") << u("Hauptstraße 5")
            << QByteArray("[Pers\xF6nliche Daten]\r\nStrasse=Hauptstra\xDF" "e 5\r\n");
        QTest::newRow("Zahl mit Blank")
            << QByteArray() << u("Klienten Daten") << u("Geschlecht") << Text::vorzeichenZahl(2)
            << w("[Klienten Daten]\r\nGeschlecht= 2\r\n");
        QTest::newRow("leerer Wert") << w("[A]\r\nk=1\r\n") << a << k << QString() << w("[A]\r\nk=\r\n");
        QTest::newRow("Wert bleibt ungekürzt")
            << QByteArray() << a << k << QString(300, QLatin1Char('x')) << w("[A]\r\nk=") + QByteArray(300, 'x') + "\r\n";
        QTest::newRow("CR LF im Wert") << QByteArray() << a << k << u("a\r\nb") << w("[A]\r\nk=a b\r\n");
        QTest::newRow("LF im Wert") << QByteArray() << a << k << u("a\nb") << w("[A]\r\nk=a b\r\n");
        QTest::newRow("CR im Wert") << QByteArray() << a << k << u("a\rb") << w("[A]\r\nk=a b\r\n");
        QTest::newRow("zwei Umbrüche im Wert") << QByteArray() << a << k << u("a\r\n\nb") << w("[A]\r\nk=a  b\r\n");
        QTest::newRow("Abschnitt im Wert bleibt Wert")
            << w("[A]\r\nk=1\r\n") << a << k << u("x\r\n[B]\r\ny=2") << w("[A]\r\nk=x [B] y=2\r\n");
        QTest::newRow("Wert in Anführung bekommt ein Paar dazu")
            << QByteArray() << a << k << u("\"Zitat\"") << w("[A]\r\nk=\"\"Zitat\"\"\r\n");
        QTest::newRow("Wert in einfacher Anführung")
            << QByteArray() << a << k << u(" 'x' ") << w("[A]\r\nk=\" 'x' \"\r\n");
        QTest::newRow("Anführung nur vorn bleibt wie sie ist")
            << QByteArray() << a << k << u("\"x") << w("[A]\r\nk=\"x\r\n");
        QTest::newRow("UTF-8 bleibt UTF-8")
            << utf8bom("[A]\r\nx=1\r\n") << a << k << u("Łukasz") << utf8bom("[A]\r\nx=1\r\nk=Łukasz\r\n");
        QTest::newRow("UTF-8: ungültige Bytes anderswo bleiben")
            << utf8bom("[A]\r\nx=\xFF\xC3\r\nk=1\r\n") << a << k << u("ü") << utf8bom("[A]\r\nx=\xFF\xC3\r\nk=ü\r\n");
        QTest::newRow("UTF-16LE bleibt UTF-16LE")
            << utf16le(u("[A]\r\nk=Şahin\r\n")) << a << k << u("Meier") << utf16le(u("[A]\r\nk=Meier\r\n"));
        QTest::newRow("UTF-16BE bleibt UTF-16BE")
            << utf16be(u("[A]\r\nx=1")) << a << k << u("ö") << utf16be(u("[A]\r\nx=1\r\nk=ö\r\n"));
        QTest::newRow("UTF-16 ohne überzähliges Byte am Ende")
            << utf16le(u("[A]\r\nx=1")) + 'z' << a << k << v << utf16le(u("[A]\r\nx=1\r\nk=v\r\n"));
        // clang-format on
    }
    void schreiben()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        QFETCH(QByteArray, nachher);
        ProfilDatei datei(vorher);
        QString fehler;
        QVERIFY(datei.schreiben(abschnitt, schluessel, wert, &fehler));
        QVERIFY(fehler.isEmpty());
        QCOMPARE(datei.inhalt(), nachher);
    }

    void geschriebenWirdGelesen_data()
    {
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("gelesen");
        QTest::newRow("Umlaute") << u("Jürgen Größe") << u("Jürgen Größe");
        QTest::newRow("Zahl") << Text::vorzeichenZahl(17) << u("17");
        QTest::newRow("Null ohne Blank") << u("0") << u("0");
        QTest::newRow("Anführung") << u("\"Zitat\"") << u("\"Zitat\"");
        QTest::newRow("leere Anführung") << u("''") << u("''");
        QTest::newRow("Zeilenumbruch") << u("erste\r\nzweite") << u("erste zweite");
        QTest::newRow("Euro und Gedankenstrich") << u("5 € – netto") << u("5 € – netto");
        QTest::newRow("Łukasz") << u("Łukasz") << u("Łukasz");
    }
    void geschriebenWirdGelesen()
    {
        QFETCH(QString, wert);
        QFETCH(QString, gelesen);
        ProfilDatei datei(w("[Klienten Daten]\r\nName=Meier\r\n"));
        QVERIFY(datei.schreiben(u("Klienten Daten"), u("Vorname"), wert));
        QCOMPARE(datei.lesen(u("klienten daten"), u("VORNAME")), std::optional<QString>(gelesen));
        QCOMPARE(datei.lesen(u("Klienten Daten"), u("Name")), std::optional<QString>(u("Meier")));
    }

    void fremdeZeichenMachenUtf16_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<QString>("wert");
        QTest::newRow("Łukasz") << u("Klienten Daten") << u("Vorname") << u("Łukasz");
        QTest::newRow("Dvořák") << u("Klienten Daten") << u("Name") << u("Dvořák");
        QTest::newRow("Şahin in neuem Abschnitt") << u("Neu") << u("Name") << u("Şahin");
        QTest::newRow("fremder Abschnittsname") << u("Łódź") << u("Ort") << u("x");
    }
    void fremdeZeichenMachenUtf16()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        QFETCH(QString, wert);
        // Every byte of Windows-1252 has to survive the change, the undefined ones too.
        const QByteArray vorher("; \x80 \x81 \x8D \x8F \x90 \x9D \x9F\r\n"
                                "[Pers\xF6nliche Daten]\r\nFirma=M\xFCller & S\xF6hne\r\nOrt=K\xF6ln\r\n"
                                "[Klienten Daten]\r\nName=Meier\nVorname=Anna\r\n\r\n");
        ProfilDatei datei(vorher);
        QVERIFY(datei.schreiben(abschnitt, schluessel, wert));
        QCOMPARE(datei.kodierung(), ProfilDatei::Kodierung::Utf16LE);
        QVERIFY(datei.inhalt().startsWith("\xFF\xFE"));

        // The same text as the file would have had, had it been able to hold the value.
        ProfilDatei erwartet(Windows1252::dekodieren(vorher).toUtf8().prepend("\xEF\xBB\xBF"));
        QVERIFY(erwartet.schreiben(abschnitt, schluessel, wert));
        QCOMPARE(datei.inhalt(), utf16le(QString::fromUtf8(erwartet.inhalt().sliced(3))));

        QCOMPARE(datei.lesen(abschnitt, schluessel), std::optional<QString>(wert));
        QCOMPARE(datei.lesen(u("Persönliche Daten"), u("Firma")),
                 std::optional<QString>(u("Müller & Söhne")));
        QCOMPARE(datei.lesen(u("Persönliche Daten"), u("Ort")), std::optional<QString>(u("Köln")));

        // Later writes keep UTF-16, even of text that Windows-1252 could hold.
        QVERIFY(datei.schreiben(u("Abbruch"), u("Frage"), u("0")));
        QCOMPARE(datei.kodierung(), ProfilDatei::Kodierung::Utf16LE);
        QVERIFY(datei.inhalt().endsWith(utf16le(u("[Abbruch]\r\nFrage=0\r\n")).sliced(2)));
        QCOMPARE(datei.lesen(abschnitt, schluessel), std::optional<QString>(wert));
    }

    void windows1252BleibtWindows1252()
    {
        ProfilDatei datei(w("[A]\r\nk=1\r\n"));
        QVERIFY(datei.schreiben(u("A"), u("k"), u("„Zitat“ – 5 € – Œuvre – Ÿ")));
        QCOMPARE(datei.kodierung(), ProfilDatei::Kodierung::Windows1252);
        QCOMPARE(datei.inhalt(),
                 QByteArray("[A]\r\nk=\x84Zitat\x93 \x96 5 \x80 \x96 \x8Cuvre \x96 \x9F\r\n"));
    }

    void ungueltigeNamen_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("schluessel");
        QTest::newRow("leerer Abschnitt") << QString() << u("k");
        QTest::newRow("Abschnitt nur Blanks") << u(" \t ") << u("k");
        QTest::newRow("Klammer im Abschnitt") << u("A]B") << u("k");
        QTest::newRow("Umbruch im Abschnitt") << u("A\nB") << u("k");
        QTest::newRow("leerer Schlüssel") << u("A") << QString();
        QTest::newRow("Gleichheitszeichen im Schlüssel") << u("A") << u("a=b");
        QTest::newRow("Schlüssel wie ein Abschnitt") << u("A") << u("[B]");
        QTest::newRow("Umbruch im Schlüssel") << u("A") << u("k\r");
    }
    void ungueltigeNamen()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, schluessel);
        const QByteArray vorher = w("[A]\r\nk=1\r\n");
        ProfilDatei datei(vorher);
        QString fehler;
        QVERIFY(!datei.schreiben(abschnitt, schluessel, u("v"), &fehler));
        QVERIFY(fehler.contains(u("Einstellungsdatei")));
        QCOMPARE(datei.inhalt(), vorher);
    }

    // Random files never crash the reader or the writer; a write is read back and changes no other value.
    void zufallsdateien()
    {
        QRandomGenerator zufall(20240611);
        const QByteArray alphabet =
            QByteArrayLiteral("[]=[]=\r\n\r\n  \t\"'';aAkKxX12\xF6\xD6\x80\x81\xFF\xFE\xEF\xBB\xBF\0");
        const QList<QByteArray> anfaenge = {"", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"};
        const QStringList abschnitte = {u("A"), u("a"), u("ö"), u("Ö"), u("x")};
        const QStringList schluessel = {u("k"), u("K"), u("x"), u("1"), u("ö")};
        const QString wertzeichen = u("abcXYZ 0123=[];\"'öÖßŁ€\r\n");

        const auto alleWerte = [&](const ProfilDatei& d) {
            QList<std::optional<QString>> werte;
            for (const QString& s : abschnitte) {
                for (const QString& k : schluessel)
                    werte.append(d.lesen(s, k));
            }
            return werte;
        };

        for (int runde = 0; runde < 2000; ++runde) {
            QByteArray inhalt = anfaenge[zufall.bounded(anfaenge.size())];
            const int laenge = zufall.bounded(120);
            for (int i = 0; i < laenge; ++i) {
                inhalt.append(zufall.bounded(4) == 0 ? static_cast<char>(zufall.bounded(256))
                                                     : alphabet[zufall.bounded(alphabet.size())]);
            }
            ProfilDatei datei(inhalt);
            const QList<std::optional<QString>> vorher = alleWerte(datei);

            const qsizetype s = zufall.bounded(abschnitte.size());
            const qsizetype k = zufall.bounded(schluessel.size());
            QString wert = u("W");
            const int wertlaenge = zufall.bounded(300);
            for (int i = 0; i < wertlaenge; ++i)
                wert.append(wertzeichen[zufall.bounded(wertzeichen.size())]);
            wert.append(u("E"));
            QVERIFY(datei.schreiben(abschnitte[s], schluessel[k], wert));

            QString erwartet = wert;
            erwartet.replace(u("\r\n"), u(" ")).replace(QLatin1Char('\r'), QLatin1Char(' '));
            erwartet.replace(QLatin1Char('\n'), QLatin1Char(' '));
            const QList<std::optional<QString>> nachher = alleWerte(datei);
            for (qsizetype i = 0; i < abschnitte.size(); ++i) {
                for (qsizetype j = 0; j < schluessel.size(); ++j) {
                    const qsizetype n = i * schluessel.size() + j;
                    const bool derselbe = ProfilDatei::gleicherName(abschnitte[i], abschnitte[s]) &&
                                          ProfilDatei::gleicherName(schluessel[j], schluessel[k]);
                    if (derselbe)
                        QCOMPARE(nachher[n], std::optional<QString>(erwartet.left(254)));
                    else
                        QCOMPARE(nachher[n], vorher[n]);
                }
            }
        }
    }

    // --- The file in the working folder ---

    void ohneDateiFehlt()
    {
        Arbeitsordner ordner;
        QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, u("Firma")), std::nullopt);
        QCOMPARE(Profil::pfad(), ordner.pfad(u("Zeugnis.INI")));
    }

    void ersterSchreibvorgangLegtZeugnisIniAn()
    {
        Arbeitsordner ordner;
        // The employer screen writes in this order.
        const QList<std::pair<QString, QString>> daten = {{u("Name"), u("Jürgen Meier")},
                                                          {u("Strasse"), u("Hauptstraße 5")},
                                                          {u("PLZ"), u("50667")},
                                                          {u("Ort"), u("Köln")},
                                                          {u("Firma"), u("Müller & Söhne GmbH")}};
        for (const auto& [schluessel, wert] : daten) {
            QString fehler;
            QVERIFY2(Profil::schreiben(Profil::PersoenlicheDaten, schluessel, wert, &fehler),
                     qPrintable(fehler));
        }
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{u("Zeugnis.INI")});
        QCOMPARE(lesenAusDatei(ordner.pfad(u("Zeugnis.INI"))),
                 w("[Persönliche Daten]\r\nName=Jürgen Meier\r\nStrasse=Hauptstraße 5\r\nPLZ=50667\r\n"
                   "Ort=Köln\r\nFirma=Müller & Söhne GmbH\r\n"));
        for (const auto& [schluessel, wert] : daten)
            QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, schluessel), std::optional<QString>(wert));
    }

    void fortschrittUndZahlen()
    {
        Arbeitsordner ordner;
        QVERIFY(Profil::schreiben(Profil::Abbruch, u("ArbeitnehmerTyp"), Text::vorzeichenZahl(2)));
        QVERIFY(Profil::schreiben(Profil::Abbruch, u("Zeugnisart"), Text::vorzeichenZahl(2)));
        QVERIFY(Profil::schreiben(Profil::Abbruch, u("Frage"), Text::vorzeichenZahl(17)));
        QVERIFY(Profil::schreiben(Profil::Abbruch, u("Zahl"), Text::vorzeichenZahl(12)));
        QCOMPARE(
            int(Text::zahlLesen(Profil::lesen(Profil::Abbruch, u("Arbeitnehmertyp")).value_or(QString()))),
            2);
        QCOMPARE(int(Text::zahlLesen(Profil::lesen(Profil::Abbruch, u("Frage")).value_or(QString()))), 17);

        // Finishing resets "Frage" to the literal "0" and leaves the other keys.
        QVERIFY(Profil::schreiben(Profil::Abbruch, u("Frage"), u("0")));
        QCOMPARE(lesenAusDatei(ordner.pfad(u("Zeugnis.INI"))),
                 w("[Abbruch]\r\nArbeitnehmerTyp= 2\r\nZeugnisart= 2\r\nFrage=0\r\nZahl= 12\r\n"));
    }

    void dateinameOhneGrossUndKlein_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("groß") << u("ZEUGNIS.INI");
        QTest::newRow("klein") << u("zeugnis.ini");
        QTest::newRow("gemischt") << u("zEuGnIs.iNi");
    }
    void dateinameOhneGrossUndKlein()
    {
        QFETCH(QString, name);
        Arbeitsordner ordner;
        schreibenInDatei(ordner.pfad(name), w("[Persönliche Daten]\r\nFirma=Alt\r\n"));
        QCOMPARE(Profil::pfad(), ordner.pfad(name));
        QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, u("Firma")), std::optional<QString>(u("Alt")));
        QVERIFY(Profil::schreiben(Profil::PersoenlicheDaten, u("Ort"), u("Bonn")));
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{name});
        QCOMPARE(lesenAusDatei(ordner.pfad(name)), w("[Persönliche Daten]\r\nFirma=Alt\r\nOrt=Bonn\r\n"));
    }

    void genaueSchreibweiseGewinnt()
    {
        Arbeitsordner ordner;
        schreibenInDatei(ordner.pfad(u("ZEUGNIS.INI")), w("[A]\r\nk=groß\r\n"));
        schreibenInDatei(ordner.pfad(u("Zeugnis.INI")), w("[A]\r\nk=genau\r\n"));
        QCOMPARE(Profil::pfad(), ordner.pfad(u("Zeugnis.INI")));
        QCOMPARE(Profil::lesen(u("A"), u("k")), std::optional<QString>(u("genau")));
    }

    void schreibfehlerWirdGemeldet()
    {
        Arbeitsordner ordner;
        // Tests may run as root, who may write anywhere; a folder that is a file stops everyone.
        schreibenInDatei(ordner.pfad(u("keinOrdner")), "x");
        const QString pfad = ordner.pfad(u("keinOrdner/Zeugnis.INI"));
        QString fehler;
        QVERIFY(!Profil::schreiben(pfad, u("A"), u("k"), u("v"), &fehler));
        QVERIFY2(fehler.startsWith(u("Die Einstellungsdatei „")), qPrintable(fehler));
        QVERIFY2(fehler.contains(u("konnte nicht geschrieben werden")), qPrintable(fehler));
        QVERIFY(!Profil::schreiben(pfad, u("A"), u("k"), u("v"))); // no text wanted: still false
        QCOMPARE(Profil::lesen(pfad, u("A"), u("k")), std::nullopt);
    }

    void unlesbareDateiWirdNichtUeberschrieben()
    {
        Arbeitsordner ordner;
        // A folder in the place of the file can be neither read nor replaced.
        QVERIFY(QDir::current().mkdir(u("Zeugnis.INI")));
        QVERIFY(QDir::current().mkdir(u("Zeugnis.INI/drin")));
        QString fehler;
        QVERIFY(!Profil::schreiben(ordner.pfad(u("Zeugnis.INI")), u("A"), u("k"), u("v"), &fehler));
        QVERIFY(!fehler.isEmpty());
        QVERIFY(QDir(ordner.pfad(u("Zeugnis.INI/drin"))).exists());
        QCOMPARE(Profil::lesen(ordner.pfad(u("Zeugnis.INI")), u("A"), u("k")), std::nullopt);
    }

    void keineResteNachDemSchreiben()
    {
        Arbeitsordner ordner;
        schreibenInDatei(ordner.pfad(u("Zeugnis.INI")), w("[A]\r\nk=1\r\n"));
        QVERIFY(QFile::setPermissions(ordner.pfad(u("Zeugnis.INI")), QFileDevice::ReadOwner |
                                                                         QFileDevice::WriteOwner |
                                                                         QFileDevice::ReadGroup));
        for (int i = 0; i < 3; ++i)
            QVERIFY(Profil::schreiben(u("A"), u("k"), QString::number(i)));
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{u("Zeugnis.INI")});
        // Owner, group and others; the "user" bits repeat the owner's for the process owner.
        const QFileDevice::Permissions ohneUser(0x7077);
        QCOMPARE(QFile::permissions(ordner.pfad(u("Zeugnis.INI"))) & ohneUser,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        QCOMPARE(Profil::lesen(u("A"), u("k")), std::optional<QString>(u("2")));
    }
};

QTEST_GUILESS_MAIN(TstProfil)
#include "tst_profil.moc"
