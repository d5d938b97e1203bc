#include "screens/StammdatenForm.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testumgebung.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

using namespace Hilfe;

namespace {

const QString Zeilenende = QStringLiteral("\n");

// Typed values for boxes 0 to 4 and 7 to 9; boxes 5, 6, 10 and 11 are filled by the activation.
const QStringList Eingaben{QStringLiteral("Mustermann"),
                           QStringLiteral("Max"),
                           QStringLiteral("Dr."),
                           QStringLiteral("Vertrieb"),
                           QStringLiteral("Neustadt"),
                           QString(),
                           QString(),
                           QStringLiteral("01.02.1970"),
                           QStringLiteral("01.04.2001"),
                           QStringLiteral("30.06.2025")};

} // namespace

class TstStammdatenForm : public QObject
{
    Q_OBJECT

    static void ausfuellen(QWidget* f)
    {
        for (int i = 0; i < Eingaben.size(); ++i)
            if (!Eingaben[i].isEmpty())
                box(f, i)->setText(Eingaben[i]);
    }

    static QPlainTextEdit* anschrift(QWidget* f)
    {
        return kind<QPlainTextEdit>(f, QStringLiteral("Stammdaten11"));
    }

private slots:
    void init() { Sitzung::instanz() = Sitzung{}; }
    void cleanup() { aufraeumen(); }

    void aktivierungFuelltAbgeleiteteFelder()
    {
        Testumgebung umgebung;
        auto f = zeigen<StammdatenForm>();
        QCOMPARE(box(f, 5)->text(), QStringLiteral("Freiburg"));
        QCOMPARE(box(f, 6)->text(), QStringLiteral("Erika Beispiel"));
        QCOMPARE(anschrift(f)->toPlainText(),
                 QStringLiteral("Muster GmbH\nHauptstraße 12\n\n79100 Freiburg"));
        // Today with the year in full, as the letter's date line needs it.
        const QString heute = box(f, 10)->text();
        QCOMPARE(heute.size(), 10);
        QCOMPARE(QDate::fromString(heute, QStringLiteral("dd.MM.yyyy")), QDate::currentDate());
        QCOMPARE(StammdatenForm::heute(), heute);
        QCOMPARE(fokus(), QStringLiteral("Stammdaten0"));
        QVERIFY(!kind<QRadioButton>(f, QStringLiteral("Option3D1"))->isChecked());
        QVERIFY(!kind<QRadioButton>(f, QStringLiteral("Option3D2"))->isChecked());
        QVERIFY(f->windowTitle().isEmpty());
        QVERIFY(umgebung.gezeigt.isEmpty());
    }

    void enterNavigation_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("nach");
        QTest::addColumn<int>("taste");
        QTest::newRow("0 nach 1") << 0 << 1 << int(Qt::Key_Return);
        QTest::newRow("4 nach 5") << 4 << 5 << int(Qt::Key_Return);
        QTest::newRow("6 nach 7, zweite Spalte") << 6 << 7 << int(Qt::Key_Return);
        QTest::newRow("9 nach 10") << 9 << 10 << int(Qt::Key_Return);
        QTest::newRow("10 zurück nach 0") << 10 << 0 << int(Qt::Key_Return);
        QTest::newRow("11 zurück nach 0") << 11 << 0 << int(Qt::Key_Return);
        QTest::newRow("Ziffernblock 2 nach 3") << 2 << 3 << int(Qt::Key_Enter);
    }
    void enterNavigation()
    {
        QFETCH(int, von);
        QFETCH(int, nach);
        QFETCH(int, taste);
        auto f = zeigen<StammdatenForm>();
        auto* start = kind<QWidget>(f, QStringLiteral("Stammdaten%1").arg(von));
        start->setFocus();
        QCOMPARE(fokus(), start->objectName());
        QTest::keyClick(start, Qt::Key(taste));
        QCOMPARE(fokus(), QStringLiteral("Stammdaten%1").arg(nach));
    }

    void weiterPruefungen_data()
    {
        QTest::addColumn<QList<int>>("leer");
        QTest::addColumn<bool>("geschlecht");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("symbol");
        QTest::addColumn<QString>("fokusDanach");
        const QString felder = QStringLiteral("Sie müssen alle Felder außer Titel ausfüllen!");
        const QString wm = QStringLiteral("Klicken Sie auf 'W' für weiblich oder 'M' für männlich");
        QTest::newRow("Name leer") << QList<int>{0} << true << felder << true
                                   << QStringLiteral("Stammdaten0");
        QTest::newRow("1 und 8 leer")
            << QList<int>{1, 8} << true << felder << true << QStringLiteral("Stammdaten1");
        QTest::newRow("Ausstellungsort leer")
            << QList<int>{5} << true << felder << true << QStringLiteral("Stammdaten5");
        QTest::newRow("Zeugnisdatum leer")
            << QList<int>{10} << true << felder << true << QStringLiteral("Stammdaten10");
        QTest::newRow("Anschrift leer")
            << QList<int>{11} << true << felder << true << QStringLiteral("Stammdaten11");
        QTest::newRow("Titel und Anschrift leer")
            << QList<int>{2, 11} << true << felder << true << QStringLiteral("Stammdaten11");
        QTest::newRow("kein Geschlecht")
            << QList<int>{} << false << wm << false << QStringLiteral("WeiterButton");
        QTest::newRow("leer und kein Geschlecht")
            << QList<int>{4} << false << felder << true << QStringLiteral("Stammdaten4");
    }
    void weiterPruefungen()
    {
        QFETCH(QList<int>, leer);
        QFETCH(bool, geschlecht);
        QFETCH(QString, text);
        QFETCH(bool, symbol);
        QFETCH(QString, fokusDanach);
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<StammdatenForm>();
        ausfuellen(f);
        for (int i : leer) {
            if (i == StammdatenForm::Anschrift)
                anschrift(f)->clear();
            else
                box(f, i)->clear();
        }
        if (geschlecht)
            kind<QRadioButton>(f, QStringLiteral("Option3D2"))->setChecked(true);
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("WeiterButton")), Qt::LeftButton);

        const Umgebung::Meldung warnung{QStringLiteral("Unvollständige Angaben"), text, Umgebung::Knoepfe::Ok,
                                        symbol ? Umgebung::Symbol::Ausrufezeichen : Umgebung::Symbol::Keins};
        QCOMPARE(umgebung.meldungen(), QList{warnung});
        abwarten();
        QCOMPARE(fokus(), fokusDanach);
        QVERIFY(f && f->isVisible());
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Name, QString());
        QVERIFY(!QFile::exists(ordner.pfad(Profil::Dateiname)));
    }

    // A message box closing gives the focus back to the window; that is no activation, so neither
    // "Zeugnisdatum" nor the focus is reset.
    void rueckkehrDesFokusIstKeineAktivierung()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<StammdatenForm>();
        box(f, 10)->setText(QStringLiteral("31.12.2025"));
        box(f, 3)->setFocus();
        QEvent deaktiviert(QEvent::WindowDeactivate);
        QApplication::sendEvent(f, &deaktiviert);
        QEvent aktiviert(QEvent::WindowActivate);
        QApplication::sendEvent(f, &aktiviert);
        f->activateWindow();
        abwarten();
        QCOMPARE(box(f, 10)->text(), QStringLiteral("31.12.2025"));
        QCOMPARE(fokus(), QStringLiteral("Stammdaten3"));
    }

    void weiterUebernimmtUndSpeichert_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("geschlecht");
        QTest::newRow("M") << QStringLiteral("Option3D1") << 1;
        QTest::newRow("W") << QStringLiteral("Option3D2") << 2;
    }
    void weiterUebernimmtUndSpeichert()
    {
        QFETCH(QString, knopf);
        QFETCH(int, geschlecht);
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        QVERIFY(katalogAnlegen());
        Testumgebung umgebung;
        Sitzung::instanz().Arbeitnehmertyp = Typ::Gewerblich; // as chosen on the type screen
        Sitzung::instanz().Zeugnisart = Art::Qualifiziert;
        auto f = zeigen<StammdatenForm>();
        ausfuellen(f);
        box(f, 2)->clear();                      // "Titel" may stay empty
        box(f, 4)->setText(QStringLiteral(" ")); // a blank counts as filled
        box(f, 10)->setText(QStringLiteral("1. Juli 2025"));
        kind<QRadioButton>(f, knopf)->setChecked(true);
        // A date that does not read as one is pointed out while typing, and does not stop the hand-over.
        QCOMPARE(
            kind<QLabel>(f, QStringLiteral("Datumshinweis"))->text(),
            QStringLiteral("Zeugnisdatum \u201e1. Juli 2025\u201c liest sich nicht als Datum TT.MM.JJJJ."));
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("WeiterButton")), Qt::LeftButton);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(f.isNull() || !f->isVisible());
        QVERIFY(fenster(QStringLiteral("FragenForm")));

        const Arbeitnehmerdaten& an = Sitzung::instanz().arbeitnehmer;
        QCOMPARE(an.Name, QStringLiteral("Mustermann"));
        QCOMPARE(an.Vorname, QStringLiteral("Max"));
        QCOMPARE(an.Titel, QString());
        QCOMPARE(an.Position, QStringLiteral("Vertrieb"));
        QCOMPARE(an.Geburtsort, QStringLiteral(" "));
        QCOMPARE(an.Geburtsdatum, QStringLiteral("01.02.1970"));
        QCOMPARE(an.Eintrittsdatum, QStringLiteral("01.04.2001"));
        QCOMPARE(an.Austrittsdatum, QStringLiteral("30.06.2025"));
        QCOMPARE(an.Zeugnisdatum, QStringLiteral("1. Juli 2025"));
        QCOMPARE(an.Geschlecht, qint16(geschlecht));

        const QString ini = iniLesen();
        QVERIFY2(
            ini.contains(QStringLiteral("[Klienten Daten]\r\nName=Mustermann\r\nVorname=Max\r\nTitel=\r\n"
                                        "Position=Vertrieb\r\nGeburtsort= \r\nGeburtsdatum=01.02.1970\r\n"
                                        "Eintrittsdatum=01.04.2001\r\nAustrittsdatum=30.06.2025\r\n"
                                        "Geschlecht= %1\r\nZeugnisdatum=1. Juli 2025\r\n")
                             .arg(geschlecht)),
            qPrintable(ini));
        // The derived boxes go nowhere.
        QVERIFY(!ini.contains(QStringLiteral("Freiburg")));
    }

    // An interim reference has no leaving date: its box is disabled, skipped by Enter, not filled from the
    // last employee's data, not required and not judged by the date warnings.
    void zwischenzeugnisOhneAustrittsdatum_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("qualifiziert") << 2;
        QTest::newRow("Zwischenzeugnis") << 3;
    }
    void zwischenzeugnisOhneAustrittsdatum()
    {
        QFETCH(int, art);
        const bool zwischen = art == Art::Zwischen;
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        {
            Testkatalog k;
            k.ungewerteteFrage(101, true, false, Typ::Gewerblich, Art::Qualifiziert);
            k.ungewerteteFrage(501, true, false, Typ::Gewerblich, Art::Zwischen);
        }
        iniSchreiben(ArbeitgeberAbschnitt + KlientenAbschnitt);
        Testumgebung umgebung;
        Sitzung::instanz().Arbeitnehmertyp = Typ::Gewerblich;
        Sitzung::instanz().Zeugnisart = qint16(art);
        auto f = zeigen<StammdatenForm>();
        QCOMPARE(box(f, 9)->isEnabled(), !zwischen);

        klicken(f, QStringLiteral("Command3D2"));
        QCOMPARE(box(f, 9)->text(), zwischen ? QString() : QStringLiteral("30.06.2025"));
        QCOMPARE(box(f, 10)->text(), QStringLiteral("15.07.2025"));
        const QString hinweis = kind<QLabel>(f, QStringLiteral("Datumshinweis"))->text();
        QCOMPARE(hinweis.contains(QStringLiteral("weicht vom Austrittsdatum ab")), !zwischen);

        box(f, 8)->setFocus();
        QTest::keyClick(box(f, 8), Qt::Key_Return);
        QCOMPARE(fokus(), zwischen ? QStringLiteral("Stammdaten10") : QStringLiteral("Stammdaten9"));

        box(f, 9)->clear();
        klicken(f, QStringLiteral("WeiterButton"));
        if (!zwischen) {
            QCOMPARE(umgebung.gezeigt.size(), 1);
            QCOMPARE(umgebung.gezeigt.first().meldung.text,
                     QStringLiteral("Sie müssen alle Felder außer Titel ausfüllen!"));
            QCOMPARE(fokus(), QStringLiteral("Stammdaten9"));
            return;
        }
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(fenster(QStringLiteral("FragenForm")));
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Austrittsdatum, QString());
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Name, QStringLiteral("Mustermann"));
    }

    // A save that fails is shown; the screen stays with every box as typed and the questions do not start.
    void speicherfehlerWirdGemeldet()
    {
        Arbeitsordner ordner;
        QVERIFY(katalogAnlegen());
        Testumgebung umgebung;
        Sitzung::instanz().Arbeitnehmertyp = Typ::Gewerblich;
        Sitzung::instanz().Zeugnisart = Art::Qualifiziert;
        auto f = zeigen<StammdatenForm>();
        ausfuellen(f);
        kind<QRadioButton>(f, QStringLiteral("Option3D2"))->setChecked(true);
        Schreibsperre sperre;
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("WeiterButton")), Qt::LeftButton);
        QCOMPARE(umgebung.meldungen(),
                 QList<Umgebung::Meldung>{Umgebung::warnung(
                     QStringLiteral("Nicht gespeichert"),
                     Schreibsperre::meldung(QStringLiteral("Die Arbeitnehmerdaten wurden nicht gespeichert."),
                                            ordner))});
        QCOMPARE(sperre.versucht.size(), 1); // ten keys in one replacement
        QVERIFY(!f.isNull() && f->isVisible());
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QCOMPARE(box(f, 0)->text(), QStringLiteral("Mustermann"));
        QVERIFY(kind<QRadioButton>(f, QStringLiteral("Option3D2"))->isChecked());
    }

    void arbeitnehmerdatenAusDatei()
    {
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        iniSchreiben(KlientenAbschnitt);
        Testumgebung umgebung;
        auto f = zeigen<StammdatenForm>();
        box(f, 5)->setText(QStringLiteral("eigener Ort"));
        kind<QWidget>(f, QStringLiteral("Stammdaten3"))->setFocus();
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("Command3D2")), Qt::LeftButton);
        QVERIFY(umgebung.gezeigt.isEmpty());
        const QStringList erwartet{QStringLiteral("Mustermann"), QStringLiteral("Max"), QStringLiteral("Dr."),
                                   QStringLiteral("Leiter Vertrieb"), QStringLiteral("Neustadt")};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(box(f, i)->text(), erwartet[i]);
        QCOMPARE(box(f, 5)->text(), QStringLiteral("eigener Ort")); // never filled from the file
        QCOMPARE(box(f, 7)->text(), QStringLiteral("01.02.1970"));
        QCOMPARE(box(f, 8)->text(), QStringLiteral("01.04.2001"));
        QCOMPARE(box(f, 9)->text(), QStringLiteral("30.06.2025"));
        QCOMPARE(box(f, 10)->text(), QStringLiteral("15.07.2025"));
        QVERIFY(kind<QRadioButton>(f, QStringLiteral("Option3D2"))->isChecked());
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Geschlecht, qint16(2));
        QCOMPARE(fokus(), QStringLiteral("Stammdaten0"));
    }

    void arbeitnehmerdatenOhneDatei()
    {
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        Testumgebung umgebung;
        auto f = zeigen<StammdatenForm>();
        box(f, 1)->setText(QStringLiteral("Anna"));
        kind<QRadioButton>(f, QStringLiteral("Option3D1"))->setChecked(true);
        const QString datum = box(f, 10)->text();
        box(f, 7)->setFocus();
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("Command3D2")), Qt::LeftButton);
        const Umgebung::Meldung hinweis{
            QStringLiteral("Arbeitnehmerdaten ausfüllen"),
            QStringLiteral("Arbeitnehmerdaten füllt automatisch die Felder mit den Daten des zuletzt "
                           "bearbeiteten Mitarbeiters aus. Da sie noch kein Zeugnis erstellt haben, "
                           "ist diese Funktion noch nicht vorhanden."),
            Umgebung::Knoepfe::Ok, Umgebung::Symbol::Keins};
        QCOMPARE(umgebung.meldungen(), QList{hinweis});
        QCOMPARE(box(f, 1)->text(), QStringLiteral("Anna"));
        QCOMPARE(box(f, 10)->text(), datum);
        QVERIFY(kind<QRadioButton>(f, QStringLiteral("Option3D1"))->isChecked());
        QCOMPARE(fokus(), QStringLiteral("Stammdaten0"));
        QVERIFY(!QFile::exists(ordner.pfad(Profil::Dateiname)));
    }

    void arbeitnehmerdatenTeilweise()
    {
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        // An empty "Titel" and an unknown sex change nothing; without "Zeugnisdatum" the message comes, but
        // what was read stays.
        iniSchreiben(QStringLiteral("[Klienten Daten]\nName=Neu\nTitel=\nGeschlecht=7\n"));
        Testumgebung umgebung;
        auto f = zeigen<StammdatenForm>();
        box(f, 2)->setText(QStringLiteral("Prof."));
        kind<QRadioButton>(f, QStringLiteral("Option3D1"))->setChecked(true);
        QTest::mouseClick(kind<QWidget>(f, QStringLiteral("Command3D2")), Qt::LeftButton);
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(box(f, 0)->text(), QStringLiteral("Neu"));
        QCOMPARE(box(f, 2)->text(), QStringLiteral("Prof."));
        QVERIFY(kind<QRadioButton>(f, QStringLiteral("Option3D1"))->isChecked());
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Geschlecht, qint16(7));
    }
};

QTEST_MAIN(TstStammdatenForm)
#include "tst_stammdatenform.moc"
