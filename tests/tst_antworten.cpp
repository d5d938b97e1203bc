#include "tests/Echterkatalog.h"
#include "tests/Fragenbildschirm.h"

#include <QListWidget>

namespace {

// Four questions of type 1, kind 2: 1 ungraded with a paragraph, 2 graded with four rows and skippable,
// 3 graded with a paragraph, 4 graded.
void vierFragen(Testkatalog& k)
{
    k.ungewerteteFrage(1, true)
        .bewerteteFrage(2, 4, false, true)
        .bewerteteFrage(3, 5, true)
        .bewerteteFrage(4, 5);
}

struct Antwort
{
    int note = 0;
    int wahl = 0; // 0 to 2 phrasing A to C, 3 own wording (EigenerText), 4 skip
};
const QString EigenerText = QStringLiteral("Eigene Worte.");

// Answers through the widgets; an own wording gets EigenerText typed.
bool antworten(Fragenbildschirm& b, const QList<Antwort>& liste)
{
    for (const Antwort& a : liste) {
        if (a.wahl != 3) {
            if (!b.beantworten(a.note, a.wahl))
                return false;
            continue;
        }
        if ((a.note > 0 && !Fragenbildschirm::klicken(b.wert(a.note))) ||
            !Fragenbildschirm::klicken(b.varian(3)))
            return false;
        b.variante()->selectAll();
        QTest::keyClicks(b.variante(), EigenerText);
        if (!Fragenbildschirm::klicken(b.weiter()))
            return false;
    }
    return true;
}

QListWidget* liste(Fragenbildschirm& b, const QString& name = QStringLiteral("Antwortliste"))
{
    return b.kind<QListWidget>(name);
}

QStringList zeilen(QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

// Chooses the entry of question `nr` in a list of the overview by the keyboard, as a user would.
bool waehlen(QListWidget* l, qint32 nr)
{
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->data(Qt::UserRole).toInt() == nr) {
            l->setFocus();
            l->setCurrentRow(i);
            QTest::keyClick(l, Qt::Key_Return);
            return true;
        }
    return false;
}

// The text of a fresh run with `liste` in a folder of its own, in German and then in English; empty when
// the run failed.
QStringList frisch(const QList<Antwort>& liste)
{
    Arbeitsordner ordner;
    Testkatalog k;
    vierFragen(k);
    Testumgebung umgebung;
    Fragenbildschirm b;
    if (!antworten(b, liste))
        return {};
    const QString deutsch = b.zeugnis();
    Fragenbildschirm::klicken(b.wert(2));
    return {deutsch, b.zeugnis()};
}

// Sends a key script to the widget with the focus (or the screen): digits, A, B, C, E, Ü as keys; "⏎" Enter;
// "^" Ctrl+Enter; "@x" Alt with x; "{text}" typed as text. Returns the keystrokes sent, a chord counting
// once and typed text not at all.
int tippen(Fragenbildschirm& b, const QString& folge)
{
    int anschlaege = 0;
    const auto ziel = [&b]() -> QWidget* {
        QWidget* w = QApplication::focusWidget();
        return w ? w : b.form.data();
    };
    const auto taste = [](QChar c) {
        if (c == u'Ü')
            return Qt::Key_Udiaeresis;
        if (c.isDigit())
            return Qt::Key(Qt::Key_0 + c.digitValue());
        return Qt::Key(Qt::Key_A + (c.unicode() - u'A'));
    };
    for (qsizetype i = 0; i < folge.size(); ++i) {
        const QChar c = folge.at(i);
        if (c == u'{') {
            const qsizetype ende = folge.indexOf(u'}', i);
            QTest::keyClicks(ziel(), folge.mid(i + 1, ende - i - 1));
            i = ende;
            continue;
        }
        ++anschlaege;
        if (c == u'⏎')
            QTest::keyClick(ziel(), Qt::Key_Return);
        else if (c == u'^')
            QTest::keyClick(ziel(), Qt::Key_Return, Qt::ControlModifier);
        else if (c == u'@')
            QTest::keyClick(ziel(), taste(folge.at(++i)), Qt::AltModifier);
        else
            QTest::sendKeyEvent(QTest::Click, ziel(), taste(c), QString(c.toLower()), Qt::NoModifier);
    }
    return anschlaege;
}

} // namespace

Q_DECLARE_METATYPE(Antwort)

class TstAntworten : public QObject
{
    Q_OBJECT

private slots:
    void init() { sitzungSetzen(); }

    void tastatur_data()
    {
        QTest::addColumn<QString>("folge");
        QTest::addColumn<int>("anschlaege");
        QTest::addColumn<QStringList>("gewaehlt");
        QTest::addColumn<QString>("text");
        QTest::newRow("Vorschläge, Enter ohne Wahl tut nichts")
            << QStringLiteral("⏎A⏎2B⏎⏎3C⏎1A⏎") << 13
            << QStringList{QStringLiteral("1/0/A/0/-"), QStringLiteral("2/2/B/0/-"),
                           QStringLiteral("3/3/C/0/-"), QStringLiteral("4/1/A/0/-")}
            << QStringLiteral("F1A. F2N2B.\r\nF3N3C. F4N1A.");
        QTest::newRow("überspringen, nicht angebotene Note")
            << QStringLiteral("B⏎5Ü1A⏎2C⏎") << 10
            << QStringList{QStringLiteral("1/0/B/0/-"), QStringLiteral("2/4/-/1/-"),
                           QStringLiteral("3/1/A/0/-"), QStringLiteral("4/2/C/0/-")}
            << QStringLiteral("F1B.\r\nF3N1A. F4N2C.");
        QTest::newRow("eigene Formulierung mit Zeilen")
            << QStringLiteral("A⏎E{Zeile eins}⏎{Zeile zwei}^1A⏎1A⏎") << 11
            << QStringList{QStringLiteral("1/0/A/0/-"), QStringLiteral("2/4/-/0/Zeile eins\r\nZeile zwei"),
                           QStringLiteral("3/1/A/0/-"), QStringLiteral("4/1/A/0/-")}
            << QStringLiteral("F1A. Zeile eins\r\nZeile zwei\r\nF3N1A. F4N1A.");
        QTest::newRow("Alt aus dem Textfeld")
            << QStringLiteral("A⏎E{x}@3@B^@4@C^1A⏎") << 12
            << QStringList{QStringLiteral("1/0/A/0/-"), QStringLiteral("2/3/B/0/Gelöscht"),
                           QStringLiteral("3/4/C/0/-"), QStringLiteral("4/1/A/0/-")}
            << QStringLiteral("F1A. F2N3B.\r\nF3N4C. F4N1A.");
    }
    void tastatur()
    {
        QFETCH(QString, folge);
        QFETCH(int, anschlaege);
        QFETCH(QStringList, gewaehlt);
        QFETCH(QString, text);
        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(QTest::qWaitForWindowActive(b.form));
        QCOMPARE(tippen(b, folge), anschlaege);
        QCOMPARE(auswahl(k), gewaehlt);
        QCOMPARE(b.zeugnis(), text + schluss());
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        QVERIFY(umgebung.gezeigt.isEmpty());
        // In the end state the digits choose the language.
        QCOMPARE(tippen(b, QStringLiteral("2")), 1);
        QVERIFY(b.zeugnis().startsWith(QStringLiteral("EN:")));
    }

    // Changing an earlier answer through the overview gives the text a fresh run with the new choices gives,
    // in German and after a switch to English.
    void aendernWieNeu_data()
    {
        QTest::addColumn<QList<Antwort>>("vorher");
        QTest::addColumn<int>("frage");
        QTest::addColumn<Antwort>("neu");
        QTest::addColumn<QList<Antwort>>("danach"); // answered after the change
        const QList<Antwort> alle{{0, 0}, {2, 1}, {3, 2}, {1, 0}};
        QTest::newRow("Note und Vorschlag am Ende") << alle << 3 << Antwort{5, 1} << QList<Antwort>{};
        QTest::newRow("eigene Formulierung unterwegs")
            << alle.mid(0, 3) << 2 << Antwort{0, 3} << QList<Antwort>{{1, 0}};
        QTest::newRow("überspringen am Ende") << alle << 2 << Antwort{0, 4} << QList<Antwort>{};
        QTest::newRow("Einleitung unterwegs") << alle.mid(0, 2) << 1 << Antwort{0, 2} << alle.mid(2);
        QTest::newRow("Übersprungenes beantworten")
            << QList<Antwort>{{0, 0}, {0, 4}, {3, 2}, {1, 0}} << 2 << Antwort{1, 0} << QList<Antwort>{};
    }
    void aendernWieNeu()
    {
        QFETCH(QList<Antwort>, vorher);
        QFETCH(int, frage);
        QFETCH(Antwort, neu);
        QFETCH(QList<Antwort>, danach);
        QList<Antwort> erwartet = vorher + danach;
        erwartet[frage - 1] = neu;
        const QStringList frischeTexte = frisch(erwartet);
        QCOMPARE(frischeTexte.size(), 2);
        sitzungSetzen();

        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(antworten(b, vorher));
        const QString zaehlerVorher = b.zaehler();
        QCOMPARE(liste(b)->count(), vorher.size());
        QVERIFY(waehlen(liste(b), frage));
        // The counter shows the question being changed, the screen its recorded choice.
        QCOMPARE(b.zaehler(), QStringLiteral("Frage %1 von     34").arg(frage));
        QCOMPARE(b.frage(), QStringLiteral("Frage %1?").arg(frage));
        const Antwort& alt = vorher.at(frage - 1);
        QVERIFY(b.varian(alt.wahl)->isChecked());
        if (alt.note > 0)
            QVERIFY(b.wert(alt.note)->isChecked());
        QVERIFY(b.weiter()->isEnabled());

        QVERIFY(antworten(b, {neu}));
        QCOMPARE(b.zaehler(), zaehlerVorher); // back where the user was
        QVERIFY(antworten(b, danach));
        QCOMPARE(b.zeugnis(), frischeTexte.at(0));
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QCOMPARE(b.zeugnis(), frischeTexte.at(1));
        QVERIFY(umgebung.gezeigt.isEmpty());
        // The overview lists every question with its choice.
        QCOMPARE(zeilen(liste(b)).size(), 4);
        QVERIFY(zeilen(liste(b)).at(frage - 1).startsWith(QStringLiteral("%1. ").arg(frage)));
        QVERIFY(zeilen(liste(b)).at(frage - 1).endsWith(QStringLiteral(": Frage %1?").arg(frage)));
    }

    // A change left by "Abbrechen" and "Ja" keeps the text of the recorded choices and resumes at the first
    // unanswered question; the reference then ends as a fresh one would.
    void aendernUnterbrochen()
    {
        PROFIL_NOETIG();
        const QList<Antwort> erwartet{{0, 1}, {2, 1}, {3, 2}, {1, 0}};
        const QStringList frischeTexte = frisch(erwartet);
        sitzungSetzen();
        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        {
            Testumgebung umgebung;
            Fragenbildschirm b;
            QVERIFY(antworten(b, {{0, 0}, {2, 1}}));
            QVERIFY(waehlen(liste(b), 1));
            QVERIFY(Fragenbildschirm::klicken(b.varian(1))); // chosen, not yet taken over
            umgebung.antworten = {Umgebung::Antwort::Ja};
            QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));
            QCOMPARE(umgebung.beendet, 1);
            QCOMPARE(Hilfe::iniZeilen(),
                     QStringLiteral("[Abbruch]|ArbeitnehmerTyp= 1|Zeugnisart= 2|Frage= 3|Zahl= 2"));
            QCOMPARE(k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).at(0).at(0).toString(),
                     QStringLiteral("F1B. F2N2B."));
        }
        Hilfe::abwarten();
        sitzungSetzen(1, 2, 1, QStringLiteral("3"), 2);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 3 von     34"));
        QCOMPARE(zeilen(liste(b)).size(), 2);
        QVERIFY(antworten(b, erwartet.mid(2)));
        QCOMPARE(b.zeugnis(), frischeTexte.at(0));
    }

    // The check runs at the end and before the hand-out; its findings lead to their question.
    void pruefungFuehrtZurFrage()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        k.sql(QStringLiteral("CREATE TABLE Fragenrolle (Nr INTEGER PRIMARY KEY, Rolle TEXT NOT NULL)"));
        k.sql(QStringLiteral("INSERT INTO Fragenrolle VALUES (1, 'einleitung'), (2, 'leistung'), "
                             "(3, 'zusammenfassung'), (4, 'dank')"));
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(antworten(b, {{0, 0}, {3, 0}, {1, 0}, {1, 0}}));
        QCOMPARE(
            zeilen(liste(b, QStringLiteral("Pruefliste"))),
            QStringList{QStringLiteral("Frage 3: Die Zusammenfassung (Note 1) liegt mehr als eine Note neben "
                                       "dem Schnitt der einzelnen Leistungsnoten (3).")});
        QVERIFY(b.frage().startsWith(QStringLiteral("Das Zeugnis ist vollständig.")));
        QVERIFY(b.variante()->isHidden());

        // Before the hand-out the closing dialog names the finding; "Nein" keeps the text back.
        QString hinweis;
        QPointer<QTimer> suche = imDialog([&hinweis](QDialog* d) {
            if (auto* l = d->findChild<QLabel*>(QStringLiteral("Pruefhinweis")))
                hinweis = l->text();
            d->findChild<QPushButton*>(QStringLiteral("cmdNein"))->click();
        });
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));
        delete suche;
        QVERIFY2(
            hinweis.startsWith(QStringLiteral("Die Prüfung des ganzen Zeugnisses hat 1 Hinweis gefunden")),
            qPrintable(hinweis));
        QVERIFY(umgebung.zwischenablage.isEmpty());

        // Typed into the reference: a change asks first; "Nein" leaves everything as it is.
        b.zeugnisFeld()->setFocus();
        QTest::keyClicks(b.zeugnisFeld(), QStringLiteral("x"));
        const QString getippt = b.zeugnis();
        umgebung.antworten = {Umgebung::Antwort::Nein};
        QVERIFY(waehlen(liste(b, QStringLiteral("Pruefliste")), 3));
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(umgebung.gezeigt.first().meldung.knoepfe, Umgebung::Knoepfe::JaNein);
        QCOMPARE(b.zeugnis(), getippt);
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));

        umgebung.antworten = {Umgebung::Antwort::Ja};
        QVERIFY(waehlen(liste(b, QStringLiteral("Pruefliste")), 3));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 3 von     34"));
        QCOMPARE(b.weiter()->text(), QStringLiteral("Übernehmen"));
        QVERIFY(antworten(b, {{2, 0}}));
        QCOMPARE(liste(b, QStringLiteral("Pruefliste"))->count(), 0);
        QCOMPARE(b.zeugnis(), QStringLiteral("F1A. F2N3A.\r\nF3N2A. F4N1A.") + schluss());
        QCOMPARE(b.zwischenablage(), QStringLiteral("dlgBeenden"));
        QCOMPARE(umgebung.zwischenablage, QStringList{b.zeugnis()});
    }

    // A whole qualified reference of type 1 on the delivered catalogue, written and corrected by keys alone:
    // per question a grade (cycling through those offered), a phrasing (cycling through those offered) and
    // Enter; then one answer changed through the overview; then the hand-out.
    void ganzesZeugnisPerTastatur()
    {
        if (!Echterkatalog::vorhanden())
            QSKIP("Kein Katalog gebaut");
        Arbeitsordner ordner;
        QVERIFY(Echterkatalog::kopieren(ordner));
        QList<Echterkatalog::Frage> fragen;
        {
            Echterkatalog katalog;
            fragen = katalog.fragen(1, 1, 2);
        }
        QCOMPARE(fragen.size(), 34);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(QTest::qWaitForWindowActive(b.form));

        QList<Echterkatalog::Antwort> antworten;
        int anschlaege = 0;
        for (int i = 0; i < fragen.size(); ++i) {
            QString folge;
            Echterkatalog::Antwort a{fragen.at(i).nr};
            if (b.bewertung()->isVisible()) {
                for (int n = 0; n < 5 && a.note == 0; ++n)
                    if (b.wert((i + n) % 5 + 1)->isVisible())
                        a.note = (i + n) % 5 + 1;
                folge += QString::number(a.note);
                anschlaege += tippen(b, folge);
            }
            a.wahl = -1;
            for (int n = 0; n < 3 && a.wahl < 0; ++n)
                if (b.varian((i + n) % 3)->isEnabled())
                    a.wahl = (i + n) % 3;
            QVERIFY2(a.wahl >= 0, qPrintable(fragen.at(i).text));
            const int vorher = anschlaege;
            anschlaege += tippen(b, QString(QChar(u'A' + a.wahl)) + QStringLiteral("⏎"));
            QVERIFY(anschlaege - vorher + (a.note > 0 ? 1 : 0) <= 3);
            antworten << a;
        }
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        qInfo("Ganzes Zeugnis mit %d Fragen: %d Tastenanschläge", int(fragen.size()), anschlaege);

        // Question 5 changed: Alt+L to the overview, down to the fifth entry, Enter, then grade, phrasing,
        // Enter.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(Hilfe::fokus(), QStringLiteral("Antwortliste"));
        int korrektur = 1;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
        ++korrektur;
        for (int n = 0; n < 4; ++n, ++korrektur)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        korrektur += tippen(b, QStringLiteral("⏎"));
        QCOMPARE(b.frage(), fragen.at(4).text);
        Echterkatalog::Antwort neu{fragen.at(4).nr, 0, 0};
        QString folge;
        if (b.bewertung()->isVisible()) {
            neu.note = b.wert(1)->isChecked() ? 2 : 1;
            folge += QString::number(neu.note);
        }
        korrektur += tippen(b, folge + QStringLiteral("A⏎"));
        antworten[4] = neu;
        qInfo("Korrektur einer Antwort: %d Tastenanschläge", korrektur);

        Echterkatalog katalog;
        const Sitzung& s = Sitzung::instanz();
        QCOMPARE(b.zeugnis(),
                 katalog.text(antworten, 1, QStringLiteral("Deutsch"), s.arbeitnehmer) + Zeugnisschluss(s));

        // Hand-out: Enter for "Zwischenablage", Enter for "Ja".
        QPointer<QTimer> suche = imDialog([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); });
        anschlaege += tippen(b, QStringLiteral("⏎")) + 1;
        delete suche;
        QCOMPARE(umgebung.zwischenablage, QStringList{b.zeugnis()});
        qInfo("Mit Übergabe in die Zwischenablage: %d Tastenanschläge", anschlaege);
    }
};

QTEST_MAIN(TstAntworten)
#include "tst_antworten.moc"
