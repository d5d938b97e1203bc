#include "screens/FragenForm.h"
#include "screens/PersoenlicheDaten.h"
#include "screens/StammdatenForm.h"
#include "screens/StartForm.h"
#include "screens/ZeugnisForm.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Fragenbildschirm.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

// Every screen on the screen it starts on, whatever the display scaling (ctest runs this suite at scaling 1
// and again at 1.5, where the offscreen screen is smaller than the screens' design): the window lies within
// the screen's available area, every control lies whole inside its panel and every panel inside the canvas,
// and every control can be scrolled into view. A larger window widens the text boxes.

using namespace Hilfe;
using namespace Qt::StringLiterals;

namespace {

QScrollArea* flaecheVon(QWidget* fenster)
{
    return fenster->findChild<QScrollArea*>(QStringLiteral("Flaeche"));
}

// The controls the user works with: buttons and text boxes, not the inner parts of a text box.
QList<QWidget*> bedienelemente(QWidget* innen)
{
    QList<QWidget*> r;
    for (QWidget* w : innen->findChildren<QWidget*>()) {
        const bool textfeld = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
        if (w->isVisibleTo(innen) && (textfeld || qobject_cast<QAbstractButton*>(w)))
            r << w;
    }
    return r;
}

QString name(const QWidget* w)
{
    return w->parentWidget()->objectName() + QStringLiteral("/") + w->objectName();
}

} // namespace

class TstFenster : public QObject
{
    Q_OBJECT

    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<Testumgebung> m_umgebung;
    std::unique_ptr<Testkatalog> m_katalog;
    std::unique_ptr<Fragenbildschirm> m_fragen;

    QWidget* oeffnen(const QString& bildschirm)
    {
        if (bildschirm == QStringLiteral("StartForm")) {
            auto* start = new StartForm;
            start->show();
            return start;
        }
        if (bildschirm == QStringLiteral("ZeugnisForm"))
            return zeigen<ZeugnisForm>();
        if (bildschirm == QStringLiteral("StammdatenForm"))
            return zeigen<StammdatenForm>();
        if (bildschirm == QStringLiteral("PersönlicheDaten"))
            return zeigen<PersoenlicheDaten>(QStringLiteral("ZeugnisForm"));
        m_fragen = std::make_unique<Fragenbildschirm>();
        return m_fragen->form;
    }

private slots:
    void init()
    {
        Sitzung::instanz() = Sitzung{};
        m_ordner = std::make_unique<Arbeitsordner>();
        m_umgebung = std::make_unique<Testumgebung>();
        m_katalog = std::make_unique<Testkatalog>();
        m_katalog->ungewerteteFrage(1, true).bewerteteFrage(2, 5);
        sitzungSetzen();
    }
    void cleanup()
    {
        m_fragen.reset();
        aufraeumen();
        m_katalog.reset();
        m_umgebung.reset();
        m_ordner.reset();
    }

    void passt_data()
    {
        QTest::addColumn<QString>("bildschirm");
        for (const char* name :
             {"StartForm", "ZeugnisForm", "StammdatenForm", "PersönlicheDaten", "FragenForm"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void passt()
    {
        QFETCH(QString, bildschirm);
        QWidget* fenster = oeffnen(bildschirm);
        QVERIFY(fenster && fenster->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        QVERIFY(m_umgebung->gezeigt.isEmpty());

        const QRect verfuegbar = fenster->screen()->availableGeometry();
        QVERIFY2(fenster->frameGeometry().width() <= verfuegbar.width() &&
                     fenster->frameGeometry().height() <= verfuegbar.height(),
                 qPrintable(QStringLiteral("%1x%2 auf %3x%4")
                                .arg(fenster->frameGeometry().width())
                                .arg(fenster->frameGeometry().height())
                                .arg(verfuegbar.width())
                                .arg(verfuegbar.height())));

        QScrollArea* flaeche = flaecheVon(fenster);
        QVERIFY(flaeche);
        QWidget* innen = flaeche->widget();
        for (QWidget* panel : innen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (panel->isVisibleTo(innen))
                QVERIFY2(innen->rect().contains(panel->geometry()), qPrintable(name(panel)));

        // The canvas scrolls exactly where it is larger than the window.
        QCOMPARE(flaeche->horizontalScrollBar()->maximum() > 0,
                 innen->width() > flaeche->viewport()->width());
        QCOMPARE(flaeche->verticalScrollBar()->maximum() > 0,
                 innen->height() > flaeche->viewport()->height());

        const QList<QWidget*> elemente = bedienelemente(innen);
        QVERIFY(!elemente.isEmpty());
        for (QWidget* w : elemente) {
            for (QWidget* p = w; p != innen; p = p->parentWidget())
                QVERIFY2(p->parentWidget()->rect().contains(p->geometry()), qPrintable(name(p)));
            // Scrolling can bring it whole into view.
            const QRect imInnern(w->mapTo(innen, QPoint(0, 0)), w->size());
            QVERIFY2(innen->rect().contains(imInnern), qPrintable(name(w)));
            QVERIFY2(imInnern.width() <= flaeche->viewport()->width() &&
                         imInnern.height() <= flaeche->viewport()->height(),
                     qPrintable(name(w)));
        }
    }

    // A larger window gives the text boxes more room and keeps every control inside its panel.
    void waechst_data()
    {
        QTest::addColumn<QString>("bildschirm");
        QTest::addColumn<QStringList>("breiter");
        QTest::addColumn<QStringList>("hoeher");
        QTest::newRow("PersönlicheDaten")
            << u"PersönlicheDaten"_s << QStringList{u"Stammdaten4"_s, u"Stammdaten0"_s, u"Stammdaten3"_s}
            << QStringList{};
        QTest::newRow("StammdatenForm")
            << u"StammdatenForm"_s << QStringList{u"Stammdaten0"_s, u"Stammdaten7"_s, u"Stammdaten11"_s}
            << QStringList{};
        QTest::newRow("FragenForm") << u"FragenForm"_s << QStringList{u"Variante"_s, u"Zeugnis"_s}
                                    << QStringList{u"Variante"_s, u"Zeugnis"_s};
    }
    void waechst()
    {
        QFETCH(QString, bildschirm);
        QFETCH(QStringList, breiter);
        QFETCH(QStringList, hoeher);
        QWidget* fenster = oeffnen(bildschirm);
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        // Measured from where nothing scrolls: on a screen smaller than the window, growth first ends the
        // scrolling.
        QScrollArea* flaeche = flaecheVon(fenster);
        fenster->resize(
            fenster->size() +
            (flaeche->widget()->minimumSize() - flaeche->viewport()->size()).expandedTo(QSize(0, 0)));
        QTRY_COMPARE(flaeche->widget()->size(), flaeche->viewport()->size());
        QMap<QString, QSize> vorher;
        for (const QString& n : breiter + hoeher)
            vorher[n] = kind<QWidget>(fenster, n)->size();

        fenster->resize(fenster->size() + QSize(400, 300));
        QTRY_COMPARE(flaecheVon(fenster)->widget()->size(), flaecheVon(fenster)->viewport()->size());
        for (const QString& n : breiter)
            QVERIFY2(kind<QWidget>(fenster, n)->width() >= vorher[n].width() + 100, qPrintable(n));
        for (const QString& n : hoeher)
            QVERIFY2(kind<QWidget>(fenster, n)->height() > vorher[n].height() + 40, qPrintable(n));
        QWidget* innen = flaecheVon(fenster)->widget();
        for (QWidget* w : bedienelemente(innen))
            for (QWidget* p = w; p != innen; p = p->parentWidget())
                QVERIFY2(p->parentWidget()->rect().contains(p->geometry()), qPrintable(name(p)));
    }
};

QTEST_MAIN(TstFenster)
#include "tst_fenster.moc"
