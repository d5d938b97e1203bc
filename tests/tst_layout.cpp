#include "screens/Layout.h"

#include <QTest>

class TstLayout : public QObject
{
    Q_OBJECT

private slots:
    void zweiPanels()
    {
        // Start screen: 9480 wide with a 7095-twip header puts the header at 1192.5.
        const auto p = Layout::zweiPanels(9480, 7425, {7095, 1575}, {8295, 4335});
        QCOMPARE(p.kopf.left, 1192.5);
        QCOMPARE(p.haupt.left, 592.5);
        QCOMPARE(p.kopf.top, 505.0); // (7425 - 4335 - 1575) / 3 = 505
        QCOMPARE(p.haupt.top, 1575.0 + 2 * 505);
    }

    void dreiPanels_data()
    {
        QTest::addColumn<double>("frei");
        QTest::addColumn<double>("luecke");
        QTest::newRow("408.75 rundet auf") << 1635.0 << 409.0;
        QTest::newRow("408.5 zur geraden Zahl") << 1634.0 << 408.0;
        QTest::newRow("409.5 zur geraden Zahl") << 1638.0 << 410.0;
        QTest::newRow("zu klein gibt negative Lücke") << -400.0 << -100.0;
    }
    void dreiPanels()
    {
        QFETCH(double, frei);
        QFETCH(double, luecke);
        const double summe = 1575 + 3975 + 735;
        const auto p = Layout::dreiPanels(9000, summe + frei, {7695, 1575}, {7095, 3975}, {7815, 735});
        QCOMPARE(p.kopf.top, luecke);
        QCOMPARE(p.haupt.top, 1575 + 2 * luecke);
        QCOMPARE(p.fuss.top, 1575 + 3 * luecke + 3975);
        QCOMPARE(p.fuss.left, (9000 - 7815) / 2.0);
    }

    void dreiPanelsBeispiel()
    {
        const auto p =
            Layout::dreiPanels(9000, 1575 + 3975 + 735 + 1635, {7695, 1575}, {7095, 3975}, {7815, 735});
        QCOMPARE(p.kopf.top, 409.0);
        QCOMPARE(p.haupt.top, 2393.0);
        QCOMPARE(p.fuss.top, 6777.0);
    }

    void einPanel()
    {
        const auto p = Layout::einPanel(10000, 8000, {9615, 7020});
        QCOMPARE(p.left, 192.5);
        QCOMPARE(p.top, 490.0 - 150.0); // not rounded
    }

    void umrechnung()
    {
        QCOMPARE(Layout::px(1500), 100);
        QCOMPARE(Layout::twips(100), 1500.0);
    }
};

QTEST_GUILESS_MAIN(TstLayout)
#include "tst_layout.moc"
