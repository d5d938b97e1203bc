#include "screens/Gruppenknopf.h"
#include "screens/ZeugnisForm.h"
#include "tests/Bildschirmhilfen.h"
#include "tests/Testkatalog.h"
#include "tests/Testumgebung.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPointer>
#include <QTimer>

using namespace Hilfe;

class TstZeugnisForm : public QObject
{
    Q_OBJECT

    static void ticken(QTimer* timer, int mal)
    {
        for (int i = 0; i < mal; ++i)
            QMetaObject::invokeMethod(timer, "timeout");
    }

private slots:
    void init() { Sitzung::instanz() = Sitzung{}; }
    void cleanup() { aufraeumen(); }

    void anfangszustand()
    {
        Testumgebung umgebung;
        QPointer<ZeugnisForm> f = zeigen<ZeugnisForm>();
        QVERIFY(f->windowTitle().isEmpty());
        QCOMPARE(f->palette().color(QPalette::Window), QColor(0, 0, 192));
        for (int i = 1; i <= 4; ++i) {
            auto* k = kind<Gruppenknopf>(f, QStringLiteral("Arbeitnehmer%1").arg(i));
            QVERIFY(k && k->isCheckable() && !k->isChecked() && k->isEnabled());
            QCOMPARE(k->isVisible(), i != 4);
            QCOMPARE(k->toolTip(),
                     QStringLiteral("Einen der drei Arbeitnehmertypen per Mausklick auswählen"));
        }
        QVERIFY(kind<Gruppenknopf>(f, QStringLiteral("Zeugnis2"))->isChecked());
        QVERIFY(kind<QWidget>(f, QStringLiteral("Frame3D2"))->isVisible());
        auto* status = kind<QLabel>(f, QStringLiteral("Statuszeile"));
        QCOMPARE(status->palette().color(QPalette::Window), QColor(192, 0, 0));
        QCOMPARE(status->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QVERIFY(umgebung.gezeigt.isEmpty());
    }

    // The banner is typed out one character per tick, stands until tick 25 and gives way to the prompt at
    // tick 26, when the timer stops for good. The ticks are driven directly, without the event loop.
    void bannerAnimation()
    {
        ZeugnisForm f;
        auto* timer = kind<QTimer>(&f, QStringLiteral("Timer1"));
        auto* status = kind<QLabel>(&f, QStringLiteral("Statuszeile"));
        QVERIFY(timer && status);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        const QString banner = ZeugnisForm::bannertext();
        QCOMPARE(banner, QStringLiteral("Zeugnisfeder"));
        for (int n = 1; n <= banner.size(); ++n) {
            ticken(timer, 1);
            QCOMPARE(status->text(), banner.left(n));
        }
        ticken(timer, ZeugnisForm::LetzterTakt - 1 - int(banner.size()));
        QCOMPARE(status->text(), banner);
        QVERIFY(timer->isActive());
        ticken(timer, 1);
        QCOMPARE(status->text(), QStringLiteral("Bitte Arbeitnehmertyp auswählen"));
        QVERIFY(!timer->isActive());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(kind<QWidget>(&f, QStringLiteral("Arbeitnehmer%1").arg(i))->isEnabled());
    }

    // The same with the real timer: once it has stopped, the prompt stands in the status line.
    void bannerEndetVonSelbst()
    {
        Testumgebung umgebung;
        QPointer<ZeugnisForm> f = zeigen<ZeugnisForm>();
        auto* timer = kind<QTimer>(f, QStringLiteral("Timer1"));
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 20000);
        QCOMPARE(kind<QLabel>(f, QStringLiteral("Statuszeile"))->text(),
                 QStringLiteral("Bitte Arbeitnehmertyp auswählen"));
    }

    void klickFaerbtUndMeldetStatus()
    {
        Testumgebung umgebung;
        QPointer<ZeugnisForm> f = zeigen<ZeugnisForm>();
        auto* status = kind<QLabel>(f, QStringLiteral("Statuszeile"));
        const QColor system = QApplication::palette().color(QPalette::Button);
        auto* k1 = kind<Gruppenknopf>(f, QStringLiteral("Arbeitnehmer1"));
        auto* k2 = kind<Gruppenknopf>(f, QStringLiteral("Arbeitnehmer2"));

        QTest::mouseClick(k2, Qt::LeftButton);
        QCOMPARE(status->text(),
                 QStringLiteral("Führungskraft Leitender Angestellter - Qualifiziertes Arbeitszeugnis"));
        QCOMPARE(k2->flaeche(), QColor(192, 0, 0));
        QCOMPARE(k1->flaeche(), system);

        QTest::mouseClick(k1, Qt::LeftButton);
        QVERIFY(k1->isChecked() && !k2->isChecked());
        QCOMPARE(status->text(),
                 QStringLiteral("Gewerblich kaufmännischer Arbeitnehmer - Qualifiziertes Arbeitszeugnis"));
        QCOMPARE(k1->flaeche(), QColor(192, 0, 0));
        QCOMPARE(k2->flaeche(), system);
    }

    void weiterPruefungen_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");
        const QString auswaehlen = QStringLiteral("Bitte auswählen");
        const QString keinTyp = QStringLiteral("Wählen Sie bitte einen Arbeitnehmertyp aus.");
        QTest::newRow("kein Typ") << 0 << 2 << auswaehlen << keinTyp;
        QTest::newRow("kein Typ, einfache Art") << 0 << 1 << auswaehlen << keinTyp;
        QTest::newRow("kein Typ, keine Art") << 0 << 0 << auswaehlen << keinTyp;
        QTest::newRow("keine Art") << 1 << 0 << auswaehlen
                                   << QStringLiteral("Wählen Sie bitte eine Zeugnisart aus.");
        QTest::newRow("Führungskraft einfach")
            << 2 << 1 << QStringLiteral("Bitte neu auswählen")
            << QStringLiteral(
                   "Für den Arbeitnehmertyp Führungskraft/Leitender Angestellter macht ein einfaches "
                   "Arbeitszeugnis keinen Sinn.");
        QTest::newRow("Führungskraft qualifiziert") << 2 << 2 << QString() << QString();
        QTest::newRow("Auszubildender einfach") << 3 << 1 << QString() << QString();
        QTest::newRow("Gewerblich qualifiziert") << 1 << 2 << QString() << QString();
    }
    void weiterPruefungen()
    {
        QFETCH(int, typ);
        QFETCH(int, art);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        Testumgebung umgebung;
        QPointer<ZeugnisForm> f = zeigen<ZeugnisForm>();
        if (typ > 0)
            QTest::mouseClick(kind<QWidget>(f, QStringLiteral("Arbeitnehmer%1").arg(typ)), Qt::LeftButton);
        auto* arten = kind<QButtonGroup>(f, QStringLiteral("ZeugnisGruppe"));
        if (art == 0) {
            arten->setExclusive(false);
            kind<Gruppenknopf>(f, QStringLiteral("Zeugnis2"))->setChecked(false);
        } else {
            kind<Gruppenknopf>(f, QStringLiteral("Zeugnis%1").arg(art))->setChecked(true);
        }
        auto* weiter = kind<QWidget>(f, QStringLiteral("WeiterButton"));
        QTest::mouseClick(weiter, Qt::LeftButton);
        QCOMPARE(Sitzung::instanz().Arbeitnehmertyp, qint16(typ));
        QCOMPARE(Sitzung::instanz().Zeugnisart, qint16(art));

        if (titel.isEmpty()) {
            QVERIFY(umgebung.gezeigt.isEmpty());
            QVERIFY(!f || !f->isVisible());
            QVERIFY(fenster(QStringLiteral("StammdatenForm")));
            return;
        }
        const Umgebung::Meldung warnung{titel, text, Umgebung::Knoepfe::Ok, Umgebung::Symbol::Ausrufezeichen};
        QCOMPARE(umgebung.meldungen(), QList{warnung});
        QCOMPARE(umgebung.gezeigt.first().fokus, QStringLiteral("WeiterButton"));
        abwarten();
        QVERIFY(f && f->isVisible());
        QCOMPARE(fokus(), QStringLiteral("WeiterButton"));
        QVERIFY(!fenster(QStringLiteral("StammdatenForm")));
    }

    // The interim reference is offered for a type only when the catalogue in the working folder holds its
    // set (here: type 1 alone), and never for the intern. Before a type is chosen it is offered when any
    // type has it.
    void zwischenzeugnis_data()
    {
        QTest::addColumn<bool>("katalog");
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("angeboten");
        QTest::addColumn<QString>("meldung"); // after Weiter with the interim kind; empty: hands over
        const QString keins =
            QStringLiteral("Der Fragenkatalog enthält noch kein Zwischenzeugnis für diesen Arbeitnehmertyp.");
        QTest::newRow("Gewerblich") << true << 1 << true << QString();
        QTest::newRow("Führungskraft ohne Satz") << true << 2 << false << keins;
        QTest::newRow("Auszubildender ohne Satz") << true << 3 << false << keins;
        QTest::newRow("Praktikant") << true << 4 << false
                                    << QStringLiteral("Für einen Praktikanten gibt es kein Zwischenzeugnis.");
        QTest::newRow("noch kein Typ")
            << true << 0 << true << QStringLiteral("Wählen Sie bitte einen Arbeitnehmertyp aus.");
        QTest::newRow("kein Katalog, kein Typ")
            << false << 0 << false << QStringLiteral("Wählen Sie bitte einen Arbeitnehmertyp aus.");
        QTest::newRow("kein Katalog") << false << 1 << false << keins;
    }
    void zwischenzeugnis()
    {
        QFETCH(bool, katalog);
        QFETCH(int, typ);
        QFETCH(bool, angeboten);
        QFETCH(QString, meldung);
        Arbeitsordner ordner;
        if (katalog) {
            Testkatalog k;
            k.ungewerteteFrage(501, true, false, Typ::Gewerblich, Art::Zwischen);
            k.ungewerteteFrage(101, true, false, Typ::Gewerblich, Art::Qualifiziert);
        }
        Testumgebung umgebung;
        QPointer<ZeugnisForm> f = zeigen<ZeugnisForm>();
        auto* zwischen = kind<Gruppenknopf>(f, QStringLiteral("Zeugnis3"));
        QCOMPARE(zwischen->text(), QStringLiteral("Zwischenzeugnis"));
        if (typ > 0)
            kind<Gruppenknopf>(f, QStringLiteral("Arbeitnehmer%1").arg(typ))->click();
        QCOMPARE(zwischen->isEnabled(), angeboten);
        QCOMPARE(zwischen->toolTip() == QStringLiteral("Eine der drei Zeugnisarten per Mausklick auswählen"),
                 angeboten);
        if (!angeboten && typ > 0)
            QCOMPARE(zwischen->toolTip(), meldung);

        // Chosen by keyboard where it is offered; a choice made before the type changed is checked on Weiter.
        if (angeboten) {
            zwischen->setFocus();
            QTest::keyClick(zwischen, Qt::Key_Space);
        } else {
            zwischen->setChecked(true);
        }
        QVERIFY(zwischen->isChecked());
        klicken(f, QStringLiteral("WeiterButton"));
        if (meldung.isEmpty()) {
            QVERIFY(umgebung.gezeigt.isEmpty());
            QCOMPARE(Sitzung::instanz().Zeugnisart, Art::Zwischen);
            QVERIFY(fenster(QStringLiteral("StammdatenForm")));
            return;
        }
        QCOMPARE(umgebung.gezeigt.size(), 1);
        QCOMPARE(umgebung.gezeigt.first().meldung.text, meldung);
        QVERIFY(f && f->isVisible());
        QVERIFY(!fenster(QStringLiteral("StammdatenForm")));
    }

    // Loading reads the five employer values; a missing or empty one sends the user to the employer screen.
    void ladenArbeitgeber_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("aufrufer");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("ort");
        const QString zf = QStringLiteral("ZeugnisForm");
        QTest::newRow("vollständig") << ArbeitgeberAbschnitt << QString() << QStringLiteral("Muster GmbH")
                                     << QStringLiteral("Freiburg");
        QTest::newRow("Firma fehlt") << QStringLiteral(
                                            "[Persönliche Daten]\nName=N\nStrasse=S\nPLZ=1\nOrt=O\n")
                                     << zf << QStringLiteral("alt") << QStringLiteral("O");
        QTest::newRow("PLZ leer") << QStringLiteral(
                                         "[Persönliche Daten]\nFirma=F\nName=N\nStrasse=S\nPLZ=\nOrt=O\n")
                                  << zf << QStringLiteral("F") << QStringLiteral("O");
        QTest::newRow("keine Datei") << QString() << zf << QStringLiteral("alt") << QStringLiteral("alt");
    }
    void ladenArbeitgeber()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, aufrufer);
        QFETCH(QString, firma);
        QFETCH(QString, ort);
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        if (!abschnitt.isNull())
            iniSchreiben(abschnitt);
        Sitzung::instanz().arbeitgeber.Firma = QStringLiteral("alt");
        Sitzung::instanz().arbeitgeber.Ort = QStringLiteral("alt");
        ZeugnisForm f;
        QCOMPARE(Sitzung::instanz().Aufrufer, aufrufer);
        QCOMPARE(Sitzung::instanz().arbeitgeber.Firma, firma);
        QCOMPARE(Sitzung::instanz().arbeitgeber.Ort, ort);
    }

    // "Frage" decides whether the interrupted reference is loaded into `Sitzung`.
    void ladenAbbruch_data()
    {
        QTest::addColumn<QString>("frage");
        QTest::addColumn<QString>("abbruchFrage");
        QTest::addColumn<bool>("geladen");
        QTest::newRow("fehlt") << QString() << QStringLiteral("vorher") << false;
        QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("0") << false;
        QTest::newRow("keine Zahl") << QStringLiteral("abc") << QStringLiteral("abc") << false;
        QTest::newRow("5") << QStringLiteral("5") << QStringLiteral("5") << true;
        QTest::newRow("negativ") << QStringLiteral("-2") << QStringLiteral("-2") << true;
    }
    void ladenAbbruch()
    {
        QFETCH(QString, frage);
        QFETCH(QString, abbruchFrage);
        QFETCH(bool, geladen);
        PROFIL_NOETIG();
        Arbeitsordner ordner;
        QString ini = ArbeitgeberAbschnitt + KlientenAbschnitt +
                      QStringLiteral("[Abbruch]\nArbeitnehmerTyp= 4\nZeugnisart= 1\nZahl= 9\n");
        if (!frage.isNull())
            ini += QStringLiteral("Frage=%1\n").arg(frage);
        iniSchreiben(ini);
        Sitzung::instanz().AbbruchFrage = QStringLiteral("vorher");
        ZeugnisForm f;
        const Sitzung& s = Sitzung::instanz();
        QCOMPARE(s.AbbruchFrage, abbruchFrage);
        QCOMPARE(s.Arbeitnehmertyp, qint16(geladen ? 4 : 0));
        QCOMPARE(s.Zeugnisart, qint16(geladen ? 1 : 0));
        QCOMPARE(s.Zahl, qint16(geladen ? 9 : 0));
        QCOMPARE(s.arbeitnehmer.Geschlecht, qint16(geladen ? 2 : 0));
        QCOMPARE(s.arbeitnehmer.Name, geladen ? QStringLiteral("Mustermann") : QString());
        QCOMPARE(s.arbeitnehmer.Zeugnisdatum, geladen ? QStringLiteral("15.07.2025") : QString());
    }
};

QTEST_MAIN(TstZeugnisForm)
#include "tst_zeugnisform.moc"
