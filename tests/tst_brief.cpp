#include "engine/Brief.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"
#include "tests/Beispielsitzung.h"

#include <QTest>

namespace {

const QString CRLF = QStringLiteral("\r\n");

void arbeitgeberSetzen()
{
    Arbeitgeberdaten& ag = Sitzung::instanz().arbeitgeber;
    ag.Strasse = QStringLiteral("Hauptstraße 12");
    ag.PLZ = QStringLiteral("53111");
    ag.Funktion = QStringLiteral("Geschäftsführer");
}

} // namespace

class TstBrief : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        sitzungSetzen();
        arbeitgeberSetzen();
    }

    // A reference as the program builds it, in German and in French, for each employee type.
    void teile_data()
    {
        QTest::addColumn<QString>("sLand");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("art");
        QTest::newRow("de gewerblich")
            << QStringLiteral("Deutsch") << 1 << QStringLiteral("Arbeitszeugnis") << 2;
        QTest::newRow("de Führungskraft")
            << QStringLiteral("Deutsch") << 2 << QStringLiteral("Arbeitszeugnis") << 2;
        QTest::newRow("de Azubi") << QStringLiteral("Deutsch") << 3 << QStringLiteral("Ausbildungszeugnis")
                                  << 2;
        QTest::newRow("de Praktikant")
            << QStringLiteral("Deutsch") << 4 << QStringLiteral("Praktikumszeugnis") << 2;
        QTest::newRow("fr gewerblich")
            << QStringLiteral("Franzoesisch") << 1 << QStringLiteral("Certificat de travail") << 2;
        QTest::newRow("fr Praktikant")
            << QStringLiteral("Franzoesisch") << 4 << QStringLiteral("Certificat de stage") << 2;
        QTest::newRow("unbekannte Sprache")
            << QStringLiteral("Klingonisch") << 3 << QStringLiteral("Ausbildungszeugnis") << 2;
        // The interim reference has its own title for every type that has one; the intern has none.
        QTest::newRow("de Zwischenzeugnis Azubi")
            << QStringLiteral("Deutsch") << 3 << QStringLiteral("Zwischenzeugnis") << 3;
        QTest::newRow("es Zwischenzeugnis")
            << QStringLiteral("Spanisch") << 1 << QStringLiteral("Certificado de trabajo intermedio") << 3;
        QTest::newRow("Praktikant ohne Zwischenzeugnis")
            << QStringLiteral("Deutsch") << 4 << QStringLiteral("Praktikumszeugnis") << 3;
    }

    void teile()
    {
        QFETCH(QString, sLand);
        QFETCH(int, typ);
        QFETCH(QString, titel);
        QFETCH(int, art);
        Sitzung& s = Sitzung::instanz();
        s.Arbeitnehmertyp = qint16(typ);
        s.Zeugnisart = qint16(art);
        const QString text = QStringLiteral("Frau Eva Maier war bei uns.") + CRLF +
                             QStringLiteral("Sie arbeitete sehr gut. Wir danken ihr.") + CRLF +
                             QStringLiteral(" Wir wünschen ihr alles Gute. ") + Zeugnisschluss(s);
        const Brief b = briefAufbauen(text, s, sLand);
        QCOMPARE(b.briefkopf, (QStringList{QStringLiteral("Muster GmbH"), QStringLiteral("Hauptstraße 12"),
                                           QStringLiteral("53111 Bonn")}));
        QCOMPARE(b.titel, titel);
        QCOMPARE(b.absaetze, (QStringList{QStringLiteral("Frau Eva Maier war bei uns."),
                                          QStringLiteral("Sie arbeitete sehr gut. Wir danken ihr."),
                                          QStringLiteral("Wir wünschen ihr alles Gute.")}));
        QCOMPARE(b.ortDatum, QStringLiteral("Bonn, 30.6.2024"));
        QCOMPARE(b.unterzeichner, QStringLiteral("Hans Huber"));
        QCOMPARE(b.funktion, QStringLiteral("Geschäftsführer"));
        QCOMPARE(b.sprache, sLand);
    }

    // What the user did to the text in the box reaches the letter; a closing that is no longer recognisable
    // is taken from the record.
    void bearbeiteterText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("absaetze");
        QTest::addColumn<QString>("ortDatum");
        QTest::addColumn<QString>("unterzeichner");
        const QString z = CRLF;
        QTest::newRow("Schluss geändert")
            << QStringLiteral("A.") + z + z + QStringLiteral("Bonn-Beuel, den 1. Juli 2024") + z + z +
                   QStringLiteral("Dr. Hans Huber")
            << QStringList{QStringLiteral("A.")} << QStringLiteral("Bonn-Beuel, den 1. Juli 2024")
            << QStringLiteral("Dr. Hans Huber");
        QTest::newRow("Schluss gelöscht")
            << QStringLiteral("A.") + z + QStringLiteral("B.")
            << QStringList{QStringLiteral("A."), QStringLiteral("B.")} << QStringLiteral("Bonn, 30.6.2024")
            << QStringLiteral("Hans Huber");
        QTest::newRow("Leerzeilen und Zeilenvorschübe")
            << QStringLiteral("A.\n\n\nB.\rC.") + Zeugnisschluss(Sitzung::instanz()) + z + z
            << QStringList{QStringLiteral("A."), QStringLiteral("B."), QStringLiteral("C.")}
            << QStringLiteral("Bonn, 30.6.2024") << QStringLiteral("Hans Huber");
        QTest::newRow("nur der Schluss") << Zeugnisschluss(Sitzung::instanz()) << QStringList{}
                                         << QStringLiteral("Bonn, 30.6.2024") << QStringLiteral("Hans Huber");
        QTest::newRow("leer") << QString() << QStringList{} << QStringLiteral("Bonn, 30.6.2024")
                              << QStringLiteral("Hans Huber");
    }
    void bearbeiteterText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, absaetze);
        QFETCH(QString, ortDatum);
        QFETCH(QString, unterzeichner);
        const Brief b = briefAufbauen(text, Sitzung::instanz(), QStringLiteral("Deutsch"));
        QCOMPARE(b.absaetze, absaetze);
        QCOMPARE(b.ortDatum, ortDatum);
        QCOMPARE(b.unterzeichner, unterzeichner);
    }

    void ohneFunktionUndAnschrift()
    {
        Arbeitgeberdaten& ag = Sitzung::instanz().arbeitgeber;
        ag.Funktion.clear();
        ag.Strasse = QStringLiteral("  ");
        ag.PLZ.clear();
        const Brief b = briefAufbauen(QStringLiteral("A."), Sitzung::instanz(), QStringLiteral("Englisch"));
        QCOMPARE(b.briefkopf, (QStringList{QStringLiteral("Muster GmbH"), QStringLiteral("Bonn")}));
        QCOMPARE(b.titel, QStringLiteral("Reference"));
        QVERIFY(b.funktion.isEmpty());
    }

    void seitenangabe_data()
    {
        QTest::addColumn<QString>("sLand");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("de") << QStringLiteral("Deutsch") << QStringLiteral("Seite 2 von 3");
        QTest::newRow("en") << QStringLiteral("Englisch") << QStringLiteral("Page 2 of 3");
        QTest::newRow("es") << QStringLiteral("Spanisch") << QStringLiteral("Página 2 de 3");
    }
    void seitenangabe()
    {
        QFETCH(QString, sLand);
        QFETCH(QString, erwartet);
        QCOMPARE(::seitenangabe(2, 3, sLand), erwartet);
    }

    void dateiname_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vorname");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Umlaute bleiben") << 1 << QStringLiteral("Weiß") << QStringLiteral("Jürgen")
                                         << QStringLiteral("Arbeitszeugnis Weiß Jürgen 2026-12-09.pdf");
        QTest::newRow("Azubi") << 3 << QStringLiteral("Maier") << QStringLiteral("Eva")
                               << QStringLiteral("Ausbildungszeugnis Maier Eva 2026-12-09.pdf");
        QTest::newRow("verbotene Zeichen")
            << 4 << QStringLiteral("Müller/Lüdenscheid") << QStringLiteral("A:B*C?\"<>|\\\t")
            << QStringLiteral("Praktikumszeugnis Müller_Lüdenscheid A_B_C_______ 2026-12-09.pdf");
        QTest::newRow("leerer Vorname") << 2 << QStringLiteral(" Maier ") << QString()
                                        << QStringLiteral("Arbeitszeugnis Maier 2026-12-09.pdf");
    }
    void dateiname()
    {
        QFETCH(int, typ);
        QFETCH(QString, name);
        QFETCH(QString, vorname);
        QFETCH(QString, erwartet);
        Sitzung& s = Sitzung::instanz();
        s.Arbeitnehmertyp = qint16(typ);
        s.arbeitnehmer.Name = name;
        s.arbeitnehmer.Vorname = vorname;
        QCOMPARE(briefDateiname(s, QDate(2026, 12, 9), QStringLiteral("pdf")), erwartet);
    }
};

QTEST_GUILESS_MAIN(TstBrief)
#include "tst_brief.moc"
