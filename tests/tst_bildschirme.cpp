// What every screen of the program shares: names, captions and labels that tests and assistive technology
// rely on, and the quit confirmation of the data-entry screens.
#include "screens/FragenForm.h"
#include "screens/PersoenlicheDaten.h"
#include "screens/StammdatenForm.h"
#include "screens/StartForm.h"
#include "screens/ZeugnisForm.h"
#include "screens/dlgBeenden.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Fragenbildschirm.h"

#include <QAbstractScrollArea>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>
#include <memory>

using namespace Hilfe;

namespace {

bool istTextfeld(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

// The controls the screen itself builds, without the parts Qt builds inside them (the viewport and scroll
// bars of a text box, for instance).
QList<QWidget*> steuerelemente(QWidget* fenster)
{
    QList<QWidget*> ergebnis;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        bool innenteil = false;
        for (QWidget* e = w->parentWidget(); e && e != fenster; e = e->parentWidget())
            innenteil = innenteil || qobject_cast<QAbstractScrollArea*>(e) || istTextfeld(e);
        if (!innenteil && (qobject_cast<QAbstractButton*>(w) || istTextfeld(w) || qobject_cast<QLabel*>(w) ||
                           qobject_cast<QGroupBox*>(w) || qobject_cast<QFrame*>(w)))
            ergebnis << w;
    }
    return ergebnis;
}

// Tab reaches the button, or, in a group of mutually exclusive buttons, the group: there Qt lets Tab stop
// at one button of the group and the arrow keys move among them.
bool perTabErreichbar(const QAbstractButton* b)
{
    if (b->focusPolicy() & Qt::TabFocus)
        return true;
    if (!b->isCheckable())
        return false;
    QList<QAbstractButton*> knoepfe;
    if (const QButtonGroup* gruppe = b->group(); gruppe && gruppe->exclusive())
        knoepfe = gruppe->buttons();
    else if (b->autoExclusive())
        knoepfe = b->parentWidget()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    return std::any_of(knoepfe.begin(), knoepfe.end(), [](const QAbstractButton* k) {
        return k->isCheckable() && (k->focusPolicy() & Qt::TabFocus);
    });
}

QLabel* buddyVon(QWidget* fenster, const QWidget* feld)
{
    for (QLabel* l : fenster->findChildren<QLabel*>())
        if (l->buddy() == feld)
            return l;
    return nullptr;
}

} // namespace

class TstBildschirme : public QObject
{
    Q_OBJECT

private slots:
    void init() { Sitzung::instanz() = Sitzung{}; }
    void cleanup() { aufraeumen(); }

    // Every control carries its name, unique in its window, so that tests find it; every text box is named
    // for assistive technology, by a label buddy whose text it announces or by an accessible name of its own;
    // every button shows its caption and can be reached with the Tab key.
    void zugaenglichkeit_data()
    {
        QTest::addColumn<QString>("bildschirm");
        for (const char* name : {"StartForm", "ZeugnisForm", "StammdatenForm", "PersönlicheDaten",
                                 "FragenForm", "FragenForm am Ende", "dlgBeenden"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void zugaenglichkeit()
    {
        QFETCH(QString, bildschirm);
        Arbeitsordner ordner;
        Testumgebung umgebung;
        Testkatalog k;
        k.ungewerteteFrage(1, true).bewerteteFrage(2, 5);
        sitzungSetzen();

        std::unique_ptr<Fragenbildschirm> fragen;
        std::unique_ptr<dlgBeenden> dialog;
        QPointer<QWidget> fenster;
        if (bildschirm == QStringLiteral("StartForm")) {
            fenster = new StartForm;
            fenster->show();
        } else if (bildschirm == QStringLiteral("ZeugnisForm")) {
            fenster = zeigen<ZeugnisForm>();
        } else if (bildschirm == QStringLiteral("StammdatenForm")) {
            fenster = zeigen<StammdatenForm>();
        } else if (bildschirm == QStringLiteral("PersönlicheDaten")) {
            fenster = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        } else if (bildschirm.startsWith(QStringLiteral("FragenForm"))) {
            fragen = std::make_unique<Fragenbildschirm>();
            if (bildschirm.endsWith(QStringLiteral("Ende"))) {
                QVERIFY(fragen->beantworten(0, 0));
                QVERIFY(fragen->beantworten(2, 1));
                QCOMPARE(fragen->weiter()->text(), QStringLiteral("Zwischenablage"));
            }
            fenster = fragen->form.data();
        } else {
            dialog = std::make_unique<dlgBeenden>(QStringLiteral("Zeugnistext"));
            dialog->show();
            fenster = dialog.get();
        }
        QVERIFY(fenster && fenster->isVisible());
        QCOMPARE(fenster->objectName(), bildschirm.section(QLatin1Char(' '), 0, 0));
        QVERIFY(umgebung.gezeigt.isEmpty());

        const QList<QWidget*> alle = steuerelemente(fenster);
        QVERIFY(!alle.isEmpty());
        QStringList namen;
        int textfelder = 0;
        for (QWidget* w : alle) {
            const QString wo = QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" in ") +
                               w->parentWidget()->objectName() + QStringLiteral(": ") + w->objectName();
            QVERIFY2(!w->objectName().isEmpty(), qPrintable(wo));
            QVERIFY2(!namen.contains(w->objectName()), qPrintable(wo + QStringLiteral(" doppelt")));
            namen << w->objectName();
            if (istTextfeld(w)) {
                ++textfelder;
                QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(wo));
                QVERIFY2(!w->accessibleName().isEmpty() || buddyVon(fenster, w), qPrintable(wo));
                if (QLabel* l = buddyVon(fenster, w)) {
                    QVERIFY2(!l->text().isEmpty(), qPrintable(wo));
                    QCOMPARE(w->accessibleName(), l->text());
                }
            }
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                QVERIFY2(!b->text().isEmpty(), qPrintable(wo));
                QVERIFY2(perTabErreichbar(b), qPrintable(wo));
            }
        }
        // A screen with text boxes has them all in the sweep.
        QCOMPARE(textfelder, int(fenster->findChildren<QLineEdit*>().size() +
                                 fenster->findChildren<QPlainTextEdit*>().size() +
                                 fenster->findChildren<QTextEdit*>().size()));
    }

    // "Abbrechen" and closing a data-entry screen by its window frame ask the same question; Yes ends the
    // program, No keeps the screen as it was, with what was typed.
    void beendenFragt_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<bool>("rahmen");
        QTest::addColumn<Umgebung::Antwort>("antwort");
        for (const char* name : {"ZeugnisForm", "StammdatenForm", "PersönlicheDaten"}) {
            for (bool rahmen : {false, true}) {
                for (auto antwort : {Umgebung::Antwort::Ja, Umgebung::Antwort::Nein}) {
                    const QString zeile =
                        QString::fromUtf8(name) +
                        (rahmen ? QStringLiteral(", Rahmen, ") : QStringLiteral(", Abbrechen, ")) +
                        (antwort == Umgebung::Antwort::Ja ? QStringLiteral("Ja") : QStringLiteral("Nein"));
                    QTest::newRow(qPrintable(zeile)) << QString::fromUtf8(name) << rahmen << antwort;
                }
            }
        }
    }
    void beendenFragt()
    {
        QFETCH(QString, bildschirm);
        QFETCH(bool, rahmen);
        QFETCH(Umgebung::Antwort, antwort);
        Arbeitsordner ordner;
        Testumgebung umgebung;
        umgebung.antworten = {antwort};
        QPointer<QWidget> f;
        if (bildschirm == QStringLiteral("ZeugnisForm"))
            f = zeigen<ZeugnisForm>();
        else if (bildschirm == QStringLiteral("StammdatenForm"))
            f = zeigen<StammdatenForm>();
        else
            f = zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        QVERIFY(f && f->isVisible());
        auto* feld = f->findChild<QLineEdit*>(QStringLiteral("Stammdaten0"));
        if (feld)
            feld->setText(QStringLiteral("ungespeichert"));

        if (rahmen)
            f->close();
        else
            klicken(f, QStringLiteral("AbbrechenButton"));
        abwarten();

        const Umgebung::Meldung frage{QStringLiteral("Programm beenden"),
                                      QStringLiteral("Wollen Sie wirklich das Programm beenden?"),
                                      Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Keins};
        QCOMPARE(umgebung.meldungen(), QList{frage});
        QCOMPARE(umgebung.beendet, antwort == Umgebung::Antwort::Ja ? 1 : 0);
        if (antwort == Umgebung::Antwort::Nein) {
            QVERIFY(f && f->isVisible());
            if (feld)
                QCOMPARE(feld->text(), QStringLiteral("ungespeichert"));
        }
    }
};

QTEST_MAIN(TstBildschirme)
#include "tst_bildschirme.moc"
