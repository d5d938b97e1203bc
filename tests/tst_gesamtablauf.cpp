// The whole wizard on the delivered catalogue, through the real widgets: from the start screen of a first run
// (no settings file) over the employer, type and master data screens and every question to the closing
// dialog, the clipboard and the end of the program. The expected text is composed from the catalogue's rows
// and the values typed.
#include "engine/Zeugnistext.h"
#include "screens/FragenForm.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Echterkatalog.h"
#include "tests/Fragenbildschirm.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <memory>

using namespace Hilfe;

namespace {

// The employer as the first run records it, and the date typed on the master data screen.
const QString Firma = QStringLiteral("Muster GmbH");
const QString Unterzeichner = QStringLiteral("Erika Beispiel");
const QString Ort = QStringLiteral("Freiburg");
const QString Zeugnisdatum = QStringLiteral("15.07.2025");

// What the user types into the personal boxes of the master data screen, by box index.
Arbeitnehmerdaten person(const QString& titel, qint16 geschlecht)
{
    return {QStringLiteral("Mustermann"),
            geschlecht == Geschlecht::Mann ? QStringLiteral("Max") : QStringLiteral("Maria"),
            titel,
            QStringLiteral("Sachbearbeitung Einkauf"),
            QStringLiteral("Neustadt an der Weinstraße"),
            QStringLiteral("01.02.1990"),
            QStringLiteral("01.08.2015"),
            QStringLiteral("31.12.2024"),
            Zeugnisdatum,
            geschlecht};
}

// The introduction, whichever of its letters the catalogue offers first, names the employee with the form of
// address and the entry date as typed.
bool einleitungStimmt(const QString& kopie, const Arbeitnehmerdaten& d)
{
    const QString einleitung = kopie.section(QStringLiteral("\r\n"), 0, 0);
    const QString anrede =
        d.Geschlecht == Geschlecht::Mann ? QStringLiteral("Herr ") : QStringLiteral("Frau ");
    return einleitung.contains(anrede + vollerName(d)) && einleitung.contains(d.Eintrittsdatum);
}

} // namespace

class TstGesamtablauf : public QObject
{
    Q_OBJECT

    // First run: the type screen finds no employer data and hands over to the employer screen, which saves
    // what is typed and returns to a fresh type screen.
    static void arbeitgeberErfassen(Testumgebung& umgebung)
    {
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(umgebung.gezeigt.first().meldung.titel, QStringLiteral("Persönliche Daten"));
        QWidget* pd = fenster(QStringLiteral("PersönlicheDaten"));
        QVERIFY(pd);
        // From "Firma" down the rows, as the tab order leads.
        for (const QString& wert : {Firma, Unterzeichner, QStringLiteral("Leiterin Personal"),
                                    QStringLiteral("Hauptstraße 12"), QStringLiteral("79100"), Ort}) {
            QWidget* feld = QApplication::focusWidget();
            QVERIFY(feld && feld->window() == pd);
            QTest::keyClicks(feld, wert);
            QTest::keyClick(feld, Qt::Key_Tab);
        }
        klicken(pd, QStringLiteral("WeiterButton"));
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QVERIFY(fenster(QStringLiteral("ZeugnisForm")));
    }

    // The type screen: the type clicked, the kind left as it stands (qualified) or clicked.
    static void typWaehlen(int typ, qint16 art = Art::Qualifiziert)
    {
        QWidget* f = fenster(QStringLiteral("ZeugnisForm"));
        QVERIFY(f);
        QVERIFY(kind<QAbstractButton>(f, QStringLiteral("Zeugnis2"))->isChecked());
        klicken(f, QStringLiteral("Arbeitnehmer%1").arg(typ));
        if (art != Art::Qualifiziert)
            klicken(f, QStringLiteral("Zeugnis%1").arg(art));
        klicken(f, QStringLiteral("WeiterButton"));
        QVERIFY(fenster(QStringLiteral("StammdatenForm")));
    }

    // The master data screen: the personal boxes typed from box to box with Enter, the place of issue and
    // the signatory as the screen fills them in, the date of the reference typed over today's, the sex. For
    // an interim reference the leaving date is left out: its box cannot be reached.
    static void stammdatenEingeben(const Arbeitnehmerdaten& d, bool zwischenzeugnis = false)
    {
        QWidget* f = fenster(QStringLiteral("StammdatenForm"));
        QVERIFY(f);
        QCOMPARE(box(f, 5)->text(), Ort);
        QCOMPARE(box(f, 6)->text(), Unterzeichner);
        QCOMPARE(kind<QPlainTextEdit>(f, QStringLiteral("Stammdaten11"))->toPlainText(),
                 Firma + QStringLiteral("\nHauptstraße 12\n\n79100 ") + Ort);
        const QStringList eingaben{d.Name,           d.Vorname,        d.Titel,       d.Position,
                                   d.Geburtsort,     QString(),        QString(),     d.Geburtsdatum,
                                   d.Eintrittsdatum, d.Austrittsdatum, d.Zeugnisdatum};
        QCOMPARE(box(f, 9)->isEnabled(), !zwischenzeugnis);
        for (int i = 0; i < eingaben.size(); ++i) {
            if (i == 9 && zwischenzeugnis)
                continue;
            QCOMPARE(fokus(), QStringLiteral("Stammdaten%1").arg(i));
            if (i == 10)
                box(f, i)->selectAll();
            QTest::keyClicks(box(f, i), eingaben.at(i));
            QTest::keyClick(box(f, i), Qt::Key_Return);
        }
        for (int i = 0; i < 11; ++i)
            QVERIFY2(i == 2 || (i == 9 && zwischenzeugnis) || !box(f, i)->text().isEmpty(),
                     qPrintable(box(f, i)->objectName()));
        klicken(f,
                d.Geschlecht == Geschlecht::Mann ? QStringLiteral("Option3D1") : QStringLiteral("Option3D2"));
        klicken(f, QStringLiteral("WeiterButton"));
    }

    // The question screen now open, taken over for the test.
    static std::unique_ptr<Fragenbildschirm> fragenbildschirm()
    {
        auto* form = qobject_cast<FragenForm*>(fenster(QStringLiteral("FragenForm")));
        return form ? std::make_unique<Fragenbildschirm>(form) : nullptr;
    }

    // The end state: the German text with its closing block goes to the clipboard through "Ja" of the
    // closing dialog, which marks the work as finished; "Beenden" then ends the program without a question.
    static void kopierenUndBeenden(Fragenbildschirm& b, Testumgebung& umgebung, const QString& erwartet,
                                   const Arbeitnehmerdaten& d)
    {
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        QCOMPARE(b.abbrechen()->text(), QStringLiteral("Beenden"));
        QCOMPARE(b.zeugnis(), erwartet);
        const int meldungen = int(umgebung.gezeigt.size());
        const int beendet = umgebung.beendet;

        QCOMPARE(b.zwischenablage(), QStringLiteral("dlgBeenden"));
        QCOMPARE(umgebung.zwischenablage, QList<QString>{erwartet});
        const QString& kopie = umgebung.zwischenablage.first();
        QVERIFY2(einleitungStimmt(kopie, d), qPrintable(kopie.left(200)));
        QVERIFY(kopie.endsWith(erwarteterSchluss(Ort, Zeugnisdatum, Unterzeichner)));
        QCOMPARE(kopie.count(QLatin1Char('\n')), kopie.count(QStringLiteral("\r\n")));
        QCOMPARE(kopie.count(QLatin1Char('\r')), kopie.count(QStringLiteral("\r\n")));
        for (const char16_t* platzhalter : {u"(VollerName)", u"(Geburtsort)", u"(Geburtsdatum)",
                                            u"(Position)", u"(Eintrittsdatum)", u"(Austrittsdatum)"})
            QVERIFY2(!kopie.contains(QStringView(platzhalter)),
                     qPrintable(QStringView(platzhalter).toString()));
        QCOMPARE(Profil::lesen(Profil::Abbruch, QStringLiteral("Frage")), QStringLiteral("0"));

        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));
        QCOMPARE(umgebung.beendet, beendet + 1);
        QCOMPARE(umgebung.gezeigt.size(), meldungen);
        QCOMPARE(umgebung.zwischenablage.size(), 1);
        QCOMPARE(Profil::lesen(Profil::Abbruch, QStringLiteral("Frage")), QStringLiteral("0"));
    }

private slots:
    void init()
    {
        Sitzung::instanz() = Sitzung{};
        if (!Echterkatalog::vorhanden())
            QSKIP("Der Katalog wird in diesem Build nicht gebaut.");
    }
    void cleanup() { aufraeumen(); }

    // The qualified kind, as the type screen preselects it, and the interim reference, which has no leaving
    // date. With `unterbrechen` the user leaves after that many questions, keeping the work, and the next
    // start continues there.
    void vomStartBisZurZwischenablage_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("geschlecht");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("unterbrechen");
        const int q = Art::Qualifiziert;
        const int z = Art::Zwischen;
        QTest::newRow("gewerblich, Mann") << 1 << q << 1 << QStringLiteral("Dr.") << 0;
        QTest::newRow("Auszubildende") << 3 << q << 2 << QString() << 0;
        QTest::newRow("Führungskraft, Frau, unterbrochen")
            << 2 << q << 2 << QStringLiteral("Prof. Dr.") << 11;
        QTest::newRow("Zwischenzeugnis gewerblich, Frau") << 1 << z << 2 << QString() << 0;
        QTest::newRow("Zwischenzeugnis Führungskraft, Mann, unterbrochen") << 2 << z << 1 << QString() << 9;
        QTest::newRow("Zwischenzeugnis Auszubildender") << 3 << z << 1 << QString() << 0;
    }
    void vomStartBisZurZwischenablage()
    {
        QFETCH(int, typ);
        QFETCH(int, art);
        QFETCH(int, geschlecht);
        QFETCH(QString, titel);
        QFETCH(int, unterbrechen);
        const bool zwischen = art == Art::Zwischen;
        Arbeitnehmerdaten daten = person(titel, qint16(geschlecht));
        if (zwischen)
            daten.Austrittsdatum.clear();
        Arbeitsordner ordner;
        QVERIFY(Echterkatalog::kopieren(ordner));
        Echterkatalog katalog;
        const QList<Echterkatalog::Frage> fragen =
            katalog.fragen(qint16(geschlecht), qint16(typ), qint16(art));
        QCOMPARE(QString::number(fragen.size()), Fragenzahl(qint16(typ), qint16(art)));
        Testumgebung umgebung;

        starten();
        arbeitgeberErfassen(umgebung);
        typWaehlen(typ, qint16(art));
        stammdatenEingeben(daten, zwischen);
        if (QTest::currentTestFailed())
            return;
        auto b = fragenbildschirm();
        QVERIFY(b);
        QCOMPARE(umgebung.gezeigt.size(), 1);
        const Sitzung& s = Sitzung::instanz();
        QCOMPARE(s.Arbeitnehmertyp, qint16(typ));
        QCOMPARE(s.Zeugnisart, qint16(art));
        QCOMPARE(vollerName(s.arbeitnehmer), vollerName(daten));
        QCOMPARE(s.arbeitnehmer.Geschlecht, daten.Geschlecht);

        QList<Echterkatalog::Antwort> antworten;
        const int bis = unterbrechen > 0 ? unterbrechen : int(fragen.size());
        musterantworten(*b, fragen, 0, bis, antworten);
        if (QTest::currentTestFailed())
            return;
        if (unterbrechen > 0) {
            // "Abbrechen", Yes: the work is kept and the program ends. The next run starts afresh.
            umgebung.antworten = {Umgebung::Antwort::Ja};
            QVERIFY(Fragenbildschirm::klicken(b->abbrechen()));
            QCOMPARE(umgebung.gezeigt.size(), 2);
            QCOMPARE(umgebung.gezeigt.last().meldung.titel, QStringLiteral("Programm Beenden"));
            QCOMPARE(umgebung.beendet, 1);
            QVERIFY2(iniLesen().contains(QStringLiteral("Frage= %1\r\n").arg(fragen.at(unterbrechen).nr)),
                     qPrintable(iniLesen()));
            b.reset();
            aufraeumen();

            starten();
            b = fragenbildschirm();
            QVERIFY(b);
            QCOMPARE(umgebung.gezeigt.size(), 2);
            QCOMPARE(b->zeugnis(),
                     katalog.text(antworten, qint16(geschlecht), QStringLiteral("Deutsch"), daten));
            musterantworten(*b, fragen, unterbrechen, int(fragen.size()), antworten);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(antworten.size(), fragen.size());

        const QString erwartet =
            katalog.text(antworten, qint16(geschlecht), QStringLiteral("Deutsch"), daten) +
            erwarteterSchluss(Ort, Zeugnisdatum, Unterzeichner);
        kopierenUndBeenden(*b, umgebung, erwartet, daten);
    }

    // An interim reference on the test catalogue, from the first start to the clipboard: chosen on the type
    // screen, without a leaving date, counted as its set in the sets table announces, interrupted and
    // continued at the next start, and checked as a whole without asking for a leaving formula.
    void zwischenzeugnis_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("geschlecht");
        QTest::addColumn<int>("unterbrechen");
        QTest::newRow("gewerblich, Mann") << 1 << 1 << 0;
        QTest::newRow("Führungskraft, Frau, unterbrochen") << 2 << 2 << 2;
        QTest::newRow("Auszubildender, unterbrochen") << 3 << 1 << 1;
    }
    void zwischenzeugnis()
    {
        QFETCH(int, typ);
        QFETCH(int, geschlecht);
        QFETCH(int, unterbrechen);
        Arbeitnehmerdaten daten = person(QString(), qint16(geschlecht));
        daten.Austrittsdatum.clear();
        Arbeitsordner ordner;
        QVERIFY(Echterkatalog::kopieren(ordner, QStringLiteral(ZEUGNIS_TESTKATALOG)));
        Echterkatalog katalog;
        const QList<Echterkatalog::Frage> fragen =
            katalog.fragen(qint16(geschlecht), qint16(typ), Art::Zwischen);
        QCOMPARE(fragen.size(), 4);
        const int angesagt = Fragenzahl(qint16(typ), Art::Zwischen).toInt();
        QVERIFY(angesagt > int(fragen.size()));
        Testumgebung umgebung;

        starten();
        arbeitgeberErfassen(umgebung);
        typWaehlen(typ, Art::Zwischen);
        stammdatenEingeben(daten, true);
        if (QTest::currentTestFailed())
            return;
        auto b = fragenbildschirm();
        QVERIFY(b);
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(Sitzung::instanz().Zeugnisart, Art::Zwischen);
        QCOMPARE(Sitzung::instanz().arbeitnehmer.Austrittsdatum, QString());

        QList<Echterkatalog::Antwort> antworten;
        const int bis = unterbrechen > 0 ? unterbrechen : int(fragen.size());
        musterantworten(*b, fragen, 0, bis, antworten, angesagt);
        if (QTest::currentTestFailed())
            return;
        if (unterbrechen > 0) {
            umgebung.antworten = {Umgebung::Antwort::Ja};
            QVERIFY(Fragenbildschirm::klicken(b->abbrechen()));
            QCOMPARE(umgebung.beendet, 1);
            QVERIFY2(iniLesen().contains(QStringLiteral("Zeugnisart= 3\r\n")), qPrintable(iniLesen()));
            b.reset();
            aufraeumen();

            starten();
            b = fragenbildschirm();
            QVERIFY(b);
            QCOMPARE(umgebung.gezeigt.size(), 2);
            QCOMPARE(Sitzung::instanz().Zeugnisart, Art::Zwischen);
            musterantworten(*b, fragen, unterbrechen, int(fragen.size()), antworten, angesagt);
            if (QTest::currentTestFailed())
                return;
        }

        // The pattern skips the third question, the reason: the check misses it, and no leaving formula.
        QCOMPARE(antworten.at(2).wahl, 4);
        QStringList befunde;
        auto* pruefliste = b->kind<QListWidget>(QStringLiteral("Pruefliste"));
        for (int i = 0; i < pruefliste->count(); ++i)
            befunde << pruefliste->item(i)->text();
        QVERIFY2(befunde.join(QLatin1Char('|'))
                     .contains(QStringLiteral("Frage 3: Das Zwischenzeugnis nennt keinen "
                                              "Anlass")),
                 qPrintable(befunde.join(QLatin1Char('|'))));
        QVERIFY2(!befunde.join(QLatin1Char('|')).contains(QStringLiteral("Austrittsformel")),
                 qPrintable(befunde.join(QLatin1Char('|'))));

        const QString erwartet =
            katalog.text(antworten, qint16(geschlecht), QStringLiteral("Deutsch"), daten) +
            erwarteterSchluss(Ort, Zeugnisdatum, Unterzeichner);
        QVERIFY2(erwartet.contains(QStringLiteral("ist seit dem 01.08.2015 als Sachbearbeitung Einkauf")),
                 qPrintable(erwartet));
        kopierenUndBeenden(*b, umgebung, erwartet, daten);
    }

    // A simple reference continued from what the settings file records (as an earlier version wrote it): here
    // one left at its first question.
    void einfacherSatzAlsFortsetzung()
    {
        Arbeitsordner ordner;
        QVERIFY(Echterkatalog::kopieren(ordner));
        Echterkatalog katalog;
        const QList<Echterkatalog::Frage> fragen =
            katalog.fragen(Geschlecht::Frau, Typ::Auszubildender, Art::Einfach);
        QCOMPARE(fragen.size(), 3);
        const Arbeitnehmerdaten daten = person(QStringLiteral("Dr."), Geschlecht::Frau);
        iniSchreiben(QStringLiteral(
                         "[Persönliche Daten]\nFirma=%1\nName=%2\nStrasse=Hauptstraße 12\nPLZ=79100\nOrt=%3\n"
                         "[Klienten Daten]\nName=%4\nVorname=%5\nTitel=%6\nPosition=%7\nGeburtsort=%8\n"
                         "Geburtsdatum=%9\n")
                         .arg(Firma, Unterzeichner, Ort, daten.Name, daten.Vorname, daten.Titel,
                              daten.Position, daten.Geburtsort, daten.Geburtsdatum) +
                     QStringLiteral("Eintrittsdatum=%1\nAustrittsdatum=%2\nGeschlecht= 2\nZeugnisdatum=%3\n"
                                    "[Abbruch]\nArbeitnehmerTyp= 3\nZeugnisart= 1\nFrage= %4\nZahl= 0\n")
                         .arg(daten.Eintrittsdatum, daten.Austrittsdatum, Zeugnisdatum)
                         .arg(fragen.first().nr));
        Testumgebung umgebung;

        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(b->zeugnis(), QString());
        QList<Echterkatalog::Antwort> antworten;
        musterantworten(*b, fragen, 0, int(fragen.size()), antworten);
        if (QTest::currentTestFailed())
            return;
        const QString erwartet = katalog.text(antworten, Geschlecht::Frau, QStringLiteral("Deutsch"), daten) +
                                 erwarteterSchluss(Ort, Zeugnisdatum, Unterzeichner);
        kopierenUndBeenden(*b, umgebung, erwartet, daten);
    }
};

QTEST_MAIN(TstGesamtablauf)
#include "tst_gesamtablauf.moc"
