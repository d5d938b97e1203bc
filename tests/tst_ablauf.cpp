// Whole flows of the wizard from the start screen, on a temporary working folder.

#include "engine/Schema.h"
#include "screens/Einzelstart.h"
#include "screens/StammdatenForm.h"
#include "screens/StartForm.h"
#include "screens/ZeugnisForm.h"
#include "store/Text.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testumgebung.h"

#include <QLockFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QTimer>

using namespace Hilfe;

class TstAblauf : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Sitzung::instanz() = Sitzung{};
        PROFIL_NOETIG();
    }
    void cleanup() { aufraeumen(); }

    // First run: no settings file. The type screen asks for the employer data and hands over to the employer
    // screen, which returns to a fresh type screen without a second request.
    void ersterStartOhneEinstellungen()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        starten();

        const Umgebung::Meldung anfrage{QStringLiteral("Persönliche Daten"),
                                        QStringLiteral("Tragen Sie bitte Ihre Firmendaten vollständig ein"),
                                        Umgebung::Knoepfe::Ok, Umgebung::Symbol::Ausrufezeichen};
        QCOMPARE(umgebung.meldungen(), QList{anfrage});
        QCOMPARE(anzahl(QStringLiteral("ZeugnisForm")), 0);

        QWidget* pd = fenster(QStringLiteral("PersönlicheDaten"));
        QVERIFY(pd);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(box(pd, i)->text(), QString());
        QCOMPARE(fokus(), QStringLiteral("Stammdaten4"));

        const QStringList werte{QStringLiteral("Erika Beispiel"), QStringLiteral("Hauptstraße 12"),
                                QStringLiteral("79100"), QStringLiteral("Freiburg"),
                                QStringLiteral("Muster GmbH")};
        for (int i = 0; i < 5; ++i)
            box(pd, i)->setText(werte[i]);
        klicken(pd, QStringLiteral("WeiterButton"));

        QCOMPARE(umgebung.gezeigt.size(), 1); // no second request
        QCOMPARE(anzahl(QStringLiteral("PersönlicheDaten")), 0);
        QWidget* typ = fenster(QStringLiteral("ZeugnisForm"));
        QVERIFY(typ);
        QVERIFY(!kind<QAbstractButton>(typ, QStringLiteral("Arbeitnehmer1"))->isChecked());
        QCOMPARE(Sitzung::instanz().Aufrufer, QString());
        QCOMPARE(Sitzung::instanz().arbeitgeber.Firma, QStringLiteral("Muster GmbH"));
        QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, QStringLiteral("Strasse")),
                 QStringLiteral("Hauptstraße 12"));
        QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, QStringLiteral("Firma")),
                 QStringLiteral("Muster GmbH"));
    }

    // From the start screen to the question screen with a complete employer record.
    void normalerLauf()
    {
        Arbeitsordner ordner;
        QVERIFY(katalogAnlegen());
        iniSchreiben(ArbeitgeberAbschnitt + QStringLiteral("[Abbruch]\nFrage=0\nArbeitnehmerTyp= 3\n"));
        Testumgebung umgebung;
        starten();
        QWidget* typ = fenster(QStringLiteral("ZeugnisForm"));
        QVERIFY(typ);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(Sitzung::instanz().Arbeitnehmertyp, qint16(0)); // "Frage" 0: nothing loaded
        klicken(typ, QStringLiteral("Arbeitnehmer1"));
        klicken(typ, QStringLiteral("WeiterButton"));
        QCOMPARE(Sitzung::instanz().Arbeitnehmertyp, qint16(1));
        QCOMPARE(Sitzung::instanz().Zeugnisart, qint16(2));
        QCOMPARE(anzahl(QStringLiteral("ZeugnisForm")), 0);

        QWidget* stamm = fenster(QStringLiteral("StammdatenForm"));
        QVERIFY(stamm);
        QCOMPARE(box(stamm, 5)->text(), QStringLiteral("Freiburg"));
        QCOMPARE(box(stamm, 6)->text(), QStringLiteral("Erika Beispiel"));
        QCOMPARE(kind<QPlainTextEdit>(stamm, QStringLiteral("Stammdaten11"))->toPlainText(),
                 QStringLiteral("Muster GmbH\nHauptstraße 12\n\n79100 Freiburg"));
        const QStringList eingaben{QStringLiteral("Mustermann"),
                                   QStringLiteral("Max"),
                                   QString(),
                                   QStringLiteral("Vertrieb"),
                                   QStringLiteral("Köln"),
                                   QString(),
                                   QString(),
                                   QStringLiteral("01.02.1970"),
                                   QStringLiteral("01.04.2001"),
                                   QStringLiteral("30.06.2025")};
        for (int i = 0; i < eingaben.size(); ++i) {
            QCOMPARE(fokus(), box(stamm, i)->objectName()); // Enter leads from box to box
            box(stamm, i)->insert(eingaben[i]);
            QTest::keyClick(box(stamm, i), Qt::Key_Return);
        }
        klicken(stamm, QStringLiteral("Option3D1"));
        klicken(stamm, QStringLiteral("WeiterButton"));

        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(fenster(QStringLiteral("FragenForm")));
        QCOMPARE(anzahl(QStringLiteral("StammdatenForm")), 0);
        const Arbeitnehmerdaten& an = Sitzung::instanz().arbeitnehmer;
        QCOMPARE(an.Name, QStringLiteral("Mustermann"));
        QCOMPARE(an.Geburtsort, QStringLiteral("Köln"));
        QCOMPARE(an.Geschlecht, qint16(1));
        QCOMPARE(an.Zeugnisdatum, StammdatenForm::heute());
        QCOMPARE(Profil::lesen(Profil::KlientenDaten, QStringLiteral("Name")), QStringLiteral("Mustermann"));
        QCOMPARE(Profil::lesen(Profil::KlientenDaten, QStringLiteral("Geburtsort")), QStringLiteral("Köln"));
        QCOMPARE(Profil::lesen(Profil::KlientenDaten, QStringLiteral("Zeugnisdatum")),
                 StammdatenForm::heute());
        QVERIFY(iniLesen().contains(QStringLiteral("Geschlecht= 1\r\n")));
    }

    // The employer's "Ort" changed from the master data screen: written to the file and shown on return,
    // while the personal boxes keep what was typed and "Zeugnisdatum" is today's date again.
    void arbeitgeberOrtAendern()
    {
        Arbeitsordner ordner;
        iniSchreiben(ArbeitgeberAbschnitt);
        Testumgebung umgebung;
        starten();
        QWidget* typ = fenster(QStringLiteral("ZeugnisForm"));
        klicken(typ, QStringLiteral("Arbeitnehmer3"));
        klicken(typ, QStringLiteral("WeiterButton"));
        QPointer<QWidget> stamm = fenster(QStringLiteral("StammdatenForm"));
        QVERIFY(stamm);
        QTest::keyClicks(box(stamm, 0), QStringLiteral("Mustermann"));
        box(stamm, 10)->setText(QStringLiteral("31.12.2025"));
        klicken(stamm, QStringLiteral("Option3D2"));

        klicken(stamm, QStringLiteral("Command3D1"));
        QVERIFY(stamm && !stamm->isVisible()); // hidden, not closed
        QCOMPARE(Sitzung::instanz().Aufrufer, QStringLiteral("StammdatenForm"));
        QWidget* pd = fenster(QStringLiteral("PersönlicheDaten"));
        QVERIFY(pd);
        QCOMPARE(box(pd, 3)->text(), QStringLiteral("Freiburg"));
        QCOMPARE(fokus(), QStringLiteral("Stammdaten4"));
        box(pd, 3)->setText(QStringLiteral("Basel"));
        klicken(pd, QStringLiteral("WeiterButton"));

        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(anzahl(QStringLiteral("PersönlicheDaten")), 0);
        QVERIFY(stamm && stamm->isVisible());
        QCOMPARE(Sitzung::instanz().Aufrufer, QString());
        QCOMPARE(box(stamm, 5)->text(), QStringLiteral("Basel"));
        const QString anschrift = kind<QPlainTextEdit>(stamm, QStringLiteral("Stammdaten11"))->toPlainText();
        QVERIFY2(anschrift.endsWith(QStringLiteral("\n79100 Basel")), qPrintable(anschrift));
        QCOMPARE(box(stamm, 10)->text(), StammdatenForm::heute());
        QCOMPARE(box(stamm, 0)->text(), QStringLiteral("Mustermann"));
        QVERIFY(kind<QRadioButton>(stamm, QStringLiteral("Option3D2"))->isChecked());
        QCOMPARE(fokus(), QStringLiteral("Stammdaten0"));
        QCOMPARE(Profil::lesen(Profil::PersoenlicheDaten, QStringLiteral("Ort")), QStringLiteral("Basel"));
        QCOMPARE(Sitzung::instanz().arbeitgeber.Ort, QStringLiteral("Basel"));
    }

    // An interrupted reference at question 17, with the text so far: straight to the question screen with the
    // stored employee, type, kind and counter.
    void fortsetzungBeiFrage17_data()
    {
        QTest::addColumn<QString>("frage");
        QTest::newRow("mit Blank") << QStringLiteral(" 17");
        QTest::newRow("ohne Blank") << QStringLiteral("17");
    }
    void fortsetzungBeiFrage17()
    {
        QFETCH(QString, frage);
        Arbeitsordner ordner;
        QVERIFY(katalogAnlegen());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("brief"));
            db.setDatabaseName(ordner.pfad(QStringLiteral("system98.dll")));
            QVERIFY(db.open());
            sqlAusfuehren(db.connectionName(), QStringLiteral("UPDATE LetzterBrief SET Text = 'Bisher.'"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("brief"));
        iniSchreiben(
            ArbeitgeberAbschnitt + KlientenAbschnitt +
            QStringLiteral("[Abbruch]\nArbeitnehmerTyp= 3\nZeugnisart= 2\nFrage=%1\nZahl= 16\n").arg(frage));
        Testumgebung umgebung;
        starten();
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(fenster(QStringLiteral("FragenForm")));
        QCOMPARE(anzahl(QStringLiteral("ZeugnisForm")), 0);
        QCOMPARE(anzahl(QStringLiteral("StammdatenForm")), 0);
        const Sitzung& s = Sitzung::instanz();
        QCOMPARE(Text::zahlLesen(s.AbbruchFrage), qint16(17));
        QCOMPARE(s.Arbeitnehmertyp, qint16(3));
        QCOMPARE(s.Zeugnisart, qint16(2));
        QCOMPARE(s.Zahl, qint16(16));
        QCOMPARE(s.arbeitnehmer.Name, QStringLiteral("Mustermann"));
        QCOMPARE(s.arbeitnehmer.Vorname, QStringLiteral("Max"));
        QCOMPARE(s.arbeitnehmer.Titel, QStringLiteral("Dr."));
        QCOMPARE(s.arbeitnehmer.Position, QStringLiteral("Leiter Vertrieb"));
        QCOMPARE(s.arbeitnehmer.Geburtsort, QStringLiteral("Neustadt"));
        QCOMPARE(s.arbeitnehmer.Geburtsdatum, QStringLiteral("01.02.1970"));
        QCOMPARE(s.arbeitnehmer.Eintrittsdatum, QStringLiteral("01.04.2001"));
        QCOMPARE(s.arbeitnehmer.Austrittsdatum, QStringLiteral("30.06.2025"));
        QCOMPARE(s.arbeitnehmer.Zeugnisdatum, QStringLiteral("15.07.2025"));
        QCOMPARE(s.arbeitnehmer.Geschlecht, qint16(2));
        QCOMPARE(s.arbeitgeber.Ort, QStringLiteral("Freiburg"));
    }

    // A negative "Frage" loads the stored data but stays on the type screen.
    void negativeFrageBleibt()
    {
        Arbeitsordner ordner;
        iniSchreiben(ArbeitgeberAbschnitt + KlientenAbschnitt +
                     QStringLiteral("[Abbruch]\nArbeitnehmerTyp= 1\nZeugnisart= 2\nFrage=-3\nZahl= 4\n"));
        Testumgebung umgebung;
        starten();
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(fenster(QStringLiteral("ZeugnisForm")));
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QCOMPARE(Sitzung::instanz().Zahl, qint16(4));
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Name, QStringLiteral("Mustermann"));
    }

    // A recorded reference that cannot be continued never traps the user: the type screen says why, resets
    // "Frage" and a new reference begins there.
    void unbrauchbareFortsetzung_data()
    {
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Geschlecht fehlt")
            << QString() << QStringLiteral(" 1") << QStringLiteral(" 2") << QStringLiteral("Geschlecht");
        QTest::newRow("Geschlecht 3") << QStringLiteral(" 3") << QStringLiteral(" 1") << QStringLiteral(" 2")
                                      << QStringLiteral("Geschlecht");
        QTest::newRow("Typ fehlt") << QStringLiteral(" 1") << QString() << QStringLiteral(" 2")
                                   << QStringLiteral("Arbeitnehmertyp");
        QTest::newRow("Typ 5") << QStringLiteral(" 1") << QStringLiteral(" 5") << QStringLiteral(" 2")
                               << QStringLiteral("Arbeitnehmertyp");
        QTest::newRow("Typ keine Zahl") << QStringLiteral(" 2") << QStringLiteral("x") << QStringLiteral(" 2")
                                        << QStringLiteral("Arbeitnehmertyp");
        QTest::newRow("Art 0") << QStringLiteral(" 1") << QStringLiteral(" 1") << QStringLiteral(" 0")
                               << QStringLiteral("Zeugnisart");
        QTest::newRow("Art 3") << QStringLiteral(" 2") << QStringLiteral(" 1") << QStringLiteral(" 3")
                               << QStringLiteral("Zeugnisart");
        QTest::newRow("keine Fragen für Typ 4") << QStringLiteral(" 1") << QStringLiteral(" 4")
                                                << QStringLiteral(" 2") << QStringLiteral("keine Fragen");
        QTest::newRow("keine Fragen für Typ 2 einfach")
            << QStringLiteral(" 2") << QStringLiteral(" 2") << QStringLiteral(" 1")
            << QStringLiteral("keine Fragen");
    }
    void unbrauchbareFortsetzung()
    {
        QFETCH(QString, geschlecht);
        QFETCH(QString, typ);
        QFETCH(QString, art);
        QFETCH(QString, grund);
        Arbeitsordner ordner;
        QVERIFY(katalogAnlegen());
        QString ini = ArbeitgeberAbschnitt + QStringLiteral("[Klienten Daten]\nName=Mustermann\n");
        if (!geschlecht.isEmpty())
            ini += QStringLiteral("Geschlecht=%1\n").arg(geschlecht);
        ini += QStringLiteral("[Abbruch]\nFrage= 12\nZahl= 5\n");
        if (!typ.isEmpty())
            ini += QStringLiteral("ArbeitnehmerTyp=%1\n").arg(typ);
        ini += QStringLiteral("Zeugnisart=%1\n").arg(art);
        iniSchreiben(ini);
        Testumgebung umgebung;
        starten();

        QCOMPARE(umgebung.gezeigt.size(), 1);
        const auto& m = umgebung.gezeigt.first().meldung;
        QCOMPARE(m.titel, QStringLiteral("Zeugnis fortsetzen"));
        QVERIFY2(
            m.text.startsWith(QStringLiteral("Das unterbrochene Zeugnis kann nicht fortgesetzt werden.")),
            qPrintable(m.text));
        QVERIFY2(m.text.contains(grund), qPrintable(m.text));
        QCOMPARE(m.symbol, Umgebung::Symbol::Ausrufezeichen);
        QCOMPARE(umgebung.beendet, 0);
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QWidget* typFenster = fenster(QStringLiteral("ZeugnisForm"));
        QVERIFY(typFenster);
        QCOMPARE(Profil::lesen(Profil::Abbruch, QStringLiteral("Frage")), QStringLiteral("0"));
        QCOMPARE(Sitzung::instanz().AbbruchFrage, QStringLiteral("0"));
        QCOMPARE(Sitzung::instanz().Zahl, qint16(0));

        // A new reference begins on this screen.
        klicken(typFenster, QStringLiteral("Arbeitnehmer1"));
        klicken(typFenster, QStringLiteral("WeiterButton"));
        QVERIFY(fenster(QStringLiteral("StammdatenForm")));
        QCOMPARE(umgebung.gezeigt.size(), 1);
    }

    // A missing or damaged catalogue: the user learns which file and that the program cannot go on; the
    // interrupted reference stays recorded for a start with a sound catalogue.
    void katalogUnbrauchbar_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("fehlt") << QByteArray();
        QTest::newRow("kein SQLite") << QByteArray("Dies ist keine Datenbank, nur Text.\n").repeated(40);
        QTest::newRow("leere Datei") << QByteArray("");
    }
    void katalogUnbrauchbar()
    {
        QFETCH(QByteArray, inhalt);
        Arbeitsordner ordner;
        if (!inhalt.isNull()) {
            QFile f(ordner.pfad(Schema::Dateiname));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        iniSchreiben(ArbeitgeberAbschnitt + KlientenAbschnitt +
                     QStringLiteral("[Abbruch]\nArbeitnehmerTyp= 1\nZeugnisart= 2\nFrage= 2\nZahl= 1\n"));
        Testumgebung umgebung;
        starten();
        QCOMPARE(umgebung.gezeigt.size(), 1);
        const auto& m = umgebung.gezeigt.first().meldung;
        QCOMPARE(m.titel, QStringLiteral("Fragenkatalog"));
        QVERIFY2(m.text.contains(QStringLiteral("system98.dll")), qPrintable(m.text));
        QVERIFY2(m.text.contains(QStringLiteral("nicht fortgesetzt werden")), qPrintable(m.text));
        QCOMPARE(umgebung.beendet, 1);
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QVERIFY2(iniLesen().contains(QStringLiteral("Frage= 2\r\n")), qPrintable(iniLesen()));
        QCOMPARE(QFile::exists(ordner.pfad(Schema::Dateiname)), !inhalt.isNull()); // never created
    }

    // The moment between closing the type screen and showing the employer screen must not end the
    // application, although for that moment no window is visible.
    void keinProgrammendeZwischenZweiFenstern()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        QTimer pruefen;
        int ergebnis = 0;
        QObject::connect(&pruefen, &QTimer::timeout, [&] {
            if (fenster(QStringLiteral("PersönlicheDaten")))
                QCoreApplication::exit(7);
        });
        QTimer::singleShot(0, [] {
            auto* start = new StartForm;
            start->show();
            QTest::mouseClick(kind<QWidget>(start, QStringLiteral("WeiterButton")), Qt::LeftButton);
        });
        QTimer::singleShot(20000, [] { QCoreApplication::exit(1); }); // a safety net, never reached
        pruefen.start(10);
        ergebnis = QCoreApplication::exec();
        QCOMPARE(ergebnis, 7);
        QCOMPARE(umgebung.gezeigt.size(), 1);
    }

    void zweiterStartImSelbenOrdner()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        std::unique_ptr<QLockFile> erste;
        QVERIFY(Einzelstart::sperren(erste));
        QVERIFY(erste && erste->isLocked());
        QVERIFY(umgebung.gezeigt.isEmpty());

        std::unique_ptr<QLockFile> zweite;
        QVERIFY(!Einzelstart::sperren(zweite));
        QVERIFY(!zweite);
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(umgebung.gezeigt.first().meldung.titel, QStringLiteral("Programm läuft bereits"));
        QCOMPARE(umgebung.gezeigt.first().meldung.symbol, Umgebung::Symbol::Ausrufezeichen);

        erste.reset();
        QVERIFY(Einzelstart::sperren(zweite));
        QVERIFY(zweite && zweite->isLocked());
    }
};

QTEST_MAIN(TstAblauf)
#include "tst_ablauf.moc"
