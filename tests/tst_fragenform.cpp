#include "engine/Fortschritt.h"
#include "engine/Zeugnistext.h"
#include "store/Profil.h"
#include "store/Sitzung.h"
#include "tests/Fragenbildschirm.h"
#include "tests/Testkatalog.h"
#include "tests/Testumgebung.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QScrollArea>
#include <QSqlDatabase>

namespace {

// Three questions of type 1, kind 2: 1 ungraded with a paragraph, 2 graded with five rows, 3 graded with
// four rows and skippable; plus a question of another set.
void dreiFragen(Testkatalog& k)
{
    k.ungewerteteFrage(1, true)
        .bewerteteFrage(2, 5)
        .bewerteteFrage(3, 4, true, true)
        .bewerteteFrage(9, 5, false, false, 2, 2);
}

} // namespace

class TstFragenForm : public QObject
{
    Q_OBJECT

private slots:
    void init() { sitzungSetzen(); }

    void oeffnetNeuesZeugnis_data()
    {
        QTest::addColumn<QString>("abbruch");
        QTest::newRow("leer") << QString();
        QTest::newRow("0") << QStringLiteral("0");
        QTest::newRow("kein Zahlwert") << QStringLiteral("abc");
    }
    void oeffnetNeuesZeugnis()
    {
        QFETCH(QString, abbruch);
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        k.sql(QStringLiteral("INSERT INTO Auswahl (Frage, Note, Variante) VALUES (5, 1, 'A')"));
        k.sql(QStringLiteral("UPDATE LetzterBrief SET Text = 'alter Text'"));
        sitzungSetzen(1, 2, 1, abbruch, 7);
        Testumgebung umgebung;
        Fragenbildschirm b;

        QVERIFY(b.form->isVisible());
        QCOMPARE(b.form->windowTitle(), QStringLiteral("Zeugnisfeder – Fragen"));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 1 von     34"));
        QCOMPARE(b.frage(), QStringLiteral("Frage 1?"));
        QVERIFY(auswahl(k).isEmpty());
        QCOMPARE(b.zeugnis(), QString());
        QVERIFY(!b.weiter()->isEnabled());
        QVERIFY(b.abbrechen()->isEnabled());
        QCOMPARE(b.abbrechen()->text(), QStringLiteral("Abbrechen"));
        // The first question is ungraded: no grade frame, its phrasings offered at once.
        QVERIFY(b.bewertung()->isHidden());
        for (int i = 0; i < 3; ++i)
            QVERIFY(b.varian(i)->isEnabled());
        QVERIFY(b.varian(3)->isEnabled());
        QVERIFY(!b.varian(4)->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!b.varian(i)->isChecked());
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(umgebung.beendet, 0);
    }

    void steuerelemente()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        // At its design size: the offscreen screen is narrower than the window with its overview.
        auto* flaeche = b.form->findChild<QScrollArea*>();
        b.form->resize(
            b.form->size() +
            (flaeche->widget()->minimumSize() - flaeche->viewport()->size()).expandedTo(QSize(0, 0)));
        QTRY_COMPARE(flaeche->widget()->size(), flaeche->viewport()->size());
        QCOMPARE(b.wertTexte(), (QStringList{QStringLiteral("sehr gut"), QStringLiteral("gut"),
                                             QStringLiteral("befriedigend"), QStringLiteral("ausreichend"),
                                             QStringLiteral("mangelhaft")}));
        QCOMPARE(b.wertHinweise(), QStringList(5, QStringLiteral("Vergeben Sie eine Note per Mausklick")));
        for (int i = 1; i <= 5; ++i) {
            QCOMPARE(b.wert(i)->parentWidget(), b.bewertung());
            QCOMPARE(b.wert(i)->geometry(), QRect(8, 24 + 16 * (i - 1), 145, 16));
        }
        QCOMPARE(b.bewertung()->title(), QStringLiteral("Ihre Wertung"));
        QCOMPARE(b.frame()->title(), QStringLiteral("Wählen Sie"));
        QCOMPARE(b.varian(3)->text(), QStringLiteral("Eigene Formulierung"));
        QCOMPARE(b.varian(4)->toolTip(), QStringLiteral("Geht zur nächsten Frage"));
        QCOMPARE(b.varian(2)->geometry(), QRect(8, 88, 145, 33));
        QCOMPARE(b.weiter()->text(), QStringLiteral(">> Weiter >>"));
        QCOMPARE(b.weiter()->toolTip(),
                 QStringLiteral("Übernimmt den ausgewählten Textvorschlag und spring zur nächsten Frage"));
        QCOMPARE(b.variante()->toolTip(), QStringLiteral("Eigene Formulierungs-Einträge möglich"));
        QCOMPARE(b.variante()->palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(b.zeugnisFeld()->geometry(), QRect(8, 144, 441, 305));
        auto* panel = b.kind<QWidget>(QStringLiteral("Panel3D1"));
        QCOMPARE(panel->size(), QSize(641, 468));

        // A larger window: the panel takes the growth beyond the design size (913 by 508 pixels with the
        // overview panel of 248 pixels and a gap of 8 left of it); both are centred together, 150 twips above
        // the middle.
        b.form->resize(1200, 800);
        QTRY_COMPARE(panel->size(), QSize(641 + 1200 - 913, 468 + 800 - 508));
        QVERIFY(qAbs(panel->x() - (b.form->frameGeometry().width() - panel->width()) / 2 - 128) <= 1);
        QCOMPARE(b.kind<QWidget>(QStringLiteral("Panel3D2"))->geometry().right() + 9, panel->x());
        QVERIFY(qAbs(panel->y() - ((b.form->frameGeometry().height() - panel->height()) / 2 - 10)) <= 1);
    }

    void fragenzahlNachTypUndArt_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("zaehler");
        QTest::newRow("1/2") << 1 << 2 << QStringLiteral("Frage 1 von     34");
        QTest::newRow("2/1") << 2 << 1 << QStringLiteral("Frage 1 von     27");
        QTest::newRow("2/2") << 2 << 2 << QStringLiteral("Frage 1 von     27");
        QTest::newRow("3/1") << 3 << 1 << QStringLiteral("Frage 1 von     3");
        QTest::newRow("4/2") << 4 << 2 << QStringLiteral("Frage 1 von     10");
    }
    void fragenzahlNachTypUndArt()
    {
        QFETCH(int, typ);
        QFETCH(int, art);
        QFETCH(QString, zaehler);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(40, false, false, qint16(typ), qint16(art));
        sitzungSetzen(qint16(typ), qint16(art));
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(b.zaehler(), zaehler);
        QCOMPARE(b.frage(), QStringLiteral("Frage 40?"));
    }

    void frauLiestFragenFrau()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.frage({1, QStringLiteral("Einleitung?")});
        k.antwort({1, 0, QStringLiteral("Er kam."), {}, {}, {}, {}, {}}, 1);
        k.antwort({1, 0, QStringLiteral("Sie kam."), {}, {}, {}, {}, {}}, 2);
        sitzungSetzen(1, 2, 2);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(b.frage(), QStringLiteral("Einleitung? (Frau)"));
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QCOMPARE(b.vorschlag(), QStringLiteral("Sie kam."));
    }

    void setztFort_data()
    {
        QTest::addColumn<QString>("abbruch");
        QTest::addColumn<QVariant>("text");
        QTest::newRow("12") << QStringLiteral("12") << QVariant(QStringLiteral("Bisher."));
        QTest::newRow("Leerzeichen 12") << QStringLiteral(" 12") << QVariant(QStringLiteral("Bisher."));
        QTest::newRow("12.0") << QStringLiteral("12.0") << QVariant(QStringLiteral("Bisher."));
        QTest::newRow("Text null") << QStringLiteral("12") << QVariant();
    }
    void setztFort()
    {
        QFETCH(QString, abbruch);
        QFETCH(QVariant, text);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(10, true).bewerteteFrage(11, 5).bewerteteFrage(12, 4).bewerteteFrage(13, 5);
        k.sql(QStringLiteral("INSERT INTO Auswahl (Frage, Note, Variante) VALUES (10, 0, 'A')"));
        k.sql(QStringLiteral("UPDATE LetzterBrief SET Text = ?"), {text});
        sitzungSetzen(1, 2, 1, abbruch, 4);
        Testumgebung umgebung;
        Fragenbildschirm b;

        QCOMPARE(b.zaehler(), QStringLiteral("Frage 5 von     34"));
        QCOMPARE(b.frage(), QStringLiteral("Frage 12?"));
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("10/0/A/0/-")});
        QCOMPARE(b.zeugnis(), text.isNull() ? QString() : text.toString());
        // A graded question: the frame is shown and A to C wait for a grade; four rows, no "mangelhaft".
        QVERIFY(b.bewertung()->isVisible());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!b.varian(i)->isEnabled());
        QVERIFY(!b.wert(5)->isEnabled());
        QVERIFY(!b.weiter()->isEnabled());

        // The first phrase continues the restored text with its separator.
        QVERIFY(b.beantworten(2, 1));
        const QString bisher = text.isNull() ? QString() : text.toString() + QStringLiteral(" ");
        QCOMPARE(b.zeugnis(), bisher + QStringLiteral("F12N2B."));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 6 von     34"));
        QCOMPARE(Sitzung::instanz().Zahl, qint16(5));
        QCOMPARE(b.frage(), QStringLiteral("Frage 13?"));
    }

    void fortsetzenOhnePassendeFrage()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        sitzungSetzen(1, 2, 1, QStringLiteral("9"), 2); // 9 belongs to another set
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(b.frage(), QStringLiteral("Frage 1?"));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 3 von     34"));
        QVERIFY(b.varian(0)->isEnabled());
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(b.beantworten(0, 0));
        QCOMPARE(b.frage(), QStringLiteral("Frage 2?"));
    }

    void leererFragensatz()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        sitzungSetzen(3, 2);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(umgebung.gezeigt.size(), 1);
        const auto& m = umgebung.gezeigt.first().meldung;
        QCOMPARE(m.text,
                 QStringLiteral("Der Fragenkatalog enthält keine Fragen für diesen Arbeitnehmertyp und "
                                "diese Zeugnisart."));
        QCOMPARE(m.titel, Umgebung::programmtitel());
        QCOMPARE(m.knoepfe, Umgebung::Knoepfe::Ok);
        QCOMPARE(umgebung.beendet, 1);
        QVERIFY(!b.form->isVisible());
        // Nothing the user can still reach does anything.
        b.weiter()->click();
        b.varian(3)->click();
        QCOMPARE(umgebung.gezeigt.size(), 1);
    }

    void katalogFehlt()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QVERIFY(umgebung.gezeigt.first().meldung.text.contains(QStringLiteral("system98.dll")));
        QCOMPARE(umgebung.beendet, 1);
        QVERIFY(!QFile::exists(ordner.pfad(QStringLiteral("system98.dll"))));
    }

    void frageOhneAntworten()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.frage({1, QStringLiteral("leer?")});
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QVERIFY(umgebung.gezeigt.first().meldung.text.contains(QStringLiteral("AntwortenMannDeutsch")));
        QCOMPARE(umgebung.beendet, 1);
    }

    void notenUndMangelhaft()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.bewerteteFrage(1, 5).bewerteteFrage(2, 4, false, true).bewerteteFrage(3, 5);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.bewertung()->isVisible());
        QVERIFY(b.wert(5)->isEnabled());
        QVERIFY(!b.varian(4)->isEnabled());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!b.varian(i)->isEnabled());
        QVERIFY(Fragenbildschirm::klicken(b.wert(5)));
        QVERIFY(b.varian(0)->isEnabled());
        QVERIFY(Fragenbildschirm::klicken(b.varian(2)));
        QCOMPARE(b.vorschlag(), QStringLiteral("F1N5C."));
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));

        // Four rows: no "mangelhaft"; skippable; no grade selected.
        QVERIFY(!b.wert(5)->isEnabled());
        QVERIFY(b.varian(4)->isEnabled());
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!b.wert(i)->isChecked());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!b.varian(i)->isEnabled());
        QVERIFY(b.beantworten(4, 0));
        QVERIFY(b.wert(5)->isEnabled());
        QVERIFY(!b.varian(4)->isEnabled());
        QCOMPARE(auswahl(k), (QStringList{QStringLiteral("1/5/C/0/-"), QStringLiteral("2/4/A/0/-")}));
    }

    void noteOhneVarianteC()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.frage({1, QStringLiteral("Frage?")});
        for (qint16 n = 1; n <= 4; ++n)
            k.antwort({1,
                       n,
                       QStringLiteral("A%1").arg(n),
                       {},
                       QStringLiteral("B%1").arg(n),
                       {},
                       n == 2 ? QString() : QStringLiteral("C%1").arg(n),
                       {}});
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QVERIFY(b.varian(2)->isEnabled());
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QVERIFY(b.varian(0)->isEnabled());
        QVERIFY(b.varian(1)->isEnabled());
        QVERIFY(!b.varian(2)->isEnabled());
        QCOMPARE(b.vorschlag(), QString());
    }

    void phraseMitNameUndPlatzhaltern_data()
    {
        QTest::addColumn<QString>("erster");
        QTest::addColumn<QString>("zweiter");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Name zwischen den Teilen")
            << QStringLiteral("Frau ") << QStringLiteral(" war fleißig.") << QString()
            << QStringLiteral("Frau Maier war fleißig.");
        QTest::newRow("ohne zweiten Teil kein Name") << QStringLiteral("Sie war fleißig.") << QString()
                                                     << QString() << QStringLiteral("Sie war fleißig.");
        QTest::newRow("VollerName ohne Datum bleibt")
            << QStringLiteral("(VollerName) war fleißig.") << QString() << QString()
            << QStringLiteral("(VollerName) war fleißig.");
        QTest::newRow("Eintritt und Name")
            << QStringLiteral("(VollerName) kam am (Eintrittsdatum) zu uns.") << QString() << QString()
            << QStringLiteral("Eva Maier kam am 1.4.2010 zu uns.");
        QTest::newRow("mit Titel") << QStringLiteral("(VollerName), seit (Eintrittsdatum)") << QString()
                                   << QStringLiteral("Dr.")
                                   << QStringLiteral("Dr. Eva Maier, seit 1.4.2010 ");
        QTest::newRow("alle") << QStringLiteral("(VollerName), geboren am (Geburtsdatum) in (Geburtsort), ")
                              << QStringLiteral(
                                     ", war vom (Eintrittsdatum) bis (Austrittsdatum) als (Position) tätig.")
                              << QString()
                              << QStringLiteral(
                                     "Eva Maier, geboren am 1.2.1980 in Köln, Maier, war vom 1.4.2010 bis "
                                     "30.6.2024 als Buchhalterin tätig.");
    }
    void phraseMitNameUndPlatzhaltern()
    {
        QFETCH(QString, erster);
        QFETCH(QString, zweiter);
        QFETCH(QString, titel);
        QFETCH(QString, erwartet);
        Arbeitsordner ordner;
        Testkatalog k;
        k.frage({1, QStringLiteral("Einleitung?")});
        k.antwort({1, 0, erster, zweiter, {}, {}, {}, {}});
        sitzungSetzen();
        Sitzung::instanz().arbeitnehmer.Titel = titel;
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QCOMPARE(b.vorschlag(), erwartet);
        QCOMPARE(b.variante()->palette().color(QPalette::Base), QColor(192, 192, 192));
        QVERIFY(b.varian(0)->isChecked());
        QVERIFY(b.weiter()->isEnabled());
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("1/0/A/0/-")});
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));
        QCOMPARE(b.zeugnis(), erwartet + schluss());
    }

    void zweiteWahlBearbeitetDieZeile()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(1)));
        QVERIFY(b.varian(1)->isChecked());
        QVERIFY(!b.varian(0)->isChecked());
        QCOMPARE(b.vorschlag(), QStringLiteral("F1B."));
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("1/0/B/0/Gelöscht")});
        QVERIFY(Fragenbildschirm::klicken(b.varian(3)));
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("1/0/-/0/Eigene Formulierung")});
    }

    void noteNachWahlGeaendert()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.bewerteteFrage(1, 5).bewerteteFrage(2, 5);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(1)));
        QCOMPARE(b.vorschlag(), QStringLiteral("F1N2B."));
        // The same grade again changes nothing.
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QCOMPARE(b.vorschlag(), QStringLiteral("F1N2B."));
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QCOMPARE(b.vorschlag(), QString());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!b.varian(i)->isChecked());
            QVERIFY(b.varian(i)->isEnabled());
        }
        QVERIFY(b.weiter()->isEnabled());
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("1/2/B/0/-")}); // kept until the next choice
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("1/1/A/0/Gelöscht")});
    }

    void eigeneFormulierung_data()
    {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("einfuegen"); // pasted instead of typed
        QTest::newRow("Satz") << QStringLiteral("Sie war stets puenktlich.") << false;
        QTest::newRow("Sonderzeichen")
            << QStringLiteral("\"Zitat\"; 'x' \\ C:\\Pfad; -- DROP TABLE Auswahl; %1") << false;
        QTest::newRow("leer") << QString() << false;
        QTest::newRow("Zeilen") << QStringLiteral("Zeile eins\r\nZeile zwei\u00a0mit festem Leerzeichen")
                                << true;
        QTest::newRow("100000 Zeichen") << QString(100000, QLatin1Char('w')) << true;
    }
    void eigeneFormulierung()
    {
        QFETCH(QString, getippt);
        QFETCH(bool, einfuegen);
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));

        QVERIFY(Fragenbildschirm::klicken(b.varian(3)));
        QCOMPARE(b.variante()->palette().color(QPalette::Base), QColor(255, 255, 255));
        QCOMPARE(b.vorschlag(), QString());
        QCOMPARE(QApplication::focusWidget(), b.variante());
        QCOMPARE(auswahl(k).at(1), QStringLiteral("2/5/-/0/Eigene Formulierung")); // the last row's grade
        if (einfuegen)
            b.variante()->insertPlainText(getippt);
        else
            QTest::keyClicks(b.variante(), getippt);
        QCOMPARE(b.vorschlag(), getippt);
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));
        if (getippt.isEmpty()) {
            // Question 2 cannot be skipped: an empty own wording is refused and the question stays open.
            QCOMPARE(umgebung.meldungen(),
                     QList{Umgebung::warnung(
                         QStringLiteral("Eigene Formulierung fehlt"),
                         QStringLiteral("Diese Frage kann nicht übersprungen werden. Schreiben "
                                        "Sie Ihre eigene Formulierung in das Textfeld oder "
                                        "wählen Sie einen Textvorschlag."))});
            QCOMPARE(b.zaehler(), QStringLiteral("Frage 2 von     34"));
            QCOMPARE(QApplication::focusWidget(), b.variante());
            QCOMPARE(b.zeugnis(), QStringLiteral("F1A."));
            // On the skippable question 3 the empty own wording passes and adds nothing.
            QTest::keyClicks(b.variante(), QStringLiteral("Jetzt."));
            QVERIFY(Fragenbildschirm::klicken(b.weiter()));
            QVERIFY(Fragenbildschirm::klicken(b.varian(3)));
            QVERIFY(Fragenbildschirm::klicken(b.weiter()));
            QCOMPARE(umgebung.gezeigt.size(), 1);
            QCOMPARE(b.zeugnis(), QStringLiteral("F1A. Jetzt.") + schluss());
            return;
        }

        const auto gespeichert =
            k.zeilen(QStringLiteral("SELECT EigeneFormulierung FROM Auswahl WHERE Frage = 2")).at(0).at(0);
        QVERIFY(!gespeichert.isNull());
        QCOMPARE(gespeichert.toString(), getippt.isNull() ? QString(QLatin1StringView("")) : getippt);
        QCOMPARE(b.zeugnis(), getippt.isEmpty() ? QStringLiteral("F1A.") : QStringLiteral("F1A. ") + getippt);
        QCOMPARE(b.variante()->palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 3 von     34"));
        QCOMPARE(b.frage(), QStringLiteral("Frage 3?"));
    }

    void trennzeichen()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        // 1 skippable paragraph, 2 skippable, 3 paragraph, 4 plain, 5 paragraph, 6 plain.
        k.ungewerteteFrage(1, true, true)
            .ungewerteteFrage(2, false, true)
            .bewerteteFrage(3, 4, true)
            .bewerteteFrage(4, 4, false, true)
            .bewerteteFrage(5, 5, true, true)
            .bewerteteFrage(6, 5);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 4));
        QCOMPARE(b.frage(), QStringLiteral("Frage 2?"));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 2 von     34"));
        QVERIFY(b.beantworten(0, 4));
        QVERIFY(b.beantworten(1, 0)); // first phrase, despite the paragraph: no separator
        QCOMPARE(b.zeugnis(), QStringLiteral("F3N1A."));
        QVERIFY(b.beantworten(0, 4)); // skipped before a grade: consumes no separator
        QVERIFY(b.beantworten(3, 1));
        QCOMPARE(b.zeugnis(), QStringLiteral("F3N1A.") + CRLF + QStringLiteral("F5N3B."));
        QVERIFY(b.beantworten(2, 2));
        QCOMPARE(b.zeugnis(), QStringLiteral("F3N1A.") + CRLF + QStringLiteral("F5N3B. F6N2C.") + schluss());
        QCOMPARE(Sitzung::instanz().Zahl, qint16(6));
        QCOMPARE(auswahl(k), (QStringList{QStringLiteral("1/0/-/1/-"), QStringLiteral("2/0/-/1/-"),
                                          QStringLiteral("3/1/A/0/-"), QStringLiteral("4/4/-/1/-"),
                                          QStringLiteral("5/3/B/0/-"), QStringLiteral("6/2/C/0/-")}));
    }

    void ueberspringenNachWahl()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1, false, true).ungewerteteFrage(2);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(4)));
        QCOMPARE(auswahl(k), QStringList{QStringLiteral("1/0/-/1/Gelöscht")});
        QCOMPARE(b.zeugnis(), QString());
        QCOMPARE(b.frage(), QStringLiteral("Frage 2?"));
        QVERIFY(!b.weiter()->isEnabled());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!b.varian(i)->isChecked());
    }

    void endzustand()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 2));
        QVERIFY(b.beantworten(1, 1));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 3 von     34"));
        QVERIFY(b.beantworten(4, 0));

        QCOMPARE(b.zeugnis(), QStringLiteral("F1C. F2N1B.") + CRLF + QStringLiteral("F3N4A.") + schluss());
        QVERIFY(b.zeugnis().endsWith(QStringLiteral("\r\n\r\nBonn, 30.6.2024\r\n\r\nHans Huber")));
        QCOMPARE(b.zeugnis().count(QStringLiteral("Hans Huber")), 1);
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 4 von     34"));
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        QVERIFY(b.weiter()->isEnabled());
        QCOMPARE(b.abbrechen()->text(), QStringLiteral("Beenden"));
        QCOMPARE(b.bewertung()->title(), QStringLiteral("Zeugnisausgabe in"));
        QVERIFY(b.bewertung()->isVisible());
        QVERIFY(b.frame()->isHidden());
        QCOMPARE(b.wertTexte(), (QStringList{QStringLiteral("Deutsch"), QStringLiteral("Englisch"),
                                             QStringLiteral("Italienisch"), QStringLiteral("Spanisch"),
                                             QStringLiteral("Französisch")}));
        QCOMPARE(b.wertHinweise(), QStringList(5, QStringLiteral("Sprachen")));
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(b.wert(i)->isEnabled());
            QCOMPARE(b.wert(i)->isChecked(), i == 1);
        }
        QCOMPARE(umgebung.zwischenablage.size(), 0);
        QVERIFY(umgebung.gezeigt.isEmpty());
    }

    // The counter counts up to the announced number of the full set and stays there after its last question.
    void zaehlerAmEndeDesVollenSatzes()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        for (int nr = 1; nr <= 34; ++nr)
            k.ungewerteteFrage(nr);
        Testumgebung umgebung;
        Fragenbildschirm b;
        for (int nr = 1; nr <= 34; ++nr) {
            QCOMPARE(b.zaehler(), QStringLiteral("Frage %1 von     34").arg(nr));
            QVERIFY(b.beantworten(0, 0));
        }
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 34 von     34"));
        QVERIFY(umgebung.gezeigt.isEmpty());
    }

    void zahlBleibtIm16BitBereich()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        sitzungSetzen(1, 2, 1, QStringLiteral("2"), 32766);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 32767 von     34"));
        QVERIFY(b.beantworten(1, 0));
        QCOMPARE(Sitzung::instanz().Zahl, qint16(32767));
        QVERIFY(b.beantworten(1, 0));
        QCOMPARE(Sitzung::instanz().Zahl, qint16(32767));
        QVERIFY(b.weiter()->text() == QStringLiteral("Zwischenablage"));
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(umgebung.beendet, 0);
    }

    void fehlerBeimWeiterSpeichertArbeit_data()
    {
        QTest::addColumn<bool>("briefOhneZeile");
        QTest::newRow("LetzterBrief mit Zeile") << false;
        QTest::newRow("LetzterBrief ohne Zeile") << true;
    }
    void fehlerBeimWeiterSpeichertArbeit()
    {
        QFETCH(bool, briefOhneZeile);
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        if (briefOhneZeile)
            k.sql(QStringLiteral("DELETE FROM LetzterBrief"));
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(1)));
        // The next question's answers can no longer be read.
        k.sql(QStringLiteral("DROP TABLE AntwortenMannDeutsch"));
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));

        QCOMPARE(umgebung.gezeigt.size(), 1);
        const auto& m = umgebung.gezeigt.first().meldung;
        QVERIFY2(m.text.contains(QStringLiteral("AntwortenMannDeutsch")), qPrintable(m.text));
        QCOMPARE(m.titel, Umgebung::programmtitel());
        QCOMPARE(m.knoepfe, Umgebung::Knoepfe::Ok);
        QCOMPARE(m.symbol, Umgebung::Symbol::Keins);
        QCOMPARE(umgebung.beendet, 1);
        // The work is kept: the text with the last phrase, and the question now on display.
        const auto brief = k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief"));
        QCOMPARE(brief.size(), 1);
        QCOMPARE(brief.at(0).at(0).toString(), QStringLiteral("F1A. F2N2B."));
        QCOMPARE(Hilfe::iniZeilen(),
                 QStringLiteral("[Abbruch]|ArbeitnehmerTyp= 1|Zeugnisart= 2|Frage= 3|Zahl= 2"));
        // Nothing else happens on the screen.
        b.weiter()->click();
        QCOMPARE(umgebung.gezeigt.size(), 1);
    }

    void fehlerBeimSpeichernWirdGemeldet()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.varian(3)));
        QTest::keyClicks(b.variante(), QStringLiteral("eigen"));
        k.sql(QStringLiteral("DROP TABLE Auswahl"));
        k.sql(QStringLiteral("DROP TABLE LetzterBrief"));
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));
        QCOMPARE(umgebung.gezeigt.size(), 2);
        QVERIFY(umgebung.gezeigt.at(0).meldung.text.contains(QStringLiteral("Auswahl")));
        QVERIFY(umgebung.gezeigt.at(1).meldung.text.startsWith(
            QStringLiteral("Die Arbeit konnte nicht zwischengespeichert werden.")));
        QCOMPARE(umgebung.beendet, 1);
    }

    // The settings file cannot be replaced: it holds only a copy for earlier versions, so the progress record
    // of the catalogue file keeps what the answer to the quit question decided, the failed copy is shown with
    // the file named, and the program ends.
    void einstellungsdateiNichtGeschrieben_data()
    {
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::addColumn<Fortschritt::Zustand>("zustand");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Ja") << Umgebung::Antwort::Ja << Fortschritt::Zustand::Fragen
                            << QStringLiteral("Die Arbeit ist im Fragenkatalog gesichert;");
        QTest::newRow("Nein") << Umgebung::Antwort::Nein << Fortschritt::Zustand::Keiner
                              << QStringLiteral("Dass die Arbeit nicht fortgesetzt werden soll, ist im "
                                                "Fragenkatalog gespeichert;");
    }
    void einstellungsdateiNichtGeschrieben()
    {
        QFETCH(Umgebung::Antwort, antwort);
        QFETCH(Fortschritt::Zustand, zustand);
        QFETCH(QString, meldung);
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        const QString text = Textfeld::text(b.zeugnisFeld());
        const QString ini = Hilfe::iniZeilen();
        Schreibsperre sperre;
        umgebung.antworten = {antwort};
        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));
        QCOMPARE(umgebung.gezeigt.size(), 2);
        QVERIFY(umgebung.gezeigt.at(1).meldung.text.startsWith(meldung));
        QVERIFY(umgebung.gezeigt.at(1).meldung.text.endsWith(
            QStringLiteral("Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2")
                .arg(QDir::toNativeSeparators(ordner.pfad(Profil::Dateiname)), Schreibsperre::grund())));
        QCOMPARE(sperre.versucht.size(), 1); // the progress keys in one replacement
        QCOMPARE(umgebung.beendet, 1);
        QCOMPARE(Textfeld::text(b.zeugnisFeld()), text);
        const auto stand = Fortschritt::lesen();
        QVERIFY(stand && *stand);
        QCOMPARE((*stand)->zustand, zustand);
        QCOMPARE(Hilfe::iniZeilen(), ini); // the copy stays as it was
    }

    void fehlerBeiDerWahlSpeichertArbeit()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 2));
        k.sql(QStringLiteral("DROP TABLE Auswahl"));
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QVERIFY(umgebung.gezeigt.first().meldung.text.contains(QStringLiteral("Auswahl")));
        QCOMPARE(umgebung.beendet, 1);
        QCOMPARE(k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).at(0).at(0).toString(),
                 QStringLiteral("F1C."));
        QCOMPARE(Hilfe::iniZeilen(),
                 QStringLiteral("[Abbruch]|ArbeitnehmerTyp= 1|Zeugnisart= 2|Frage= 2|Zahl= 1"));
    }

    void verbindungenWerdenFreigegeben()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        dreiFragen(k);
        {
            Testumgebung umgebung;
            Fragenbildschirm b;
            QVERIFY(b.beantworten(0, 0));
        }
        for (const QString& name : QSqlDatabase::connectionNames())
            QVERIFY2(!name.startsWith(QStringLiteral("zeugnis-katalog")), qPrintable(name));
    }
};

QTEST_MAIN(TstFragenForm)
#include "tst_fragenform.moc"
