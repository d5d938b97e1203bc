#include "tests/Echterkatalog.h"

#include "engine/Schema.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"
#include "tests/Fragenbildschirm.h"
#include "tests/Testkatalog.h"
#include "tests/Testumgebung.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <atomic>

bool Echterkatalog::vorhanden()
{
    return QFile::exists(QStringLiteral(ZEUGNIS_KATALOG));
}

bool Echterkatalog::kopieren(const Arbeitsordner& ordner, const QString& katalog)
{
    const QString ziel = ordner.pfad(Schema::Dateiname);
    return QFile::copy(katalog, ziel) && QFile(ziel).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

Echterkatalog::Echterkatalog()
{
    static std::atomic<int> zaehler{0};
    m_verbindung = QStringLiteral("echter-katalog-%1").arg(++zaehler);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    db.setDatabaseName(Schema::Dateiname);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!QFile::exists(Schema::Dateiname) || !db.open())
        qFatal("Echterkatalog: %s fehlt oder ist unlesbar", qPrintable(Schema::Dateiname));
}

Echterkatalog::~Echterkatalog()
{
    QSqlDatabase::database(m_verbindung, false).close();
    QSqlDatabase::removeDatabase(m_verbindung);
}

QList<Echterkatalog::Frage> Echterkatalog::fragen(qint16 geschlecht, qint16 typ, qint16 art) const
{
    QSqlQuery q =
        sqlAusfuehren(m_verbindung,
                      QStringLiteral("SELECT Nr, Frage FROM %1 WHERE Arbeitnehmertyp = ? AND Zeugnisart = ? "
                                     "ORDER BY Nr")
                          .arg(Schema::fragenTabelle(geschlecht)),
                      {typ, art});
    QList<Frage> ergebnis;
    while (q.next())
        ergebnis.append({q.value(0).toInt(), q.value(1).toString()});
    return ergebnis;
}

QString Echterkatalog::phrase(const QString& tabelle, const Antwort& a, const QString& name) const
{
    QSqlQuery q = sqlAusfuehren(
        m_verbindung,
        QStringLiteral("SELECT Variante%1Antwort1, Variante%1Antwort2 FROM %2 WHERE Frage = ? AND Note = ?")
            .arg(QChar(u'A' + a.wahl), tabelle),
        {a.frage, a.note});
    if (!q.next())
        return QStringLiteral("<fehlt %1/%2>").arg(a.frage).arg(a.note);
    return q.value(1).isNull() ? q.value(0).toString() : q.value(0).toString() + name + q.value(1).toString();
}

bool Echterkatalog::absatz(const QString& tabelle, qint32 frage) const
{
    QSqlQuery q = sqlAusfuehren(m_verbindung,
                                QStringLiteral("SELECT Absatz FROM %1 WHERE Nr = ?").arg(tabelle), {frage});
    return q.next() && q.value(0).toInt() != 0;
}

QString Echterkatalog::text(const QList<Antwort>& antworten, qint16 geschlecht, const QString& sprachwort,
                            const Arbeitnehmerdaten& daten) const
{
    const QString fragen = Schema::fragenTabelle(geschlecht);
    const QString tabelle = Schema::antwortTabelle(geschlecht, sprachwort);
    QString text;
    for (const Antwort& a : antworten) {
        if (a.wahl == 4)
            continue;
        QString satz = a.wahl == 3 ? EigenerSatz : phrase(tabelle, a, daten.Name);
        TextBausteineEinsetzen(satz, daten);
        text += trenner(absatz(fragen, a.frage), text.isEmpty()) + satz;
    }
    return text;
}

namespace {

void musterantwort(Fragenbildschirm& b, int i, Echterkatalog::Antwort& a)
{
    if (b.bewertung()->isVisible()) {
        a.note = 1 + i % (b.wert(5)->isEnabled() ? 5 : 4);
        QVERIFY(Fragenbildschirm::klicken(b.wert(a.note)));
    }
    if (b.varian(4)->isEnabled() && i % 4 == 2) {
        a.wahl = 4;
    } else if (i % 13 == 7) {
        a.wahl = 3;
    } else {
        a.wahl = i % 3;
        while (a.wahl < 3 && !b.varian(a.wahl)->isEnabled())
            ++a.wahl;
        QVERIFY2(a.wahl < 3, qPrintable(QStringLiteral("Frage %1 ohne Textvorschlag").arg(a.frage)));
    }
    QVERIFY(Fragenbildschirm::klicken(b.varian(a.wahl)));
    if (a.wahl == 3)
        QTest::keyClicks(b.variante(), Echterkatalog::EigenerSatz);
    if (a.wahl != 4) {
        QVERIFY2(!b.vorschlag().contains(QStringLiteral("(Eintrittsdatum)")), qPrintable(b.vorschlag()));
        QVERIFY(Fragenbildschirm::klicken(b.weiter()));
    }
}

} // namespace

void musterantworten(Fragenbildschirm& b, const QList<Echterkatalog::Frage>& fragen, int von, int bis,
                     QList<Echterkatalog::Antwort>& antworten, int angesagt)
{
    for (int i = von; i < bis; ++i) {
        QCOMPARE(
            b.zaehler(),
            QStringLiteral("Frage %1 von     %2").arg(i + 1).arg(angesagt > 0 ? angesagt : fragen.size()));
        QCOMPARE(b.frage(), fragen.at(i).text);
        Echterkatalog::Antwort a{fragen.at(i).nr};
        musterantwort(b, i, a);
        if (QTest::currentTestFailed())
            return;
        antworten << a;
    }
}

QString erwarteterSchluss(const QString& ort, const QString& datum, const QString& unterzeichner)
{
    return QStringLiteral("\r\n\r\n") + ort + QStringLiteral(", ") + datum + QStringLiteral("\r\n\r\n") +
           unterzeichner;
}
