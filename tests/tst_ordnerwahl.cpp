#include "catalogue/Einbau.h"
#include "engine/Ordnerwahl.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Ordnerwahl::Herkunft;

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool schreiben(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(daten) == daten.size();
}

// Runs `sql` on the catalogue `datei` and returns the first column of every row.
QStringList abfragen(const QString& datei, const QString& sql)
{
    QStringList werte;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"pruefung"_s);
        db.setDatabaseName(datei);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next())
                    werte << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(u"pruefung"_s);
    return werte;
}

} // namespace

class TstOrdnerwahl : public QObject
{
    Q_OBJECT

    QTemporaryDir m_wurzel;
    Ordnerwahl::Orte m_orte;

    QString pfad(const QString& name) const { return m_wurzel.filePath(name); }

private slots:
    void init()
    {
        QVERIFY(m_wurzel.isValid());
        QDir(m_wurzel.path()).removeRecursively();
        QVERIFY(QDir().mkpath(pfad(u"start"_s)));
        m_orte = {pfad(u"start"_s), QString(), pfad(u"daten/zeugnisfeder"_s), pfad(u"daten/arbeitszeugnis"_s),
                  QStringLiteral(ZEUGNIS_TESTKATALOG)};
    }

    // Which folder is taken, where the catalogue comes from, and that the folders exist afterwards.
    void wahl_data()
    {
        QTest::addColumn<QStringList>("vorhanden"); // files present before the start, relative to the root
        QTest::addColumn<QString>("angegeben");
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<int>("herkunft");
        QTest::addColumn<bool>("einrichten");
        QTest::newRow("Katalog im aktuellen Ordner") << QStringList{u"start/system98.dll"_s} << QString()
                                                     << u"start"_s << int(Herkunft::Aktuell) << false;
        QTest::newRow("nur Einstellungen im aktuellen Ordner")
            << QStringList{u"start/Zeugnis.INI"_s} << QString() << u"daten/zeugnisfeder"_s
            << int(Herkunft::Benutzer) << true;
        QTest::newRow("nichts da: Datenordner wird angelegt")
            << QStringList{} << QString() << u"daten/zeugnisfeder"_s << int(Herkunft::Benutzer) << true;
        QTest::newRow("früherer Ordner wird übernommen")
            << QStringList{u"daten/arbeitszeugnis/Zeugnis.INI"_s} << QString() << u"daten/zeugnisfeder"_s
            << int(Herkunft::Uebernommen) << true;
        QTest::newRow("beide da: der neue gilt")
            << QStringList{u"daten/arbeitszeugnis/Zeugnis.INI"_s, u"daten/zeugnisfeder/Zeugnis.INI"_s}
            << QString() << u"daten/zeugnisfeder"_s << int(Herkunft::Benutzer) << true;
        QTest::newRow("angegebener Ordner, relativ, wird angelegt")
            << QStringList{u"start/system98.dll"_s} << u"../eigen/ort"_s << u"eigen/ort"_s
            << int(Herkunft::Angegeben) << true;
    }
    void wahl()
    {
        QFETCH(QStringList, vorhanden);
        QFETCH(QString, angegeben);
        QFETCH(QString, ordner);
        QFETCH(int, herkunft);
        QFETCH(bool, einrichten);
        for (const QString& datei : vorhanden) {
            QVERIFY(QDir().mkpath(QFileInfo(pfad(datei)).path()));
            QVERIFY(schreiben(pfad(datei), datei.toUtf8()));
        }
        m_orte.angegeben = angegeben;

        const auto w = Ordnerwahl::waehlen(m_orte);
        QVERIFY2(w, qPrintable(w.fehler()));
        QCOMPARE(w->ordner, QDir::cleanPath(pfad(ordner)));
        QCOMPARE(int(w->herkunft), herkunft);
        QCOMPARE(w->katalogEinrichten, einrichten);
        QVERIFY(QFileInfo(w->ordner).isDir());

        // Nothing is lost: every file is still there, those of a taken-over folder under the new name.
        for (const QString& datei : vorhanden) {
            QString jetzt = datei;
            if (herkunft == int(Herkunft::Uebernommen))
                jetzt.replace(u"arbeitszeugnis"_s, u"zeugnisfeder"_s);
            QCOMPARE(inhalt(pfad(jetzt)), datei.toUtf8());
        }
        if (herkunft == int(Herkunft::Uebernommen))
            QVERIFY(!QFileInfo::exists(m_orte.frueher));
    }

    // A former folder that cannot be renamed stays as it was, and the start fails with a German text.
    void uebernahmeScheitert()
    {
        QVERIFY(QDir().mkpath(m_orte.frueher));
        QVERIFY(schreiben(m_orte.frueher + u"/Zeugnis.INI"_s, "alt"));
        // A file where the new folder's parent would be.
        QVERIFY(schreiben(pfad(u"blockiert"_s), "x"));
        m_orte.benutzer = pfad(u"blockiert/zeugnisfeder"_s);
        const auto w = Ordnerwahl::waehlen(m_orte);
        QVERIFY(!w);
        QVERIFY2(w.fehler().contains(u"umbenennen"_s), qPrintable(w.fehler()));
        QCOMPARE(inhalt(m_orte.frueher + u"/Zeugnis.INI"_s), QByteArray("alt"));
    }

    // First start: the data folder gets the installed catalogue. A later start with a newer installed
    // catalogue replaces the questions and answers but keeps the recorded choices and the unfinished text,
    // also in a folder taken over from the former name.
    void katalogKommtUndWirdErneuert()
    {
        QVERIFY(QDir().mkpath(m_orte.frueher));
        QVERIFY(schreiben(m_orte.frueher + u"/Zeugnis.INI"_s, "[Abbruch]\r\nFrage=3\r\n"));
        const auto w = Ordnerwahl::waehlen(m_orte);
        QVERIFY2(w, qPrintable(w.fehler()));
        QCOMPARE(int(w->herkunft), int(Herkunft::Uebernommen));

        const auto erst = Ordnerwahl::katalogEinrichten(*w, m_orte, Katalogbau::einrichten);
        QVERIFY2(erst, qPrintable(erst.fehler()));
        QCOMPARE(*erst, QString());
        const QString katalog = w->ordner + u"/system98.dll"_s;
        QCOMPARE(abfragen(katalog, u"SELECT Pruefsumme FROM Katalogstand"_s),
                 abfragen(m_orte.katalog, u"SELECT Pruefsumme FROM Katalogstand"_s));

        // Unfinished work in the catalogue.
        abfragen(katalog, u"INSERT INTO Auswahl (Frage, Note, Variante, KeineAussage, EigeneFormulierung) "
                          "VALUES (2, 3, 1, 0, 'eigener Satz')"_s);
        abfragen(katalog, u"UPDATE LetzterBrief SET Text = 'halb fertig'"_s);

        m_orte.katalog = QStringLiteral(ZEUGNIS_KATALOG);
        if (!QFileInfo::exists(m_orte.katalog))
            QSKIP("the delivered catalogue is not built");
        const auto wieder = Ordnerwahl::waehlen(m_orte);
        QVERIFY2(wieder, qPrintable(wieder.fehler()));
        QCOMPARE(int(wieder->herkunft), int(Herkunft::Benutzer));
        const auto neu = Ordnerwahl::katalogEinrichten(*wieder, m_orte, Katalogbau::einrichten);
        QVERIFY2(neu, qPrintable(neu.fehler()));
        QCOMPARE(abfragen(katalog, u"SELECT Pruefsumme FROM Katalogstand"_s),
                 abfragen(m_orte.katalog, u"SELECT Pruefsumme FROM Katalogstand"_s));
        QCOMPARE(abfragen(katalog, u"SELECT EigeneFormulierung FROM Auswahl"_s),
                 QStringList{u"eigener Satz"_s});
        QCOMPARE(abfragen(katalog, u"SELECT Text FROM LetzterBrief"_s), QStringList{u"halb fertig"_s});
        QCOMPARE(inhalt(w->ordner + u"/Zeugnis.INI"_s), QByteArray("[Abbruch]\r\nFrage=3\r\n"));
    }

    // Without an installed catalogue, a folder with its own keeps working; one without is reported.
    void ohneMitgeliefertenKatalog()
    {
        m_orte.katalog = pfad(u"fehlt/system98.dll"_s);
        const auto w = Ordnerwahl::waehlen(m_orte);
        QVERIFY(w);
        auto e = Ordnerwahl::katalogEinrichten(*w, m_orte, Katalogbau::einrichten);
        QVERIFY(!e);
        QVERIFY2(e.fehler().contains(u"fehlt"_s), qPrintable(e.fehler()));

        QVERIFY(QFile::copy(QStringLiteral(ZEUGNIS_TESTKATALOG), w->ordner + u"/system98.dll"_s));
        e = Ordnerwahl::katalogEinrichten(*w, m_orte, Katalogbau::einrichten);
        QVERIFY2(e, qPrintable(e.fehler()));
        QCOMPARE(*e, QString());
    }
};

QTEST_GUILESS_MAIN(TstOrdnerwahl)
#include "tst_ordnerwahl.moc"
