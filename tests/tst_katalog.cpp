#include "engine/Katalog.h"
#include "engine/Schema.h"
#include "tests/Arbeitsordner.h"
#include "tests/Testkatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTest>

using namespace Katalog;

class TstKatalog : public QObject
{
    Q_OBJECT

    static bool eigeneVerbindungOffen()
    {
        for (const QString& name : QSqlDatabase::connectionNames())
            if (name.startsWith(QStringLiteral("zeugnis-katalog")))
                return true;
        return false;
    }

private slots:
    void fehlendeDateiWirdNichtAngelegt()
    {
        Arbeitsordner ordner;
        {
            Verbindung v;
            QVERIFY(!v.offen());
            QVERIFY(v.fehler().contains(QStringLiteral("system98.dll")));
            QVERIFY(!fragensatz(v, 1, 1, 2).ok());
        }
        QVERIFY(!QFile::exists(ordner.pfad(QStringLiteral("system98.dll"))));
        QVERIFY(!eigeneVerbindungOffen());
    }

    // A connection to a file by its path: only the catalogue build's access makes it, the others leave a
    // missing file missing; a file that is no database is told apart from an unreadable one.
    void verbindungMitPfad_data()
    {
        QTest::addColumn<int>("zugriff");
        QTest::addColumn<QByteArray>("inhalt"); // null: no file
        QTest::addColumn<bool>("offen");
        QTest::addColumn<QString>("code"); // SQLite's error code when it does not open
        QTest::newRow("anlegen ohne Datei") << int(Zugriff::Anlegen) << QByteArray() << true << QString();
        QTest::newRow("lesen ohne Datei") << int(Zugriff::NurLesen) << QByteArray() << false << QString();
        QTest::newRow("schreiben ohne Datei")
            << int(Zugriff::LesenSchreiben) << QByteArray() << false << QString();
        QTest::newRow("keine Datenbank") << int(Zugriff::LesenSchreiben)
                                         << QByteArray("kein SQLite, nur Text, lang genug fuer einen Kopf.\n")
                                         << false << QStringLiteral("26");
    }
    void verbindungMitPfad()
    {
        QFETCH(int, zugriff);
        QFETCH(QByteArray, inhalt);
        QFETCH(bool, offen);
        QFETCH(QString, code);
        Arbeitsordner ordner;
        const QString pfad = ordner.pfad(QStringLiteral("unter/ordner/katalog neu.dll"));
        QVERIFY(QDir().mkpath(QFileInfo(pfad).absolutePath()));
        if (!inhalt.isNull()) {
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write(inhalt);
        }
        {
            Verbindung v(pfad, Zugriff(zugriff));
            QCOMPARE(v.offen(), offen);
            QCOMPARE(v.treiberfehler().nativeErrorCode(), code);
            if (!offen)
                QVERIFY2(v.fehler().contains(QDir::toNativeSeparators(pfad)), qPrintable(v.fehler()));
        }
        QCOMPARE(QFile::exists(pfad), offen || !inhalt.isNull());
        QVERIFY(!eigeneVerbindungOffen());
    }

    void unbrauchbareDatei_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("Text") << QByteArray("Das ist keine Datenbank.\n");
        QTest::newRow("leer") << QByteArray();
    }
    void unbrauchbareDatei()
    {
        QFETCH(QByteArray, inhalt);
        Arbeitsordner ordner;
        QFile datei(ordner.pfad(QStringLiteral("system98.dll")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        datei.close();
        {
            Verbindung v;
            QVERIFY(!v.offen());
            QVERIFY(!v.fehler().isEmpty());
        }
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), inhalt); // the file is left as it was
        QVERIFY(!eigeneVerbindungOffen());
    }

    void fehlendeTabelle()
    {
        Arbeitsordner ordner;
        {
            Testkatalog k;
            k.sql(QStringLiteral("DROP TABLE AntwortenFrauSpanisch"));
        }
        Verbindung v;
        QVERIFY(!v.offen());
        QVERIFY2(v.fehler().contains(QStringLiteral("AntwortenFrauSpanisch")), qPrintable(v.fehler()));
    }

    void nurLesenAendertNichts()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.sql(QStringLiteral("INSERT INTO Auswahl (Frage, Note) VALUES (1, 2)"));
        Verbindung v(Zugriff::NurLesen);
        QVERIFY2(v.offen(), qPrintable(v.fehler()));
        QVERIFY(!auswahlLeeren(v).ok());
        QVERIFY(!letzterBriefSchreiben(v, QStringLiteral("neu")).ok());
        QCOMPARE(auswahl(v)->size(), 1);
        QVERIFY(!letzterBrief(v)->has_value());
    }

    void fragensatzNachNrGefiltert()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.frage({7, QStringLiteral("sieben"), 1, 2, true, false})
            .frage({3, QStringLiteral("drei"), 1, 2, false, true})
            .frage({5, QStringLiteral("andere Art"), 1, 1})
            .frage({4, QStringLiteral("anderer Typ"), 2, 2})
            .frage({1, QStringLiteral("nur Frau"), 1, 2}, 2);
        Verbindung v;
        QVERIFY2(v.offen(), qPrintable(v.fehler()));
        auto satz = fragensatz(v, 1, 1, 2);
        QVERIFY(satz);
        QCOMPARE(satz->size(), 2);
        QCOMPARE(satz->at(0).Nr, 3);
        QCOMPARE(satz->at(0).Frage, QStringLiteral("drei"));
        QVERIFY(satz->at(0).Absatz);
        QVERIFY(!satz->at(0).KeineAussage);
        QCOMPARE(satz->at(1).Nr, 7);
        QVERIFY(satz->at(1).KeineAussage);

        auto frau = fragensatz(v, 2, 1, 2);
        QVERIFY(frau);
        QCOMPARE(frau->size(), 3);
        QCOMPARE(frau->at(0).Frage, QStringLiteral("nur Frau (Frau)"));

        QVERIFY(!fragensatz(v, 3, 1, 2).ok());
    }

    void antwortenInGespeicherterReihenfolge()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        for (qint16 n : {qint16(3), qint16(1), qint16(2)})
            k.antwort({9, n, QStringLiteral("a%1").arg(n), QStringLiteral(" zwei"), {}, {}, QString(), {}});
        k.antwort({8, 1, QStringLiteral("andere"), {}, {}, {}, {}, {}});
        Verbindung v;
        auto zeilen = antworten(v, 1, QStringLiteral("Deutsch"), 9);
        QVERIFY(zeilen);
        QCOMPARE(zeilen->size(), 3);
        QCOMPARE(zeilen->at(0).Note, qint16(3));
        QCOMPARE(zeilen->at(1).Note, qint16(1));
        QCOMPARE(zeilen->at(2).Note, qint16(2));
        QCOMPARE(zeilen->at(0).Antwort1[A], QStringLiteral("a3"));
        QCOMPARE(zeilen->at(0).Antwort2[A], QStringLiteral(" zwei"));
        QVERIFY(!zeilen->at(0).Antwort1[B].has_value());
        QVERIFY(!zeilen->at(0).Antwort1[C].has_value());

        auto englisch = antwort(v, 2, QStringLiteral("Englisch"), 9, 2);
        QVERIFY(englisch && *englisch);
        QCOMPARE((*englisch)->Antwort1[A], QStringLiteral("EN:a2"));
        auto keine = antwort(v, 1, QStringLiteral("Englisch"), 9, 5);
        QVERIFY(keine && !*keine);
        QVERIFY(
            !antwort(v, 1, QStringLiteral("Französisch"), 9, 2).ok()); // only "Franzoesisch" names a table
        QVERIFY(antwort(v, 1, QStringLiteral("Franzoesisch"), 9, 2).ok());
    }

    void texteUnveraendert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << QString(QLatin1StringView(""));
        QTest::newRow("null wird leer") << QString();
        QTest::newRow("Zeichen") << QStringLiteral(
            "Er sagte: \"Nein\"; 'O''Brien' \\n \\ %1 ?; -- DROP TABLE Auswahl;");
        QTest::newRow("Umbrüche") << QStringLiteral("Zeile 1\r\nZeile 2\n\tEnde ü€😀");
        QTest::newRow("100000 Zeichen") << QString(100000, QLatin1Char('x'));
    }
    void texteUnveraendert()
    {
        QFETCH(QString, text);
        const QString erwartet = text.isNull() ? QString(QLatin1StringView("")) : text;
        Arbeitsordner ordner;
        Testkatalog k;
        Verbindung v;
        AuswahlZeile z;
        z.Frage = 1;
        z.EigeneFormulierung = QStringLiteral("Eigene Formulierung");
        auto zeile = auswahlSpeichern(v, z);
        QVERIFY(zeile);
        QVERIFY(eigeneFormulierungSetzen(v, *zeile, text));
        QCOMPARE(*(*auswahlZeile(v, *zeile))->EigeneFormulierung, erwartet);
        QVERIFY(letzterBriefSchreiben(v, text));
        QCOMPARE(**letzterBrief(v), erwartet);
        // Stored as text, never as NULL.
        QCOMPARE(k.zeilen(QStringLiteral("SELECT count(*) FROM Auswahl WHERE EigeneFormulierung IS NULL"))
                     .at(0)
                     .at(0)
                     .toInt(),
                 0);
    }

    void letzterBriefOhneZeile()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.sql(QStringLiteral("DELETE FROM LetzterBrief"));
        Verbindung v;
        QVERIFY(!letzterBrief(v)->has_value());
        QVERIFY(letzterBriefSchreiben(v, QStringLiteral("gerettet")));
        QCOMPARE(**letzterBrief(v), QStringLiteral("gerettet"));
        QVERIFY(letzterBriefSchreiben(v, QStringLiteral("zweimal")));
        QCOMPARE(k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).size(), 1);
        QCOMPARE(**letzterBrief(v), QStringLiteral("zweimal"));
    }

    void letzterBriefNurErsteZeile()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.sql(QStringLiteral("INSERT INTO LetzterBrief (Text) VALUES ('zweite')"));
        Verbindung v;
        QVERIFY(!letzterBrief(v)->has_value()); // the first row's Text is NULL
        QVERIFY(letzterBriefSchreiben(v, QStringLiteral("neu")));
        const auto z = k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief ORDER BY rowid"));
        QCOMPARE(z.at(0).at(0).toString(), QStringLiteral("neu"));
        QCOMPARE(z.at(1).at(0).toString(), QStringLiteral("zweite"));
    }
};

QTEST_GUILESS_MAIN(TstKatalog)
#include "tst_katalog.moc"
