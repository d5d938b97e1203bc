// What a restart shows after a crash at each moment of writing a reference: the program is "killed" by
// dropping its windows and the shared record without any closing handler, then started again on the same
// working folder.
#include "engine/Fortschritt.h"
#include "screens/FragenForm.h"
#include "store/Dateiablage.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Fragenbildschirm.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <memory>

using namespace Hilfe;

namespace {

// Three ungraded questions of type 1, qualified, that may be skipped; phrasings "F<nr>A." to "F<nr>C.".
void katalog()
{
    Testkatalog k;
    for (int nr = 1; nr <= 3; ++nr)
        k.ungewerteteFrage(nr, false, true);
}

// Employer and employee recorded, work waiting at question 1: the start leads straight to the questions.
void ersterStart()
{
    iniSchreiben(ArbeitgeberAbschnitt + KlientenAbschnitt +
                 QStringLiteral("[Abbruch]\nArbeitnehmerTyp= 1\nZeugnisart= 2\nFrage= 1\nZahl= 0\n"));
}

std::unique_ptr<Fragenbildschirm> fragenbildschirm()
{
    auto* form = qobject_cast<FragenForm*>(fenster(QStringLiteral("FragenForm")));
    return form ? std::make_unique<Fragenbildschirm>(form) : nullptr;
}

// A kill: every window and the shared record go, no handler runs.
void absturz(std::unique_ptr<Fragenbildschirm>& b)
{
    b.reset();
    aufraeumen();
}

const QString Schluss = QStringLiteral("\r\n\r\nFreiburg, 15.07.2025\r\n\r\nErika Beispiel");

} // namespace

class TstFortschritt : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { aufraeumen(); }

    // After an answer (Weiter or a skip) the next start shows the next question, the text as after the
    // answer, the counter and the choices; while a question is being chosen, that question with the text
    // before it.
    void absturzBeimBeantworten_data()
    {
        QTest::addColumn<bool>("mitteInDerWahl");
        QTest::newRow("nach der Antwort") << false;
        QTest::newRow("während der Wahl") << true;
    }
    void absturzBeimBeantworten()
    {
        QFETCH(bool, mitteInDerWahl);
        Arbeitsordner ordner;
        katalog();
        ersterStart();
        Testumgebung umgebung;
        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        QVERIFY(b->beantworten(0, 1)); // F1B.
        QVERIFY(b->beantworten(0, 4)); // skip
        if (mitteInDerWahl)
            QVERIFY(Fragenbildschirm::klicken(b->varian(2)));
        absturz(b);

        starten();
        b = fragenbildschirm();
        QVERIFY(b);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QCOMPARE(b->zaehler(), QStringLiteral("Frage 3 von     34"));
        QVERIFY2(b->frage().startsWith(QStringLiteral("Frage 3")), qPrintable(b->frage()));
        QCOMPARE(b->zeugnis(), QStringLiteral("F1B."));
        QVERIFY(b->beantworten(0, 0));
        QCOMPARE(b->zeugnis(), QStringLiteral("F1B. F3A.") + Schluss);
    }

    // In the end state the next start offers the finished reference, in the language last chosen, and never
    // a question; "Nein" begins a new reference and keeps the finished one on the start screen.
    void absturzImEndzustand_data()
    {
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::newRow("ansehen") << Umgebung::Antwort::Ja;
        QTest::newRow("neues Zeugnis") << Umgebung::Antwort::Nein;
    }
    void absturzImEndzustand()
    {
        QFETCH(Umgebung::Antwort, antwort);
        Arbeitsordner ordner;
        katalog();
        ersterStart();
        Testumgebung umgebung;
        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        for (int k : {0, 1, 2})
            QVERIFY(b->beantworten(0, k));
        QVERIFY(Fragenbildschirm::klicken(b->wert(2))); // Englisch
        const QString englisch = b->zeugnis();
        QVERIFY2(englisch.startsWith(QStringLiteral("EN:F1A.")), qPrintable(englisch));
        absturz(b);

        umgebung.antworten = {antwort};
        starten();
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(umgebung.gezeigt.first().meldung.titel, QStringLiteral("Fertiges Zeugnis"));
        b = fragenbildschirm();
        if (antwort == Umgebung::Antwort::Ja) {
            QVERIFY(b);
            QCOMPARE(b->zeugnis(), englisch);
            QCOMPARE(b->weiter()->text(), QStringLiteral("Zwischenablage"));
            QVERIFY(b->wert(2)->isChecked());
            QVERIFY(b->frame()->isHidden());
            QCOMPARE(b->zwischenablage(), QStringLiteral("dlgBeenden"));
            QCOMPARE(umgebung.zwischenablage, QList<QString>{englisch});
            return;
        }
        QVERIFY(!b);
        QVERIFY(fenster(QStringLiteral("ZeugnisForm")));
        aufraeumen();
        // The finished reference stays on the start screen.
        auto* start = new StartForm;
        start->show();
        auto* letztes = kind<QPushButton>(start, QStringLiteral("LetztesZeugnisButton"));
        QVERIFY(letztes->isVisible());
        QVERIFY(Fragenbildschirm::klicken(letztes));
        QCOMPARE(umgebung.zwischenablage, QList<QString>{englisch});
        delete start;
    }

    // After the hand-out a new reference begins as usual; the finished one stays retrievable.
    void nachDerAusgabe()
    {
        Arbeitsordner ordner;
        katalog();
        ersterStart();
        Testumgebung umgebung;
        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        for (int k : {0, 0, 0})
            QVERIFY(b->beantworten(0, k));
        const QString fertig = b->zeugnis();
        QCOMPARE(b->zwischenablage(), QStringLiteral("dlgBeenden"));
        absturz(b);

        starten();
        QVERIFY(umgebung.gezeigt.isEmpty());
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QVERIFY(fenster(QStringLiteral("ZeugnisForm")));
        const auto stand = Fortschritt::lesen();
        QVERIFY(stand && *stand);
        QCOMPARE((*stand)->zustand, Fortschritt::Zustand::Ausgegeben);
        QCOMPARE((*stand)->fertig, fertig);
        QVERIFY2(iniZeilen().contains(QStringLiteral("|Frage=0|")), qPrintable(iniZeilen()));
    }

    // "Abbrechen", "Nein": the next start begins a new reference.
    void verwerfen()
    {
        Arbeitsordner ordner;
        katalog();
        ersterStart();
        Testumgebung umgebung;
        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        QVERIFY(b->beantworten(0, 0));
        umgebung.antworten = {Umgebung::Antwort::Nein};
        QVERIFY(Fragenbildschirm::klicken(b->abbrechen()));
        QCOMPARE(umgebung.beendet, 1);
        absturz(b);

        starten();
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QVERIFY(!fenster(QStringLiteral("FragenForm")));
        QVERIFY(fenster(QStringLiteral("ZeugnisForm")));
        QCOMPARE(Fortschritt::lesen()->value().zustand, Fortschritt::Zustand::Keiner);
    }

    // A full disk while the copy in the settings file is written: the user is told, the file stays as it
    // was, and the next start continues from the catalogue file's record.
    void vollePlatteBeimSichern()
    {
        Arbeitsordner ordner;
        katalog();
        ersterStart();
        Testumgebung umgebung;
        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        QVERIFY(b->beantworten(0, 0));
        const QString vorher = iniLesen();
        Dateiablage::setzeStoerung(
            [](Dateiablage::Schritt s, const QString&) { return s == Dateiablage::Schritt::Leeren; });
        QVERIFY(b->beantworten(0, 1));
        Dateiablage::setzeStoerung({});
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QVERIFY2(umgebung.gezeigt.first().meldung.text.contains(QStringLiteral("konnte nicht geschrieben")),
                 qPrintable(umgebung.gezeigt.first().meldung.text));
        QCOMPARE(iniLesen(), vorher);
        QCOMPARE(umgebung.beendet, 0);
        absturz(b);

        starten();
        b = fragenbildschirm();
        QVERIFY(b);
        QCOMPARE(b->zaehler(), QStringLiteral("Frage 3 von     34"));
        QCOMPARE(b->zeugnis(), QStringLiteral("F1A. F2B."));
    }

    // The second press of a double click on "Frage überspringen" lands on the next question's skip button
    // and is dropped; a later press counts.
    void doppelklickUeberspringtEineFrage()
    {
        Arbeitsordner ordner;
        katalog();
        ersterStart();
        Testumgebung umgebung;
        starten();
        auto b = fragenbildschirm();
        QVERIFY(b);
        QPushButton* ueberspringen = b->varian(4);
        const QPoint mitte = ueberspringen->rect().center();
        const auto abstand = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        auto druecken = [&](quint64 zeit, QEvent::Type art) {
            QMouseEvent ab(art, mitte, ueberspringen->mapToGlobal(mitte), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
            ab.setTimestamp(zeit);
            QCoreApplication::sendEvent(ueberspringen, &ab);
            QMouseEvent auf(QEvent::MouseButtonRelease, mitte, ueberspringen->mapToGlobal(mitte),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            auf.setTimestamp(zeit + 1);
            QCoreApplication::sendEvent(ueberspringen, &auf);
        };
        const quint64 t = 50000000;
        druecken(t, QEvent::MouseButtonPress);
        druecken(t + abstand / 3, QEvent::MouseButtonPress);
        druecken(t + abstand / 3, QEvent::MouseButtonDblClick);
        QCOMPARE(b->zaehler(), QStringLiteral("Frage 2 von     34"));
        druecken(t + 2 * abstand, QEvent::MouseButtonPress);
        QCOMPARE(b->zaehler(), QStringLiteral("Frage 3 von     34"));
    }
};

QTEST_MAIN(TstFortschritt)
#include "tst_fortschritt.moc"
