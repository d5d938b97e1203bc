#include "engine/Katalog.h"

#include "engine/Schema.h"
#include "store/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>
#include <type_traits>

namespace Katalog {
namespace {

QString neuerName()
{
    static std::atomic<quint64> zaehler{0};
    return QStringLiteral("zeugnis-katalog-%1").arg(++zaehler);
}

// The driver's own words for a failure; they are English, so they only ever stand inside a German sentence.
QString treibertext(const QSqlError& e)
{
    const QString t = e.text().trimmed();
    return t.isEmpty() ? QStringLiteral("unbekannter Fehler") : t;
}

QString fehlertext(const QSqlError& e)
{
    return QStringLiteral("Fehler der Datenbank %1: %2").arg(Schema::Dateiname, treibertext(e));
}

std::optional<QString> textOderNull(const QVariant& v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

std::optional<bool> jaNein(const QVariant& v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toLongLong() != 0;
}

QVariant nullbar(const std::optional<QString>& t)
{
    return t ? textWert(*t) : QVariant();
}

QVariant jaNeinWert(const std::optional<bool>& b)
{
    return b ? QVariant(*b ? 1 : 0) : QVariant();
}

FrageZeile frageLesen(const QSqlQuery& q)
{
    FrageZeile z;
    z.Nr = q.value(0).toInt();
    z.Frage = q.value(1).toString();
    z.KeineAussage = jaNein(q.value(2)).value_or(false);
    z.Absatz = jaNein(q.value(3)).value_or(false);
    return z;
}

const QString antwortSpalten =
    QStringLiteral("Frage, Note, VarianteAAntwort1, VarianteBAntwort1, VarianteCAntwort1, VarianteAAntwort2, "
                   "VarianteBAntwort2, VarianteCAntwort2");

AntwortZeile antwortLesen(const QSqlQuery& q)
{
    AntwortZeile z;
    z.Frage = q.value(0).toInt();
    z.Note = static_cast<qint16>(q.value(1).toInt());
    for (int b = 0; b < 3; ++b) {
        z.Antwort1[b] = textOderNull(q.value(2 + b));
        z.Antwort2[b] = textOderNull(q.value(5 + b));
    }
    return z;
}

const QString auswahlSpalten =
    QStringLiteral("rowid, Frage, Note, Variante, KeineAussage, EigeneFormulierung");

AuswahlZeile auswahlLesen(const QSqlQuery& q)
{
    AuswahlZeile z;
    z.zeile = q.value(0).toLongLong();
    z.Frage = q.value(1).toInt();
    z.Note = static_cast<qint16>(q.value(2).toInt());
    z.Variante = textOderNull(q.value(3));
    z.KeineAussage = jaNein(q.value(4));
    z.EigeneFormulierung = textOderNull(q.value(5));
    return z;
}

template <typename Lesen> using ZeileVon = std::invoke_result_t<Lesen, const QSqlQuery&>;

// The next row of an executed query as `lesen` makes it, nullopt when there is none.
template <typename Lesen> Ergebnis<std::optional<ZeileVon<Lesen>>> naechsteZeile(QSqlQuery& q, Lesen lesen)
{
    if (q.next())
        return std::optional<ZeileVon<Lesen>>(lesen(q));
    if (q.lastError().isValid())
        return Fehler{fehlertext(q.lastError())};
    return std::optional<ZeileVon<Lesen>>();
}

// The first row that `sql` with `werte` yields, nullopt when there is none.
template <typename Lesen>
Ergebnis<std::optional<ZeileVon<Lesen>>> ersteZeile(Verbindung& v, const QString& sql,
                                                    const QVariantList& werte, Lesen lesen)
{
    QSqlQuery q(v.db());
    if (auto s = v.ausfuehren(q, sql, werte); !s)
        return s.alsFehler();
    return naechsteZeile(q, lesen);
}

// Every row that `sql` with `werte` yields, in the order of the statement.
template <typename Lesen>
Ergebnis<QList<ZeileVon<Lesen>>> alleZeilen(Verbindung& v, const QString& sql, const QVariantList& werte,
                                            Lesen lesen)
{
    QSqlQuery q(v.db());
    if (auto s = v.ausfuehren(q, sql, werte); !s)
        return s.alsFehler();
    QList<ZeileVon<Lesen>> zeilen;
    while (q.next())
        zeilen.append(lesen(q));
    if (q.lastError().isValid())
        return Fehler{fehlertext(q.lastError())};
    return zeilen;
}

// Runs a prepared statement again with new values and reads its first row.
template <typename Lesen>
Ergebnis<std::optional<ZeileVon<Lesen>>> wiederholen(QSqlQuery& q, const QVariantList& werte, Lesen lesen)
{
    for (const QVariant& w : werte)
        q.addBindValue(w);
    if (!q.exec())
        return Fehler{fehlertext(q.lastError())};
    auto z = naechsteZeile(q, lesen);
    q.finish();
    return z;
}

} // namespace

Fehler keineTabelle(qint16 geschlecht, const std::optional<QString>& sprachwort)
{
    if (Schema::fragenTabelle(geschlecht).isEmpty() || !sprachwort)
        return Fehler{QStringLiteral("Ungültiges Geschlecht%1: keine Tabelle des Fragenkatalogs passt dazu.")
                          .arg(Text::vorzeichenZahl(geschlecht))};
    return Fehler{QStringLiteral("Für die Sprache \"%1\" gibt es keine Antworttabelle.").arg(*sprachwort)};
}

QVariant textWert(const QString& text)
{
    // A null QString would be bound as NULL.
    return text.isNull() ? QVariant(QString(QLatin1StringView(""))) : QVariant(text);
}

Verbindung::Verbindung(Zugriff zugriff, const QStringList& tabellen)
    : Verbindung(QDir::current().absoluteFilePath(Schema::Dateiname), zugriff, tabellen)
{}

Verbindung::Verbindung(const QString& pfad, Zugriff zugriff, const QStringList& tabellen)
    : m_name(neuerName())
{
    const QFileInfo info(pfad);
    const bool arbeitsordner = info.absoluteDir() == QDir::current() && info.fileName() == Schema::Dateiname;
    const QString datei = arbeitsordner ? Schema::Dateiname : QDir::toNativeSeparators(pfad);
    if (zugriff != Zugriff::Anlegen) {
        if (!info.exists()) {
            m_fehler = arbeitsordner
                           ? QStringLiteral("Die Datenbank %1 wurde im Arbeitsordner nicht gefunden.")
                                 .arg(Schema::Dateiname)
                           : QStringLiteral("Die Datenbank %1 wurde nicht gefunden.").arg(datei);
            return;
        }
        if (!info.isFile()) {
            m_fehler = arbeitsordner ? QStringLiteral("%1 im Arbeitsordner ist keine Datei.").arg(datei)
                                     : QStringLiteral("%1 ist keine Datei.").arg(datei);
            return;
        }
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        // Opened by URI with mode=rw unless the file is to be made: SQLite then fails on a missing file
        // instead of creating it, also should the file vanish between the check above and this call.
        db.setDatabaseName(
            QUrl::fromLocalFile(pfad).toString(QUrl::FullyEncoded) +
            (zugriff == Zugriff::Anlegen ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw")));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            m_treiberfehler = db.lastError();
            m_fehler = QStringLiteral("Die Datenbank %1 lässt sich nicht öffnen: %2")
                           .arg(datei, treibertext(db.lastError()));
            return;
        }
    }

    // SQLite reads the file only on the first statement: this also tells a file that is no database, and
    // rolls back a write that a crash interrupted.
    QSqlQuery q(db());
    const bool gelesen = (zugriff != Zugriff::NurLesen || q.exec(QStringLiteral("PRAGMA query_only = ON"))) &&
                         q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    if (!gelesen) {
        m_treiberfehler = q.lastError();
        m_fehler = QStringLiteral("Die Datei %1 lässt sich nicht als Fragenkatalog lesen: %2")
                       .arg(datei, treibertext(q.lastError()));
        return;
    }
    QSet<QString> vorhanden;
    while (q.next())
        vorhanden.insert(q.value(0).toString().toLower());
    for (const QString& tabelle : tabellen)
        if (!vorhanden.contains(tabelle.toLower())) {
            m_fehler = QStringLiteral("In der Datenbank %1 fehlt die Tabelle %2.").arg(datei, tabelle);
            return;
        }
}

Verbindung::~Verbindung()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Verbindung::db() const
{
    return QSqlDatabase::database(m_name, false);
}

Status Verbindung::ausfuehren(QSqlQuery& abfrage, const QString& sql, const QVariantList& werte)
{
    if (!offen())
        return Fehler{m_fehler};
    abfrage.setForwardOnly(true);
    if (!abfrage.prepare(sql))
        return Fehler{fehlertext(abfrage.lastError())};
    for (const QVariant& w : werte)
        abfrage.addBindValue(w);
    if (!abfrage.exec())
        return Fehler{fehlertext(abfrage.lastError())};
    return Ok{};
}

Ergebnis<QList<FrageZeile>> fragensatz(Verbindung& v, qint16 geschlecht, qint16 typ, qint16 art)
{
    const QString t = Schema::fragenTabelle(geschlecht);
    if (t.isEmpty())
        return keineTabelle(geschlecht);
    return alleZeilen(v,
                      QStringLiteral("SELECT Nr, Frage, KeineAussage, Absatz FROM %1 "
                                     "WHERE Arbeitnehmertyp = ? AND Zeugnisart = ? ORDER BY Nr")
                          .arg(t),
                      {typ, art}, frageLesen);
}

Ergebnis<int> fragenZahl(Verbindung& v, qint16 geschlecht, qint16 typ, qint16 art)
{
    const QString t = Schema::fragenTabelle(geschlecht);
    if (t.isEmpty())
        return keineTabelle(geschlecht);
    auto anzahl = ersteZeile(
        v, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Arbeitnehmertyp = ? AND Zeugnisart = ?").arg(t),
        {typ, art}, [](const QSqlQuery& q) { return q.value(0).toInt(); });
    if (!anzahl)
        return anzahl.alsFehler();
    return anzahl->value_or(0);
}

Ergebnis<QList<AntwortZeile>> antworten(Verbindung& v, qint16 geschlecht, const QString& sprachwort,
                                        qint32 frage)
{
    const QString t = Schema::antwortTabelle(geschlecht, sprachwort);
    if (t.isEmpty())
        return keineTabelle(geschlecht, sprachwort);
    return alleZeilen(
        v, QStringLiteral("SELECT %1 FROM %2 WHERE Frage = ? ORDER BY rowid").arg(antwortSpalten, t), {frage},
        antwortLesen);
}

Ergebnis<std::optional<AntwortZeile>> antwort(Verbindung& v, qint16 geschlecht, const QString& sprachwort,
                                              qint32 frage, qint16 note)
{
    return Nachschlagen(v, geschlecht, sprachwort).antwort(frage, note);
}

Nachschlagen::Nachschlagen(Verbindung& v, qint16 geschlecht, const QString& sprachwort)
    : m_frage(v.db()), m_antwort(v.db())
{
    const QString fragen = Schema::fragenTabelle(geschlecht);
    const QString antworten = Schema::antwortTabelle(geschlecht, sprachwort);
    if (fragen.isEmpty() || antworten.isEmpty()) {
        m_fehler = keineTabelle(geschlecht, sprachwort).text;
        return;
    }
    if (!v.offen()) {
        m_fehler = v.fehler();
        return;
    }
    m_frage.setForwardOnly(true);
    m_antwort.setForwardOnly(true);
    if (!m_frage.prepare(
            QStringLiteral("SELECT Nr, Frage, KeineAussage, Absatz FROM %1 WHERE Nr = ?").arg(fragen)))
        m_fehler = fehlertext(m_frage.lastError());
    else if (!m_antwort.prepare(
                 QStringLiteral("SELECT %1 FROM %2 WHERE Frage = ? AND Note = ? ORDER BY rowid LIMIT 1")
                     .arg(antwortSpalten, antworten)))
        m_fehler = fehlertext(m_antwort.lastError());
}

Ergebnis<std::optional<FrageZeile>> Nachschlagen::frage(qint32 nr)
{
    if (!m_fehler.isEmpty())
        return Fehler{m_fehler};
    return wiederholen(m_frage, {nr}, frageLesen);
}

Ergebnis<std::optional<AntwortZeile>> Nachschlagen::antwort(qint32 frage, qint16 note)
{
    if (!m_fehler.isEmpty())
        return Fehler{m_fehler};
    return wiederholen(m_antwort, {frage, note}, antwortLesen);
}

Ergebnis<QList<AuswahlZeile>> auswahl(Verbindung& v)
{
    return alleZeilen(v, QStringLiteral("SELECT %1 FROM Auswahl ORDER BY rowid").arg(auswahlSpalten), {},
                      auswahlLesen);
}

Ergebnis<std::optional<AuswahlZeile>> auswahlZeile(Verbindung& v, qint64 zeile)
{
    return ersteZeile(v, QStringLiteral("SELECT %1 FROM Auswahl WHERE rowid = ?").arg(auswahlSpalten),
                      {zeile}, auswahlLesen);
}

Ergebnis<std::optional<qint64>> auswahlFinden(Verbindung& v, qint32 frage)
{
    return ersteZeile(v, QStringLiteral("SELECT rowid FROM Auswahl WHERE Frage = ? ORDER BY rowid LIMIT 1"),
                      {frage}, [](const QSqlQuery& q) { return q.value(0).toLongLong(); });
}

Ergebnis<qint64> auswahlSpeichern(Verbindung& v, const AuswahlZeile& z)
{
    QSqlQuery q(v.db());
    const QVariantList werte{z.Frage, z.Note, nullbar(z.Variante), jaNeinWert(z.KeineAussage.value_or(false)),
                             nullbar(z.EigeneFormulierung)};
    if (z.zeile != 0) {
        if (auto s = v.ausfuehren(q,
                                  QStringLiteral("UPDATE Auswahl SET Frage = ?, Note = ?, Variante = ?, "
                                                 "KeineAussage = ?, EigeneFormulierung = ? WHERE rowid = ?"),
                                  werte + QVariantList{z.zeile});
            !s)
            return s.alsFehler();
        if (q.numRowsAffected() == 1)
            return z.zeile;
        return Fehler{QStringLiteral("Die Zeile der Frage%1 in Auswahl ist nicht mehr vorhanden.")
                          .arg(QLatin1Char(' ') + QString::number(z.Frage))};
    }
    if (auto s = v.ausfuehren(q,
                              QStringLiteral("INSERT INTO Auswahl (Frage, Note, Variante, KeineAussage, "
                                             "EigeneFormulierung) VALUES (?, ?, ?, ?, ?)"),
                              werte);
        !s)
        return s.alsFehler();
    return q.lastInsertId().toLongLong();
}

Status eigeneFormulierungSetzen(Verbindung& v, qint64 zeile, const QString& text)
{
    QSqlQuery q(v.db());
    return v.ausfuehren(q, QStringLiteral("UPDATE Auswahl SET EigeneFormulierung = ? WHERE rowid = ?"),
                        {textWert(text), zeile});
}

Status auswahlLeeren(Verbindung& v)
{
    QSqlQuery q(v.db());
    return v.ausfuehren(q, QStringLiteral("DELETE FROM Auswahl"));
}

Ergebnis<std::optional<QString>> letzterBrief(Verbindung& v)
{
    auto text = ersteZeile(v, QStringLiteral("SELECT Text FROM LetzterBrief ORDER BY rowid LIMIT 1"), {},
                           [](const QSqlQuery& q) { return textOderNull(q.value(0)); });
    if (!text)
        return text.alsFehler();
    return text->value_or(std::nullopt);
}

Status letzterBriefSchreiben(Verbindung& v, const QString& text)
{
    QSqlDatabase db = v.db();
    if (!db.transaction())
        return Fehler{fehlertext(db.lastError())};
    auto zurueck = [&db](const Status& s) {
        db.rollback();
        return s;
    };
    {
        QSqlQuery q(db);
        if (auto s = v.ausfuehren(q,
                                  QStringLiteral("UPDATE LetzterBrief SET Text = ? "
                                                 "WHERE rowid = (SELECT min(rowid) FROM LetzterBrief)"),
                                  {textWert(text)});
            !s)
            return zurueck(s);
        if (q.numRowsAffected() == 0) {
            QSqlQuery neu(db);
            if (auto s = v.ausfuehren(neu, QStringLiteral("INSERT INTO LetzterBrief (Text) VALUES (?)"),
                                      {textWert(text)});
                !s)
                return zurueck(s);
        }
    }
    if (!db.commit())
        return zurueck(Fehler{fehlertext(db.lastError())});
    return Ok{};
}

} // namespace Katalog
