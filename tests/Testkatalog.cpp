#include "tests/Testkatalog.h"

#include "engine/Schema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace {

QVariant nullbar(const QString& text, const QString& vorsatz = {})
{
    return text.isNull() ? QVariant() : QVariant(vorsatz + text);
}

} // namespace

// Everything written while one of these lives goes to the file in one transaction: one commit instead of one
// per row. Nested ones join the outermost.
class Testkatalog::Schreibvorgang
{
public:
    explicit Schreibvorgang(Testkatalog& k) : m_k(k)
    {
        if (m_k.m_tiefe++ == 0)
            m_k.sql(QStringLiteral("BEGIN"));
    }
    ~Schreibvorgang()
    {
        if (--m_k.m_tiefe == 0)
            m_k.sql(QStringLiteral("COMMIT"));
    }
    Schreibvorgang(const Schreibvorgang&) = delete;
    Schreibvorgang& operator=(const Schreibvorgang&) = delete;

private:
    Testkatalog& m_k;
};

Testkatalog::Testkatalog(const QString& datei)
{
    static std::atomic<int> zaehler{0};
    m_verbindung = QStringLiteral("testkatalog-%1").arg(++zaehler);
    QFile::remove(datei);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    db.setDatabaseName(datei);
    if (!db.open())
        qFatal("Testkatalog: %s", qPrintable(db.lastError().text()));
    Schreibvorgang vorgang(*this);
    for (const QString& s : Schema::anlegen())
        sql(s);
}

Testkatalog::~Testkatalog()
{
    QSqlDatabase::database(m_verbindung, false).close();
    QSqlDatabase::removeDatabase(m_verbindung);
}

QString Testkatalog::kennung(const QString& sprache)
{
    if (sprache == QStringLiteral("Englisch"))
        return QStringLiteral("EN:");
    if (sprache == QStringLiteral("Franzoesisch"))
        return QStringLiteral("FR:");
    if (sprache == QStringLiteral("Italienisch"))
        return QStringLiteral("IT:");
    if (sprache == QStringLiteral("Spanisch"))
        return QStringLiteral("ES:");
    return {};
}

QSqlQuery sqlAusfuehren(const QString& verbindung, const QString& statement, const QVariantList& werte)
{
    QSqlQuery q(QSqlDatabase::database(verbindung, false));
    if (!q.prepare(statement))
        qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    for (const QVariant& w : werte)
        q.addBindValue(w);
    if (!q.exec())
        qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    return q;
}

void Testkatalog::sql(const QString& statement, const QVariantList& werte)
{
    sqlAusfuehren(m_verbindung, statement, werte);
}

QList<QVariantList> Testkatalog::zeilen(const QString& abfrage, const QVariantList& werte)
{
    QSqlQuery q = sqlAusfuehren(m_verbindung, abfrage, werte);
    QList<QVariantList> ergebnis;
    while (q.next()) {
        QVariantList zeile;
        for (int i = 0; i < q.record().count(); ++i)
            zeile << q.value(i);
        ergebnis << zeile;
    }
    return ergebnis;
}

Testkatalog& Testkatalog::frage(const Frage& f, qint16 geschlecht)
{
    Schreibvorgang vorgang(*this);
    for (qint16 g : {qint16(1), qint16(2)}) {
        if (geschlecht != 0 && geschlecht != g)
            continue;
        sql(QStringLiteral("INSERT INTO %1 (Nr, Frage, Arbeitnehmertyp, Zeugnisart, KeineAussage, Absatz) "
                           "VALUES (?, ?, ?, ?, ?, ?)")
                .arg(Schema::fragenTabelle(g)),
            {f.nr, g == 2 ? f.text + QStringLiteral(" (Frau)") : f.text, f.typ, f.art, f.keineAussage ? 1 : 0,
             f.absatz ? 1 : 0});
    }
    return *this;
}

Testkatalog& Testkatalog::antwort(const Antwort& a, qint16 geschlecht, const QString& sprache)
{
    Schreibvorgang vorgang(*this);
    for (qint16 g : {qint16(1), qint16(2)}) {
        if (geschlecht != 0 && geschlecht != g)
            continue;
        for (const QString& wort : Schema::sprachwoerter()) {
            if (!sprache.isEmpty() && sprache != wort)
                continue;
            const QString k = kennung(wort);
            sql(QStringLiteral("INSERT INTO %1 (Frage, Note, VarianteAAntwort1, VarianteAAntwort2, "
                               "VarianteBAntwort1, VarianteBAntwort2, VarianteCAntwort1, VarianteCAntwort2) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                    .arg(Schema::antwortTabelle(g, wort)),
                {a.frage, a.note, nullbar(a.a1, k), nullbar(a.a2), nullbar(a.b1, k), nullbar(a.b2),
                 nullbar(a.c1, k), nullbar(a.c2)});
        }
    }
    return *this;
}

Testkatalog& Testkatalog::bewerteteFrage(qint32 nr, int noten, bool absatz, bool keineAussage, qint16 typ,
                                         qint16 art)
{
    Schreibvorgang vorgang(*this);
    frage({nr, QStringLiteral("Frage %1?").arg(nr), typ, art, keineAussage, absatz});
    for (int n = 1; n <= noten; ++n) {
        const QString s = QStringLiteral("F%1N%2").arg(nr).arg(n);
        antwort({nr,
                 qint16(n),
                 s + QStringLiteral("A."),
                 {},
                 s + QStringLiteral("B."),
                 {},
                 s + QStringLiteral("C."),
                 {}});
    }
    return *this;
}

Testkatalog& Testkatalog::ungewerteteFrage(qint32 nr, bool absatz, bool keineAussage, qint16 typ, qint16 art)
{
    Schreibvorgang vorgang(*this);
    frage({nr, QStringLiteral("Frage %1?").arg(nr), typ, art, keineAussage, absatz});
    const QString s = QStringLiteral("F%1").arg(nr);
    antwort(
        {nr, 0, s + QStringLiteral("A."), {}, s + QStringLiteral("B."), {}, s + QStringLiteral("C."), {}});
    return *this;
}
