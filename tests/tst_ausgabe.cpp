#include "engine/Fortschritt.h"
#include "engine/Sprachwechsel.h"
#include "screens/dlgBeenden.h"
#include "tests/Fragenbildschirm.h"

#include <QLabel>

namespace {

// Four questions: 1 with a paragraph, 2 skippable, 3 with a paragraph, 4 plain; each answered in every
// language (first parts tagged "EN:" and so on outside German).
void vierFragen(Testkatalog& k)
{
    k.ungewerteteFrage(1, true)
        .bewerteteFrage(2, 4, false, true)
        .bewerteteFrage(3, 5, true)
        .bewerteteFrage(4, 5);
}

void auswahlZeile(Testkatalog& k, int frage, int note, const QVariant& variante, const QVariant& keineAussage,
                  const QVariant& eigene = {})
{
    k.sql(QStringLiteral("INSERT INTO Auswahl (Frage, Note, Variante, KeineAussage, EigeneFormulierung) "
                         "VALUES (?, ?, ?, ?, ?)"),
          {frage, note, variante, keineAussage, eigene});
}

} // namespace

class TstAusgabe : public QObject
{
    Q_OBJECT

private slots:
    void init() { sitzungSetzen(); }

    void neuaufbauJeSprache_data()
    {
        QTest::addColumn<QString>("sLand");
        QTest::addColumn<int>("geschlecht");
        for (const QString& wort :
             {QStringLiteral("Deutsch"), QStringLiteral("Englisch"), QStringLiteral("Franzoesisch"),
              QStringLiteral("Italienisch"), QStringLiteral("Spanisch")}) {
            QTest::newRow(qPrintable(wort + QStringLiteral(" Mann"))) << wort << 1;
            QTest::newRow(qPrintable(wort + QStringLiteral(" Frau"))) << wort << 2;
        }
    }
    void neuaufbauJeSprache()
    {
        QFETCH(QString, sLand);
        QFETCH(int, geschlecht);
        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        k.frage({5, QStringLiteral("Zeile ohne Wahl?")});
        k.antwort({5, 0, {}, {}, {}, {}, {}, {}});
        k.antwort({6, 2, QStringLiteral("Frau "), QStringLiteral(" kam (Eintrittsdatum)."), {}, {}, {}, {}});
        k.frage({6, QStringLiteral("Name?"), 1, 2, false, true});
        // Recorded in this order: 3 before 1, so the text follows the order of the rows, not the numbers.
        auswahlZeile(k, 3, 2, QStringLiteral("B"), 0);
        auswahlZeile(k, 2, 3, {}, 1, QStringLiteral("Gelöscht")); // skipped
        auswahlZeile(k, 1, 0, QStringLiteral("C"), 0, QStringLiteral("Gelöscht"));
        auswahlZeile(k, 4, 1, {}, 0, QStringLiteral("Eigen; \"so\" (Austrittsdatum)."));
        auswahlZeile(k, 5, 0, {}, 0); // neither phrasing nor own text
        auswahlZeile(k, 6, 2, QStringLiteral("A"), 0);
        sitzungSetzen(1, 2, qint16(geschlecht));

        const QString t = Testkatalog::kennung(sLand);
        const Neuaufbau r = zeugnisNeuAufbauen(sLand, Sitzung::instanz());
        QVERIFY2(r.ok(), qPrintable(r.fehler));
        QCOMPARE(r.text, t + QStringLiteral("F3N2B.") + CRLF + t +
                             QStringLiteral("F1C. Eigen; \"so\" 30.6.2024.") + CRLF + t +
                             QStringLiteral("Frau Maier kam 1.4.2010.") + schluss());
    }

    // An own wording gets the employee's data on a rebuild, by the same rules as a phrase: each date, the
    // position and the date of birth take the character behind them and leave a blank.
    void eigeneFormulierungMitPlatzhaltern()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1);
        auswahlZeile(k, 1, 0, {}, 0,
                     QStringLiteral("Seit (Eintrittsdatum)x als (Position)y, geboren (Geburtsdatum)z in "
                                    "(Geburtsort)."));
        const Neuaufbau r = zeugnisNeuAufbauen(QStringLiteral("Englisch"), Sitzung::instanz());
        QVERIFY2(r.ok(), qPrintable(r.fehler));
        QCOMPARE(r.text, QStringLiteral("Seit 1.4.2010  als Buchhalterin , geboren 1.2.1980  in %1.")
                                 .arg(Sitzung::instanz().arbeitnehmer.Geburtsort) +
                             schluss());
    }

    void namensteileUndLeereVarianteC_data()
    {
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("c2");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("beide Teile") << QStringLiteral("Frau ") << QStringLiteral(" war da.")
                                     << QStringLiteral("Vorher. Frau Maier war da. Nachher.");
        QTest::newRow("ohne zweiten Teil")
            << QStringLiteral("Sie war da.") << QString() << QStringLiteral("Vorher. Sie war da. Nachher.");
        // An empty phrase adds nothing, not even its separator: the same shape as the first assembly.
        QTest::newRow("beide leer") << QString() << QString() << QStringLiteral("Vorher. Nachher.");
    }
    void namensteileUndLeereVarianteC()
    {
        QFETCH(QString, c1);
        QFETCH(QString, c2);
        QFETCH(QString, erwartet);
        Arbeitsordner ordner;
        Testkatalog k;
        k.frage({1, QStringLiteral("a")}).frage({2, QStringLiteral("b")}).frage({3, QStringLiteral("c")});
        k.antwort({1, 0, QStringLiteral("Vorher."), {}, {}, {}, {}, {}}, 0, QStringLiteral("Deutsch"));
        k.antwort({2, 0, {}, {}, {}, {}, c1, c2}, 0, QStringLiteral("Deutsch"));
        k.antwort({3, 0, QStringLiteral("Nachher."), {}, {}, {}, {}, {}}, 0, QStringLiteral("Deutsch"));
        auswahlZeile(k, 1, 0, QStringLiteral("A"), 0);
        auswahlZeile(k, 2, 0, QStringLiteral("C"), 0);
        auswahlZeile(k, 3, 0, QStringLiteral("A"), 0);
        QCOMPARE(zeugnisNeuAufbauen(QStringLiteral("Deutsch"), Sitzung::instanz()).text,
                 erwartet + schluss());

        // Empty as the first phrase: the next one is then the first, without separator.
        k.sql(QStringLiteral("DELETE FROM Auswahl WHERE Frage = 1"));
        const QString ohneErste = erwartet.mid(QStringLiteral("Vorher. ").size());
        QCOMPARE(zeugnisNeuAufbauen(QStringLiteral("Deutsch"), Sitzung::instanz()).text,
                 ohneErste + schluss());
    }

    void fehlschlaege_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("bisher");
        QTest::newRow("A ohne ersten Teil")
            << QStringLiteral("A leer") << QStringLiteral("Inkonsistente Datenbank bei Frage  7")
            << QStringLiteral("EN:F1A.");
        QTest::newRow("A ohne beide Teile")
            << QStringLiteral("A null") << QStringLiteral("Inkonsistente Datenbank bei Frage  7")
            << QStringLiteral("EN:F1A.");
        QTest::newRow("B ohne beide Teile")
            << QStringLiteral("B null") << QStringLiteral("Inkonsistente Datenbank bei Frage  7")
            << QStringLiteral("EN:F1A.");
        QTest::newRow("C nur zweiter Teil")
            << QStringLiteral("C halb") << QStringLiteral("Inkonsistente Datenbank bei Frage  7")
            << QStringLiteral("EN:F1A.");
        QTest::newRow("Auswahl leer")
            << QStringLiteral("leer") << QStringLiteral("Die Tabelle Auswahl enthält keine Antworten.")
            << QString();
        QTest::newRow("Geschlecht 0")
            << QStringLiteral("geschlecht")
            << QStringLiteral("Ungültiges Geschlecht 0: keine Tabelle des Fragenkatalogs "
                              "passt dazu.")
            << QString();
    }
    void fehlschlaege()
    {
        QFETCH(QString, fall);
        QFETCH(QString, fehler);
        QFETCH(QString, bisher);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1).frage({7, QStringLiteral("sieben?")}).ungewerteteFrage(8);
        if (fall == QStringLiteral("A leer"))
            k.antwort({7, 2, {}, QStringLiteral("zwei"), {}, {}, {}, {}}, 1, QStringLiteral("Englisch"));
        if (fall == QStringLiteral("C halb"))
            k.antwort({7, 2, {}, {}, {}, {}, {}, QStringLiteral("zwei")}, 1, QStringLiteral("Englisch"));
        // German has every phrasing; the target language has none of the chosen one.
        if (fall == QStringLiteral("A null") || fall == QStringLiteral("B null")) {
            const QString x = QStringLiteral("x");
            k.antwort({7, 2, x, x, x, x, x, x}, 1, QStringLiteral("Deutsch"));
            k.antwort({7, 2, {}, {}, {}, {}, x, x}, 1, QStringLiteral("Englisch"));
        }
        if (fall != QStringLiteral("leer")) {
            auswahlZeile(k, 1, 0, QStringLiteral("A"), 0);
            const QString variante = fall == QStringLiteral("C halb")   ? QStringLiteral("C")
                                     : fall == QStringLiteral("B null") ? QStringLiteral("B")
                                                                        : QStringLiteral("A");
            auswahlZeile(k, 7, 2, variante, 0);
            auswahlZeile(k, 8, 0, QStringLiteral("A"), 0);
        }
        if (fall == QStringLiteral("geschlecht"))
            Sitzung::instanz().arbeitnehmer.Geschlecht = 0;
        const Neuaufbau r = zeugnisNeuAufbauen(QStringLiteral("Englisch"), Sitzung::instanz());
        QCOMPARE(r.fehler, fehler);
        QCOMPARE(r.text, bisher);
    }

    // After a catalogue update a recorded choice may point at a grade or a question the catalogue no longer
    // has; the rebuild passes over it as over a skipped question.
    void veralteteAuswahlGiltAlsUebersprungen_data()
    {
        QTest::addColumn<int>("frage");
        QTest::addColumn<int>("note");
        QTest::newRow("Note fehlt") << 7 << 2;
        QTest::newRow("Frage fehlt") << 9 << 3;
    }
    void veralteteAuswahlGiltAlsUebersprungen()
    {
        QFETCH(int, frage);
        QFETCH(int, note);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1).frage({7, QStringLiteral("sieben?")}).ungewerteteFrage(8);
        auswahlZeile(k, 1, 0, QStringLiteral("A"), 0);
        auswahlZeile(k, 8, 0, QStringLiteral("A"), 0);
        const Neuaufbau ohne = zeugnisNeuAufbauen(QStringLiteral("Englisch"), Sitzung::instanz());
        QVERIFY(ohne.ok());

        k.sql(QStringLiteral("DELETE FROM Auswahl"));
        auswahlZeile(k, 1, 0, QStringLiteral("A"), 0);
        auswahlZeile(k, frage, note, QStringLiteral("B"), 0);
        auswahlZeile(k, 8, 0, QStringLiteral("A"), 0);
        const Neuaufbau r = zeugnisNeuAufbauen(QStringLiteral("Englisch"), Sitzung::instanz());
        QCOMPARE(r.fehler, QString());
        QCOMPARE(r.text, ohne.text);
        QVERIFY(r.text.startsWith(QStringLiteral("EN:F1A. EN:F8A.")));
    }

    // A whole reference through the widgets, then every language button; German gives back the text of the
    // first assembly.
    // The same choices give the same text whether the screen assembles it question by question or the
    // language switch rebuilds it: letters, skips, own wordings with and without placeholders, paragraphs.
    // Each step is "note/button" or "note/3/own wording".
    void ersterAufbauGleichNeuaufbau_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::newRow("Buchstaben") << QStringList{QStringLiteral("0/0"), QStringLiteral("2/1"),
                                                   QStringLiteral("5/2"), QStringLiteral("1/0"),
                                                   QStringLiteral("0/0")};
        QTest::newRow("uebersprungen")
            << QStringList{QStringLiteral("0/1"), QStringLiteral("0/4"), QStringLiteral("3/0"),
                           QStringLiteral("2/1"), QStringLiteral("0/4")};
        QTest::newRow("eigene mit Platzhaltern")
            << QStringList{QStringLiteral("0/3/Seit (Eintrittsdatum)x als (Position)y bei uns."),
                           QStringLiteral("3/3/(VollerName) ohne Datum bleibt (Position)."),
                           QStringLiteral("1/3/Bis (Austrittsdatum): (VollerName) aus (Geburtsort)."),
                           QStringLiteral("4/3/Bis (Austrittsdatum)"), QStringLiteral("0/2")};
        // An empty own wording is taken only where the question may be skipped.
        QTest::newRow("leere eigene vor Absatz")
            << QStringList{QStringLiteral("0/0"), QStringLiteral("4/3/"), QStringLiteral("2/0"),
                           QStringLiteral("5/3/Eigen."), QStringLiteral("0/4")};
    }
    void ersterAufbauGleichNeuaufbau()
    {
        QFETCH(QStringList, schritte);
        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        k.frage({5, QStringLiteral("Daten?"), 1, 2, true, true});
        k.antwort({5,
                   0,
                   QStringLiteral("Seit (Eintrittsdatum), (VollerName)."),
                   {},
                   QStringLiteral("Name (VollerName) bleibt."),
                   {},
                   QStringLiteral("Herr "),
                   QStringLiteral(" bis (Austrittsdatum)x.")},
                  0, QStringLiteral("Deutsch"));
        Sitzung::instanz().arbeitnehmer.Titel = QStringLiteral("Dr.");
        Testumgebung umgebung;
        Fragenbildschirm b;
        for (const QString& schritt : std::as_const(schritte)) {
            const QStringList teil = schritt.split(QLatin1Char('/'));
            const int note = teil.at(0).toInt();
            const int knopf = teil.at(1).toInt();
            if (knopf != 3) {
                QVERIFY2(b.beantworten(note, knopf), qPrintable(schritt));
                continue;
            }
            if (note > 0)
                QVERIFY(Fragenbildschirm::klicken(b.wert(note)));
            QVERIFY(Fragenbildschirm::klicken(b.varian(3)));
            QTest::keyClicks(b.variante(), teil.at(2));
            QVERIFY(Fragenbildschirm::klicken(b.weiter()));
        }
        const QString erster = b.zeugnis();
        QVERIFY(erster.endsWith(schluss()));
        QVERIFY2(!erster.contains(QStringLiteral("(Eintrittsdatum)")) &&
                     !erster.contains(QStringLiteral("(Austrittsdatum)")),
                 qPrintable(erster));

        const Neuaufbau neu = zeugnisNeuAufbauen(QStringLiteral("Deutsch"), Sitzung::instanz());
        QVERIFY2(neu.ok(), qPrintable(neu.fehler));
        QCOMPARE(neu.text, erster);
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QCOMPARE(b.zeugnis(), erster);
        QVERIFY(umgebung.gezeigt.isEmpty());
    }

    void sprachknoepfe()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        vierFragen(k);
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 1));
        QVERIFY(b.beantworten(0, 4)); // skip before grading
        QVERIFY(Fragenbildschirm::klicken(b.wert(3)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(3)));
        QTest::keyClicks(b.variante(), QStringLiteral("Eigener Satz."));
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));
        QVERIFY(b.beantworten(1, 2));
        const QString erste = b.zeugnis();
        QCOMPARE(erste, QStringLiteral("F1B.") + CRLF + QStringLiteral("Eigener Satz. F4N1C.") + schluss());

        const QStringList kennungen{QString(), QStringLiteral("EN:"), QStringLiteral("IT:"),
                                    QStringLiteral("ES:"), QStringLiteral("FR:")};
        for (int i : {2, 5, 3, 4, 1}) {
            QVERIFY(Fragenbildschirm::klicken(b.wert(i)));
            const QString t = kennungen.at(i - 1);
            QCOMPARE(b.zeugnis(), t + QStringLiteral("F1B.") + CRLF + QStringLiteral("Eigener Satz. ") + t +
                                      QStringLiteral("F4N1C.") + schluss());
        }
        QCOMPARE(b.zeugnis(), erste);
        QVERIFY(umgebung.gezeigt.isEmpty());
        // A click on the button already selected rebuilds as well, after asking about the typed change.
        Textfeld::setzen(b.zeugnisFeld(), QStringLiteral("von Hand geändert"));
        umgebung.antworten = {Umgebung::Antwort::Ja};
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QCOMPARE(b.zeugnis(), erste);
        QCOMPARE(umgebung.gezeigt.size(), 1);
    }

    void sprachwechselFehlerImFenster()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1).bewerteteFrage(2, 4);
        k.sql(QStringLiteral("UPDATE AntwortenMannSpanisch SET VarianteAAntwort1 = NULL WHERE Frage = 2"));
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(b.beantworten(2, 0));
        QVERIFY(Fragenbildschirm::klicken(b.wert(4)));
        QCOMPARE(umgebung.gezeigt.size(), 1);
        const auto& m = umgebung.gezeigt.first().meldung;
        QCOMPARE(m.titel, Umgebung::programmtitel());
        QCOMPARE(m.knoepfe, Umgebung::Knoepfe::Ok);
        QCOMPARE(m.symbol, Umgebung::Symbol::Keins);
        QVERIFY(m.text.contains(QStringLiteral("Inkonsistente Datenbank bei Frage  2")));
        QCOMPARE(b.zeugnis(), QStringLiteral("ES:F1A.")); // built so far, no closing
        QCOMPARE(umgebung.beendet, 0);
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        QCOMPARE(b.zeugnis(), QStringLiteral("EN:F1A. EN:F2N2A.") + schluss());
    }

    void dialogAufbau()
    {
        dlgBeenden d(QStringLiteral("x"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Programm beenden"));
        QVERIFY(d.isModal());
        QCOMPARE(d.size(), QSize(520, 296));
        auto text = [&d](const char* name) {
            return d.findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("Label1"),
                 QStringLiteral("Das Arbeitszeugnis wird in die Zwischenablage kopiert. Sie können das "
                                "Arbeitszeugnis in Ihrer Textverarbeitung mit 'Bearbeiten - Einfügen', bzw. "
                                "[Strg+V] einfügen. Näheres im Handbuch Ihrer Textverarbeitung."));
        QCOMPARE(text("Label2"),
                 QStringLiteral("In Ihrer Textverarbeitung können Sie die Details, wie z.B.  genaues "
                                "Aufgabengebiet, genaue Beschreibung der Abteilung, eintragen."));
        QCOMPARE(text("Label3"), QStringLiteral("In die Zwischenablage "));
        QCOMPARE(text("Label4"), QStringLiteral("übernehmen"));
        auto* label = d.findChild<QLabel*>(QStringLiteral("Label3"));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QCOMPARE(label->font().family(), QApplication::font().family());
        auto* ja = d.findChild<QPushButton*>(QStringLiteral("cmdJa"));
        auto* nein = d.findChild<QPushButton*>(QStringLiteral("cmdNein"));
        QCOMPARE(ja->text(), QStringLiteral("Ja"));
        QCOMPARE(nein->text(), QStringLiteral("Nein"));
        QCOMPARE(ja->geometry(), QRect(152, 248, 81, 25));
        QCOMPARE(nein->geometry(), QRect(256, 248, 89, 25));
        QCOMPARE(ja->font().pointSizeF(), 9.75);
        QVERIFY(ja->font().bold());
        // Every text fits its box.
        for (auto* l : d.findChildren<QLabel*>())
            QVERIFY2(l->heightForWidth(l->width()) <= l->height() || !l->wordWrap(),
                     qPrintable(l->objectName()));
        for (const char* name : {"Label3", "Label4"}) {
            auto* l = d.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(l->sizeHint().width() <= l->width());
        }
    }

    void zwischenablage_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<bool>("kopiert");
        QTest::newRow("Ja") << QStringLiteral("cmdJa") << true;
        QTest::newRow("Nein") << QStringLiteral("cmdNein") << false;
    }
    void zwischenablage()
    {
        QFETCH(QString, knopf);
        QFETCH(bool, kopiert);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1, true).bewerteteFrage(2, 4, true);
        QVERIFY(Profil::schreiben(Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral(" 2")));
        Testumgebung umgebung;
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(b.beantworten(1, 1));
        QVERIFY(Fragenbildschirm::klicken(b.wert(2)));
        const QString text = b.zeugnis();
        QCOMPARE(text, QStringLiteral("F1A.\r\nF2N1B.\r\n\r\nBonn, 30.6.2024\r\n\r\nHans Huber")
                           .replace(QStringLiteral("F"), QStringLiteral("EN:F")));
        QCOMPARE(b.zwischenablage(knopf), QStringLiteral("dlgBeenden"));
        QCOMPARE(umgebung.zwischenablage, kopiert ? QList<QString>{text} : QList<QString>{});
        // The end state is saved as soon as it is reached, the hand-out when the text was copied.
        QCOMPARE(Hilfe::iniZeilen(),
                 QStringLiteral("[Abbruch]|Frage=0|ArbeitnehmerTyp= 1|Zeugnisart= 2|Zahl= 1"));
        QCOMPARE(Fortschritt::lesen()->value().zustand,
                 kopiert ? Fortschritt::Zustand::Ausgegeben : Fortschritt::Zustand::Ende);
        // Back in the end state, unchanged but for the counter, which moves on while below the announced
        // number.
        QCOMPARE(b.zeugnis(), text);
        QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
        QCOMPARE(b.zaehler(), QStringLiteral("Frage 4 von     34"));
        QCOMPARE(umgebung.beendet, 0);
        QVERIFY(umgebung.gezeigt.isEmpty());
    }

    void abbrechen_data()
    {
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("brief");
        QTest::addColumn<int>("beendet");
        QTest::newRow("Ja") << Umgebung::Antwort::Ja
                            << QStringLiteral("[Abbruch]|Frage= 2|ArbeitnehmerTyp= 1|Zeugnisart= 2|Zahl= 1")
                            << QStringLiteral("F1A.") << 1;
        // Every answer is saved at once; "Nein" discards it.
        QTest::newRow("Nein") << Umgebung::Antwort::Nein
                              << QStringLiteral("[Abbruch]|Frage=0|ArbeitnehmerTyp= 1|Zeugnisart= 2|Zahl= 1")
                              << QString() << 1;
        QTest::newRow("Abbrechen") << Umgebung::Antwort::Abbrechen
                                   << QStringLiteral(
                                          "[Abbruch]|Frage= 2|ArbeitnehmerTyp= 1|Zeugnisart= 2|Zahl= 1")
                                   << QStringLiteral("F1A.") << 0;
    }
    void abbrechen()
    {
        QFETCH(Umgebung::Antwort, antwort);
        QFETCH(QString, ini);
        QFETCH(QString, brief);
        QFETCH(int, beendet);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1).bewerteteFrage(2, 4).bewerteteFrage(3, 4);
        k.sql(QStringLiteral("UPDATE LetzterBrief SET Text = 'alter Text'"));
        QVERIFY(Profil::schreiben(Profil::Abbruch, QStringLiteral("Frage"), QStringLiteral(" 9")));
        Testumgebung umgebung;
        umgebung.antworten = {antwort};
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        QVERIFY(Fragenbildschirm::klicken(b.wert(1)));
        QVERIFY(Fragenbildschirm::klicken(b.varian(0)));
        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));

        const Umgebung::Meldung frage{
            QStringLiteral("Programm Beenden"),
            QStringLiteral("Wollen Sie Ihre Arbeit im Verzeichnis Zeugnis zwischenspeichern?"),
            Umgebung::Knoepfe::JaNeinAbbrechen, Umgebung::Symbol::Keins};
        QCOMPARE(umgebung.meldungen(), QList{frage});
        QCOMPARE(Hilfe::iniZeilen(), ini);
        QCOMPARE(k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).at(0).at(0).toString(), brief);
        QCOMPARE(umgebung.beendet, beendet);
        QCOMPARE(auswahl(k).size(), 2); // the choices stay in every case
        if (beendet == 0) {
            QVERIFY(b.weiter()->isEnabled());
            QVERIFY(b.varian(0)->isChecked());
            QCOMPARE(b.vorschlag(), QStringLiteral("F2N1A."));
        }
    }

    void abbrechenAufErsterFrage()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(5).bewerteteFrage(6, 4);
        Testumgebung umgebung;
        umgebung.antworten = {Umgebung::Antwort::Ja};
        Fragenbildschirm b;
        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));
        QCOMPARE(Hilfe::iniZeilen(),
                 QStringLiteral("[Abbruch]|ArbeitnehmerTyp= 1|Zeugnisart= 2|Frage= 5|Zahl= 0"));
        const QVariant text = k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).at(0).at(0);
        QVERIFY(!text.isNull());
        QCOMPARE(text.toString(), QString());
        QCOMPARE(umgebung.beendet, 1);
    }

    void beendenImEndzustand()
    {
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1);
        k.sql(QStringLiteral("UPDATE LetzterBrief SET Text = 'alter Text'"));
        Testumgebung umgebung;
        umgebung.antworten = {Umgebung::Antwort::Nein};
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        // The end state was saved when it was reached; keeping the work writes nothing more.
        const QString ini = Hilfe::iniZeilen();
        QCOMPARE(ini, QStringLiteral("[Abbruch]|ArbeitnehmerTyp= 1|Zeugnisart= 2|Frage=0|Zahl= 0"));
        QVERIFY(b.form->ArbeitZwischenspeichern());
        QCOMPARE(b.abbrechen()->text(), QStringLiteral("Beenden"));
        // Not handed out: "Nein" to the question leaves.
        QVERIFY(Fragenbildschirm::klicken(b.abbrechen()));
        QCOMPARE(umgebung.beendet, 1);
        QCOMPARE(umgebung.gezeigt.size(), 1);
        // Leaving keeps the end state as it was saved, to be offered at the next start.
        QCOMPARE(Hilfe::iniZeilen(), ini);
        QCOMPARE(k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).at(0).at(0).toString(),
                 b.zeugnis());
        QCOMPARE(Fortschritt::lesen()->value().zustand, Fortschritt::Zustand::Ende);
    }

    void schliessenDurchRahmen_data()
    {
        QTest::addColumn<bool>("amEnde");
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::addColumn<bool>("geschlossen");
        QTest::addColumn<int>("fragen");
        QTest::newRow("Frage, Abbrechen") << false << Umgebung::Antwort::Abbrechen << false << 1;
        QTest::newRow("Frage, Ja") << false << Umgebung::Antwort::Ja << true << 1;
        QTest::newRow("Frage, Nein") << false << Umgebung::Antwort::Nein << true << 1;
        QTest::newRow("Ende, Abbrechen") << true << Umgebung::Antwort::Abbrechen << false << 1;
        QTest::newRow("Ende, Nein") << true << Umgebung::Antwort::Nein << true << 1;
    }
    void schliessenDurchRahmen()
    {
        QFETCH(bool, amEnde);
        QFETCH(Umgebung::Antwort, antwort);
        QFETCH(bool, geschlossen);
        QFETCH(int, fragen);
        Arbeitsordner ordner;
        Testkatalog k;
        k.ungewerteteFrage(1).ungewerteteFrage(2);
        Testumgebung umgebung;
        umgebung.antworten = {antwort};
        Fragenbildschirm b;
        QVERIFY(b.beantworten(0, 0));
        if (amEnde)
            QVERIFY(b.beantworten(0, 0));
        QCOMPARE(b.form->close(), geschlossen);
        QCOMPARE(umgebung.gezeigt.size(), fragen);
        QCOMPARE(umgebung.beendet, geschlossen ? 1 : 0);
        if (!geschlossen) {
            QVERIFY(b.form->isVisible());
        } else {
            QTRY_VERIFY(b.form.isNull()); // closed and dropped
        }
        if (antwort == Umgebung::Antwort::Ja)
            QCOMPARE(k.zeilen(QStringLiteral("SELECT Text FROM LetzterBrief")).at(0).at(0).toString(),
                     QStringLiteral("F1A."));
    }
};

QTEST_MAIN(TstAusgabe)
#include "tst_ausgabe.moc"
