// The question screen on the delivered catalogue: a whole qualified reference for a commercial employee
// written through the widgets, question by question, and rebuilt in every language. The expected text is
// composed here from the catalogue's own rows.
#include "engine/Schema.h"
#include "tests/Fragenbildschirm.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

struct Antwort
{
    int frage = 0;
    int note = 0;
    int wahl = 0; // 0 to 2 the letters, 3 own wording, 4 skip
};

// One row of an answer table by an SQL of its own, not by the program's access layer.
QString phrase(const QString& tabelle, int frage, int note, int buchstabe, const QString& name)
{
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("echter-katalog")));
    q.prepare(
        QStringLiteral("SELECT Variante%1Antwort1, Variante%1Antwort2 FROM %2 WHERE Frage = ? AND Note = ?")
            .arg(QChar(u'A' + buchstabe))
            .arg(tabelle));
    q.addBindValue(frage);
    q.addBindValue(note);
    if (!q.exec() || !q.next())
        return QStringLiteral("<fehlt %1/%2>").arg(frage).arg(note);
    return q.value(1).isNull() ? q.value(0).toString() : q.value(0).toString() + name + q.value(1).toString();
}

bool absatz(const QString& tabelle, int frage)
{
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("echter-katalog")));
    q.prepare(QStringLiteral("SELECT Absatz FROM %1 WHERE Nr = ?").arg(tabelle));
    q.addBindValue(frage);
    return q.exec() && q.next() && q.value(0).toInt() != 0;
}

const QString EigenerSatz = QStringLiteral("Eigene Worte; mit \"Zeichen\" \\ und 100 %.");

} // namespace

class TstEchterKatalog : public QObject
{
    Q_OBJECT

private slots:
    void ganzesZeugnis_data()
    {
        QTest::addColumn<int>("geschlecht");
        QTest::newRow("Mann") << 1;
        QTest::newRow("Frau") << 2;
    }
    void ganzesZeugnis()
    {
        QFETCH(int, geschlecht);
#ifndef ZEUGNIS_KATALOG
        QSKIP("Der Katalog wird in diesem Build nicht gebaut.");
#else
        if (!QFile::exists(QStringLiteral(ZEUGNIS_KATALOG)))
            QSKIP("Der Katalog wird in diesem Build nicht gebaut.");
        Arbeitsordner ordner;
        QVERIFY(QFile::copy(QStringLiteral(ZEUGNIS_KATALOG), ordner.pfad(QStringLiteral("system98.dll"))));
        QFile(ordner.pfad(QStringLiteral("system98.dll")))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        sitzungSetzen(1, 2, qint16(geschlecht));
        Sitzung& s = Sitzung::instanz();
        s.arbeitnehmer.Titel = QStringLiteral("Dr.");

        Testumgebung umgebung;
        QList<Antwort> antworten;
        {
            Fragenbildschirm b;
            QVERIFY(b.form->isVisible());
            for (int i = 0; i < 34; ++i) {
                QCOMPARE(b.zaehler(), QStringLiteral("Frage %1 von     34").arg(i + 1));
                Antwort a;
                a.frage = 101 + i;
                if (b.bewertung()->isVisible()) {
                    a.note = 1 + i % (b.wert(5)->isEnabled() ? 5 : 4);
                    QVERIFY(Fragenbildschirm::klicken(b.wert(a.note)));
                }
                if (b.varian(4)->isEnabled() && i % 4 == 2) {
                    a.wahl = 4;
                } else if (i == 7 || i == 20) {
                    a.wahl = 3;
                } else {
                    a.wahl = i % 3;
                    while (a.wahl < 3 && !b.varian(a.wahl)->isEnabled())
                        ++a.wahl;
                    QVERIFY2(a.wahl < 3, qPrintable(QStringLiteral("Frage %1 ohne Vorschlag").arg(a.frage)));
                }
                QVERIFY(Fragenbildschirm::klicken(b.varian(a.wahl)));
                if (a.wahl == 3)
                    QTest::keyClicks(b.variante(), EigenerSatz);
                if (a.wahl != 4) {
                    QVERIFY(!b.vorschlag().contains(QStringLiteral("(Eintrittsdatum)")));
                    QVERIFY(Fragenbildschirm::klicken(b.weiter()));
                }
                antworten << a;
            }
            QCOMPARE(b.weiter()->text(), QStringLiteral("Zwischenablage"));
            QVERIFY(umgebung.gezeigt.isEmpty());

            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("echter-katalog"));
            db.setDatabaseName(ordner.pfad(QStringLiteral("system98.dll")));
            QVERIFY(db.open());
            const QString fragen = Schema::fragenTabelle(qint16(geschlecht));
            // In the order of the buttons: Deutsch, Englisch, Italienisch, Spanisch, Französisch.
            const QStringList woerter{QStringLiteral("Deutsch"), QStringLiteral("Englisch"),
                                      QStringLiteral("Italienisch"), QStringLiteral("Spanisch"),
                                      QStringLiteral("Franzoesisch")};
            for (int knopf : {0, 2, 3, 4, 5, 1}) {
                if (knopf > 0)
                    QVERIFY(Fragenbildschirm::klicken(b.wert(knopf)));
                const QString tabelle =
                    Schema::antwortTabelle(qint16(geschlecht), woerter.at(knopf == 0 ? 0 : knopf - 1));
                QString erwartet;
                for (const Antwort& a : std::as_const(antworten)) {
                    if (a.wahl == 4)
                        continue;
                    QString satz = a.wahl == 3
                                       ? EigenerSatz
                                       : phrase(tabelle, a.frage, a.note, a.wahl, s.arbeitnehmer.Name);
                    TextBausteineEinsetzen(satz, s.arbeitnehmer);
                    erwartet += trenner(absatz(fragen, a.frage), erwartet.isEmpty()) + satz;
                }
                erwartet += schluss();
                QCOMPARE(b.zeugnis(), erwartet);
                QVERIFY(!b.zeugnis().contains(QStringLiteral("(Eintrittsdatum)")));
                QVERIFY(!b.zeugnis().contains(QStringLiteral("(VollerName)")));
            }
            QVERIFY(umgebung.gezeigt.isEmpty());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("echter-katalog"));
#endif
    }
};

QTEST_MAIN(TstEchterKatalog)
#include "tst_echterkatalog.moc"
