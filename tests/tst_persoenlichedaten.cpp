#include "screens/PersoenlicheDaten.h"
#include "screens/StammdatenForm.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testumgebung.h"

#include <QLabel>
#include <QPointer>

using namespace Hilfe;

class TstPersoenlicheDaten : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sitzung::instanz() = Sitzung{}; }
    void cleanup() { aufraeumen(); }

    void aktivierungZeigtArbeitgeber()
    {
        Testumgebung umgebung;
        auto f = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        QCOMPARE(f->objectName(), QStringLiteral("PersönlicheDaten"));
        QVERIFY(f->windowTitle().isEmpty());
        QCOMPARE(box(f, 0)->text(), QStringLiteral("Erika Beispiel"));
        QCOMPARE(box(f, 1)->text(), QStringLiteral("Hauptstraße 12"));
        QCOMPARE(box(f, 2)->text(), QStringLiteral("79100"));
        QCOMPARE(box(f, 3)->text(), QStringLiteral("Freiburg"));
        QCOMPARE(box(f, 4)->text(), QStringLiteral("Muster GmbH"));
        QCOMPARE(fokus(), QStringLiteral("Stammdaten4"));
        QCOMPARE(kind<QLabel>(f, QStringLiteral("Statuszeile"))->text(),
                 QStringLiteral("Setzen Sie die Daten des Personalverantwortlichen ein"));
        const QStringList beschriftungen{QStringLiteral("Name"), QStringLiteral("Straße"),
                                         QStringLiteral("PLZ"), QStringLiteral("Ort"),
                                         QStringLiteral("Firma")};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(box(f, i)->accessibleName(), beschriftungen[i]);
        // Tab order from "Firma" down the rows.
        QTest::keyClick(box(f, 4), Qt::Key_Tab);
        QCOMPARE(fokus(), QStringLiteral("Stammdaten0"));
        QTest::keyClick(box(f, 0), Qt::Key_Tab);
        QCOMPARE(fokus(), QStringLiteral("Stammdaten1"));
    }

    void leeresFeldWirdGemeldet_data()
    {
        QTest::addColumn<int>("leer");
        for (int i = 0; i < 5; ++i)
            QTest::newRow(qPrintable(QStringLiteral("Feld %1").arg(i))) << i;
    }
    void leeresFeldWirdGemeldet()
    {
        QFETCH(int, leer);
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        box(f, leer)->clear();
        box(f, 1)->setFocus();
        auto* weiter = kind<QWidget>(f, QStringLiteral("WeiterButton"));
        QTest::mouseClick(weiter, Qt::LeftButton);
        const Umgebung::Meldung warnung{QStringLiteral("Unvollständige Angaben"),
                                        QStringLiteral("Sie müssen alle Felder ausfüllen"),
                                        Umgebung::Knoepfe::Ok, Umgebung::Symbol::Ausrufezeichen};
        QCOMPARE(umgebung.meldungen(), QList{warnung});
        abwarten();
        QCOMPARE(fokus(), umgebung.gezeigt.first().fokus); // not moved
        QVERIFY(f && f->isVisible());
        QVERIFY(!QFile::exists(ordner.pfad(Profil::Dateiname)));
        QCOMPARE(Sitzung::instanz().arbeitgeber.Ort, QStringLiteral("Freiburg"));
        QCOMPARE(Sitzung::instanz().Aufrufer, QStringLiteral("ZeugnisForm"));
    }

    void blanksGeltenAlsAusgefuellt()
    {
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        box(f, 0)->setText(QStringLiteral("   "));
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("WeiterButton")), Qt::LeftButton);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(Sitzung::instanz().arbeitgeber.Name, QStringLiteral("   "));
        QCOMPARE(iniLesen(),
                 QStringLiteral("[Persönliche Daten]\r\nName=   \r\nStrasse=Hauptstraße 12\r\nPLZ=79100\r\n"
                                "Ort=Freiburg\r\nFirma=Muster GmbH\r\n"));
    }

    // Back to the type screen: a fresh one, without a second request for the employer data, also when the
    // settings file cannot be written (the employer values then live in `Sitzung` only).
    void zurueckZumTypbildschirm()
    {
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        box(f, 3)->setText(QStringLiteral("Basel"));
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("WeiterButton")), Qt::LeftButton);
        abwarten();
        QVERIFY(f.isNull());
        QVERIFY(fenster(QStringLiteral("ZeugnisForm")));
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(Sitzung::instanz().Aufrufer, QString());
        QCOMPARE(Sitzung::instanz().arbeitgeber.Ort, QStringLiteral("Basel"));
        QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, QStringLiteral("Ort")),
                 std::optional<QString>(QStringLiteral("Basel")));
    }

    // A save that fails is shown; the screen stays with every box as typed, and nothing is taken over.
    void speicherfehlerWirdGemeldet()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        const QString vorher = Sitzung::instanz().arbeitgeber.Ort;
        box(f, 3)->setText(QStringLiteral("Basel"));
        Schreibsperre sperre;
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("WeiterButton")), Qt::LeftButton);
        abwarten();
        QVERIFY(!f.isNull());
        QVERIFY(f->isVisible());
        QCOMPARE(box(f, 3)->text(), QStringLiteral("Basel"));
        QCOMPARE(sperre.versucht.size(), 1); // all five keys in one replacement
        QCOMPARE(umgebung.meldungen(),
                 QList<Umgebung::Meldung>{Umgebung::warnung(
                     QStringLiteral("Nicht gespeichert"),
                     Schreibsperre::meldung(QStringLiteral("Die Firmendaten wurden nicht gespeichert."),
                                            ordner))});
        QCOMPARE(Sitzung::instanz().arbeitgeber.Ort, vorher);
        QVERIFY(!QFile::exists(ordner.pfad(Profil::Dateiname)));
    }
};

QTEST_MAIN(TstPersoenlicheDaten)
#include "tst_persoenlichedaten.moc"
