#include "screens/Beenden.h"
#include "screens/StartForm.h"
#include "store/Sitzung.h"
#include "tests/Testumgebung.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TstStartForm : public QObject
{
    Q_OBJECT

private slots:
    void weiterOeffnetTypbildschirm()
    {
        Arbeitsordner ordner;
        Testumgebung umgebung;
        QPointer<StartForm> start = new StartForm;
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start));

        auto* weiter = start->findChild<QPushButton*>(QStringLiteral("WeiterButton"));
        QVERIFY(weiter);
        QCOMPARE(weiter->text(), QStringLiteral(">> Weiter >>"));
        QTest::mouseClick(weiter, Qt::LeftButton);

        // Within the click the type screen is shown and the start screen closed; the type screen's own
        // activation has not run yet.
        QVERIFY(start.isNull() || !start->isVisible());
        QWidget* naechster = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("ZeugnisForm") && w->isVisible())
                naechster = w;
        QVERIFY(naechster);
        QVERIFY(umgebung.gezeigt.isEmpty());
        QTRY_VERIFY(start.isNull()); // dropped

        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->objectName().isEmpty())
                delete w;
        Sitzung::instanz() = Sitzung{};
    }

    void panelsZentriert()
    {
        StartForm start;
        start.resize(900, 700);
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        auto* kopf = start.findChild<QWidget*>(QStringLiteral("SSPanel1"));
        auto* haupt = start.findChild<QWidget*>(QStringLiteral("Panel3D1"));
        QVERIFY(kopf && haupt);
        QVERIFY(qAbs(kopf->geometry().center().x() - start.frameGeometry().width() / 2) <= 1);
        QVERIFY(haupt->y() > kopf->y() + kopf->height());
    }

    void beendenBestaetigung_data()
    {
        QTest::addColumn<Umgebung::Antwort>("antwort");
        QTest::addColumn<int>("beendet");
        QTest::newRow("Ja beendet") << Umgebung::Antwort::Ja << 1;
        QTest::newRow("Nein bleibt") << Umgebung::Antwort::Nein << 0;
    }
    void beendenBestaetigung()
    {
        QFETCH(Umgebung::Antwort, antwort);
        QFETCH(int, beendet);
        Testumgebung umgebung;
        umgebung.antworten = {antwort};
        QCOMPARE(programmBeendenBestaetigen(nullptr), beendet == 1);
        QCOMPARE(umgebung.beendet, beendet);
        const Umgebung::Meldung frage{QStringLiteral("Programm beenden"),
                                      QStringLiteral("Wollen Sie wirklich das Programm beenden?"),
                                      Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Keins};
        QCOMPARE(umgebung.meldungen(), QList{frage});
    }
};

QTEST_MAIN(TstStartForm)
#include "tst_startform.moc"
