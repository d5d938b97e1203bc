// The question screen on the delivered catalogue: a whole qualified reference for a commercial employee, and
// an interim reference for each type that has one, written through the widgets, question by question,
// rebuilt in every language and copied in each through the closing dialog. The expected text is composed here
// from the catalogue's own rows.
#include "engine/Zeugnistext.h"
#include "store/Profil.h"
#include "tests/Echterkatalog.h"
#include "tests/Fragenbildschirm.h"

#include <QSet>

class TstEchterKatalog : public QObject
{
    Q_OBJECT

private slots:
    void ganzesZeugnis_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("geschlecht");
        QTest::newRow("Mann") << 1 << int(Art::Qualifiziert) << 1;
        QTest::newRow("Frau") << 1 << int(Art::Qualifiziert) << 2;
        QTest::newRow("Zwischenzeugnis, Frau") << 1 << int(Art::Zwischen) << 2;
        QTest::newRow("Zwischenzeugnis Führungskraft, Mann") << 2 << int(Art::Zwischen) << 1;
        QTest::newRow("Zwischenzeugnis Auszubildende") << 3 << int(Art::Zwischen) << 2;
    }
    void ganzesZeugnis()
    {
        QFETCH(int, typ);
        QFETCH(int, art);
        QFETCH(int, geschlecht);
        if (!Echterkatalog::vorhanden())
            QSKIP("Der Katalog wird in diesem Build nicht gebaut.");
        Arbeitsordner ordner;
        QVERIFY(Echterkatalog::kopieren(ordner));
        sitzungSetzen(qint16(typ), qint16(art), qint16(geschlecht));
        Sitzung& s = Sitzung::instanz();
        s.arbeitnehmer.Titel = QStringLiteral("Dr.");
        if (art == Art::Zwischen)
            s.arbeitnehmer.Austrittsdatum.clear();
        QVERIFY(Profil::schreiben(Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral(" 5")));

        Testumgebung umgebung;
        Echterkatalog katalog;
        const QList<Echterkatalog::Frage> fragen =
            katalog.fragen(qint16(geschlecht), qint16(typ), qint16(art));
        QCOMPARE(QString::number(fragen.size()), Fragenzahl(qint16(typ), qint16(art)));
        QVERIFY(fragen.size() > 10);
        QList<Echterkatalog::Antwort> antworten;
        Fragenbildschirm b;
        QVERIFY(b.form->isVisible());
        musterantworten(b, fragen, 0, int(fragen.size()), antworten);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        QVERIFY(umgebung.gezeigt.isEmpty());

        // German as the end state shows it, then every language button in turn, Deutsch again last; each
        // text copied through "Ja" of the closing dialog.
        const QStringList woerter{QStringLiteral("Deutsch"), QStringLiteral("Englisch"),
                                  QStringLiteral("Italienisch"), QStringLiteral("Spanisch"),
                                  QStringLiteral("Franzoesisch")};
        const QString schluss = erwarteterSchluss(QStringLiteral("Bonn"), QStringLiteral("30.6.2024"),
                                                  QStringLiteral("Hans Huber"));
        QStringList kopiert;
        for (int knopf : {0, 2, 3, 4, 5, 1}) {
            if (knopf > 0)
                QVERIFY(Fragenbildschirm::klicken(b.wert(knopf)));
            const QString wort = woerter.at(knopf == 0 ? 0 : knopf - 1);
            const QString erwartet =
                katalog.text(antworten, qint16(geschlecht), wort, s.arbeitnehmer) + schluss;
            QCOMPARE(b.zeugnis(), erwartet);
            QVERIFY(!b.zeugnis().contains(QStringLiteral("(Eintrittsdatum)")));
            QVERIFY(!b.zeugnis().contains(QStringLiteral("(VollerName)")));
            QVERIFY(!b.zeugnis().contains(QStringLiteral("(Austrittsdatum)")));

            QCOMPARE(b.zwischenablage(), QStringLiteral("dlgBeenden"));
            kopiert << erwartet;
            QCOMPARE(umgebung.zwischenablage, kopiert);
            QCOMPARE(Profil::lesen(Profil::Abbruch, QStringLiteral("Frage")), QStringLiteral("0"));
            QCOMPARE(b.zeugnis(), erwartet); // the dialog leaves the text as it was
        }
        // Every language says something else.
        QCOMPARE(QSet<QString>(kopiert.begin(), kopiert.end()).size(), 5);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(umgebung.beendet, 0);
    }
};

QTEST_MAIN(TstEchterKatalog)
#include "tst_echterkatalog.moc"
