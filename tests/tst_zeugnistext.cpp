#include "engine/Regeln.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstZeugnistext : public QObject
{
    Q_OBJECT

    static Arbeitnehmerdaten daten(const QString& titel = {})
    {
        Arbeitnehmerdaten d;
        d.Name = QStringLiteral("Maier");
        d.Vorname = QStringLiteral("Eva");
        d.Titel = titel;
        d.Position = QStringLiteral("Buchhalterin");
        d.Geburtsort = QStringLiteral("Köln");
        d.Geburtsdatum = QStringLiteral("1.2.1980");
        d.Eintrittsdatum = QStringLiteral("1.4.2010");
        d.Austrittsdatum = QStringLiteral("30.6.2024");
        return d;
    }

private slots:
    void spracheMitBeschriftung()
    {
        QCOMPARE(Regeln::spracheMitBeschriftung(u"Französisch")->wort, u"Franzoesisch");
        QCOMPARE(Regeln::spracheMitBeschriftung(u"Englisch")->wort, u"Englisch");
        QCOMPARE(Regeln::spracheMitBeschriftung(u"Franzoesisch"), nullptr);
    }

    void platzhalter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("ohne Datum bleibt alles")
            << QStringLiteral("(VollerName) aus (Geburtsort), (Position).") << QString()
            << QStringLiteral("(VollerName) aus (Geburtsort), (Position).");
        QTest::newRow("Eintritt und Name")
            << QStringLiteral("(VollerName) war seit (Eintrittsdatum) bei uns.") << QString()
            << QStringLiteral("Eva Maier war seit 1.4.2010 bei uns.");
        QTest::newRow("mit Titel") << QStringLiteral("(VollerName), (Eintrittsdatum)")
                                   << QStringLiteral("Dr.") << QStringLiteral("Dr. Eva Maier, 1.4.2010 ");
        QTest::newRow("Satzzeichen bleiben")
            << QStringLiteral("als (Position), bis (Austrittsdatum).") << QString()
            << QStringLiteral("als Buchhalterin, bis 30.6.2024.");
        QTest::newRow("am Ende") << QStringLiteral("seit (Eintrittsdatum)") << QString()
                                 << QStringLiteral("seit 1.4.2010 ");
        QTest::newRow("alle")
            << QStringLiteral(
                   "(VollerName), geboren am (Geburtsdatum) in (Geburtsort), war vom (Eintrittsdatum) bis "
                   "(Austrittsdatum) als (Position) tätig.")
            << QString()
            << QStringLiteral("Eva Maier, geboren am 1.2.1980 in Köln, war vom 1.4.2010 bis "
                              "30.6.2024 als Buchhalterin tätig.");
        QTest::newRow("nur erstes Vorkommen")
            << QStringLiteral("(Eintrittsdatum) (Position) und (Position) x") << QString()
            << QStringLiteral("1.4.2010 Buchhalterin und (Position) x");
        QTest::newRow("Kleinschreibung nicht gefunden")
            << QStringLiteral("(eintrittsdatum) (Austrittsdatum) (vollername)") << QString()
            << QStringLiteral("(eintrittsdatum) 30.6.2024 (vollername)");
        QTest::newRow("Geburtsort behält Folgezeichen") << QStringLiteral("(Eintrittsdatum) in (Geburtsort).")
                                                        << QString() << QStringLiteral("1.4.2010 in Köln.");
        QTest::newRow("Ersatz wird nicht erneut gesucht")
            << QStringLiteral("(Eintrittsdatum) (Austrittsdatum)") << QString()
            << QStringLiteral("1.4.2010 30.6.2024 ");
        QTest::newRow("Folgezeichen Emoji")
            << QStringLiteral("(Eintrittsdatum)😀x") << QString() << QStringLiteral("1.4.2010 x");
        QTest::newRow("leer") << QString() << QString() << QString();
    }
    void platzhalter()
    {
        QFETCH(QString, text);
        QFETCH(QString, titel);
        QFETCH(QString, erwartet);
        QString sText = text;
        const QString r = TextBausteineEinsetzen(sText, daten(titel));
        QCOMPARE(r, erwartet);
        QCOMPARE(sText, erwartet); // changed in place, too
    }

    // Italian and French join the word before a value as it is spoken; the same text in German is left alone.
    void italienischerAnschluss_data()
    {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("eintritt");
        QTest::addColumn<QString>("ort");
        QTest::addColumn<QString>("erwartet");
        const QString nato =
            QStringLiteral("nato il (Eintrittsdatum) a (Geburtsort), dal (Eintrittsdatum) x");
        QTest::newRow("otto und Ascona") << u"it"_s << nato << u"8.5.1990"_s << u"Ascona"_s
                                         << u"nato l'8.5.1990 ad Ascona, dal (Eintrittsdatum) x"_s;
        QTest::newRow("undici ausgeschrieben")
            << u"it"_s << u"Lavora con noi dal (Eintrittsdatum) come (Position)."_s << u"11 maggio 2010"_s
            << u"Köln"_s << u"Lavora con noi dall'11 maggio 2010 come Buchhalterin."_s;
        QTest::newRow("großes Il und führende Null")
            << u"it"_s << u"Il (Eintrittsdatum) è entrato."_s << u"08.03.2001"_s << u"Köln"_s
            << u"L'08.03.2001 è entrato."_s;
        QTest::newRow("primo, diciotto, Bellinzona bleiben")
            << u"it"_s << u"dal (Eintrittsdatum) al (Austrittsdatum) a (Geburtsort)"_s << u"1° marzo 2010"_s
            << u"Bellinzona"_s << u"dal 1° marzo 2010 al 30.6.2024 a Bellinzona"_s;
        QTest::newRow("diciotto bleibt") << u"it"_s << u"dal (Eintrittsdatum) in poi"_s << u"18.3.2000"_s
                                         << u"Köln"_s << u"dal 18.3.2000 in poi"_s;
        QTest::newRow("nur ganze Wörter") << u"it"_s << u"Natal (Eintrittsdatum) casa (Geburtsort)"_s
                                          << u"8.3.2000"_s << u"Airolo"_s << u"Natal 8.3.2000 casa Airolo"_s;
        const QString nee = QStringLiteral("née le (Eintrittsdatum) à (Geburtsort), depuis");
        QTest::newRow("französisch au Locle")
            << u"fr"_s << nee << u"8.5.1990"_s << u"Le Locle"_s << u"née le 8.5.1990 au Locle, depuis"_s;
        QTest::newRow("französisch aux Brenets") << u"fr"_s << nee << u"8.5.1990"_s << u"Les Brenets"_s
                                                 << u"née le 8.5.1990 aux Brenets, depuis"_s;
        QTest::newRow("französisch à La Chaux-de-Fonds bleibt")
            << u"fr"_s << nee << u"8.5.1990"_s << u"La Chaux-de-Fonds"_s
            << u"née le 8.5.1990 à La Chaux-de-Fonds, depuis"_s;
        QTest::newRow("Deutsch unverändert") << u"de"_s << nato << u"8.5.1990"_s << u"Ascona"_s
                                             << u"nato il 8.5.1990 a Ascona, dal (Eintrittsdatum) x"_s;
    }
    void italienischerAnschluss()
    {
        QFETCH(QString, sprache);
        QFETCH(QString, text);
        QFETCH(QString, eintritt);
        QFETCH(QString, ort);
        QFETCH(QString, erwartet);
        Arbeitnehmerdaten d = daten();
        d.Eintrittsdatum = eintritt;
        d.Geburtsort = ort;
        QCOMPARE(TextBausteineEinsetzen(text, d, sprache), erwartet);
    }

    void leereWerte()
    {
        Arbeitnehmerdaten leer;
        QString t = QStringLiteral("ab (Eintrittsdatum) bis (Austrittsdatum), (VollerName)!");
        // Empty values leave nothing in their place; the blank behind a date and the comma stay.
        QCOMPARE(TextBausteineEinsetzen(t, leer), QStringLiteral("ab  bis ,  !"));
    }

    void fragenzahl_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("zahl");
        QTest::newRow("1/1") << 1 << 1 << QStringLiteral("3");
        QTest::newRow("1/2") << 1 << 2 << QStringLiteral("34");
        QTest::newRow("1/0") << 1 << 0 << QStringLiteral("34");
        QTest::newRow("2/1") << 2 << 1 << QStringLiteral("27");
        QTest::newRow("2/2") << 2 << 2 << QStringLiteral("27");
        QTest::newRow("3/1") << 3 << 1 << QStringLiteral("3");
        QTest::newRow("3/2") << 3 << 2 << QStringLiteral("17");
        QTest::newRow("4/1") << 4 << 1 << QStringLiteral("3");
        QTest::newRow("4/2") << 4 << 2 << QStringLiteral("10");
        QTest::newRow("0/2") << 0 << 2 << QString();
        QTest::newRow("5/2") << 5 << 2 << QString();
    }
    void fragenzahl()
    {
        QFETCH(int, typ);
        QFETCH(int, art);
        QFETCH(QString, zahl);
        QCOMPARE(Fragenzahl(qint16(typ), qint16(art)), zahl);
    }
};

QTEST_APPLESS_MAIN(TstZeugnistext)
#include "tst_zeugnistext.moc"
