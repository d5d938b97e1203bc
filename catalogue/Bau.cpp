#include "catalogue/Bau.h"

#include "catalogue/Anweisung.h"
#include "catalogue/Datei.h"
#include "engine/Katalog.h"
#include "engine/Schema.h"

#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <algorithm>

namespace Katalogbau {

namespace {

// Inserts rows through one prepared statement and feeds every value into the checksum.
class Einfueger
{
public:
    Einfueger(QSqlDatabase& db, QCryptographicHash& summe, const QString& tabelle, const QStringList& spalten)
        : m_abfrage(db), m_summe(summe)
    {
        QStringList fragezeichen;
        for (qsizetype i = 0; i < spalten.size(); ++i)
            fragezeichen << QStringLiteral("?");
        m_bereit = m_abfrage.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(tabelle, spalten.join(QStringLiteral(", ")), fragezeichen.join(QStringLiteral(", "))));
        m_summe.addData(QStringLiteral("\x1dTabelle %1").arg(tabelle).toUtf8());
    }

    bool einfuegen(const QVariantList& werte, QString* fehler)
    {
        if (!m_bereit) {
            *fehler = m_abfrage.lastError().text();
            return false;
        }
        m_summe.addData(QByteArrayView("\x1e"));
        for (qsizetype i = 0; i < werte.size(); ++i) {
            const QVariant& wert = werte.at(i);
            m_abfrage.bindValue(int(i), wert);
            if (wert.isNull())
                m_summe.addData(QByteArrayView("\x1fN"));
            else
                m_summe.addData((QStringLiteral("\x1fW") + wert.toString()).toUtf8());
        }
        if (m_abfrage.exec())
            return true;
        *fehler = m_abfrage.lastError().text();
        return false;
    }

private:
    QSqlQuery m_abfrage;
    QCryptographicHash& m_summe;
    bool m_bereit = false;
};

QString geschlechtVon(qint16 g)
{
    return g == 1 ? QStringLiteral("m") : QStringLiteral("w");
}

// The set whose numbers take in `nr`, or null.
const Satzart* satzartVon(int nr)
{
    for (const Satzart& a : satzarten())
        if (nr >= a.ersteNr && nr <= a.letzteNr())
            return &a;
    return nullptr;
}

// The answer rows of a question by grade; rows of the same grade keep their order.
QList<const Antwortzeile*> nachNote(const Frage& frage)
{
    QList<const Antwortzeile*> zeilen;
    for (const Antwortzeile& zeile : frage.antworten)
        zeilen.append(&zeile);
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const Antwortzeile* a, const Antwortzeile* b) { return a->note < b->note; });
    return zeilen;
}

// The values of one answer table row: question, grade and the two parts of phrasings A, B and C in one
// language for one sex, null where the letter or its text is missing.
QVariantList antwortWerte(int nr, const Antwortzeile& zeile, const QString& sprache,
                          const QString& geschlecht)
{
    const QVariant null(QMetaType::fromType<QString>());
    QVariantList werte{nr, zeile.note};
    for (const QString& b : buchstaben()) {
        const QMap<QString, Formulierung> texte = zeile.varianten.value(b).value(sprache);
        if (!texte.contains(geschlecht)) {
            werte << null << null;
            continue;
        }
        const Formulierung f = texte.value(geschlecht);
        werte << QVariant(f.teil1) << (f.teil2 ? QVariant(*f.teil2) : null);
    }
    return werte;
}

bool schreiben(QSqlDatabase& db, const QList<const Frage*>& fragen, QString* fehler)
{
    for (const QString& anweisung : Schema::anlegen())
        if (!ausfuehren(db, anweisung, fehler))
            return false;
    if (!ausfuehren(db, QStringLiteral("CREATE TABLE %1 (Pruefsumme TEXT NOT NULL)").arg(Standtabelle),
                    fehler))
        return false;

    if (!ausfuehren(db,
                    QStringLiteral("CREATE TABLE %1 (Nr INTEGER PRIMARY KEY, Rolle TEXT NOT NULL)")
                        .arg(Rollentabelle),
                    fehler))
        return false;

    QCryptographicHash summe(QCryptographicHash::Sha256);
    summe.addData(QByteArrayView("Katalog 1"));
    const QStringList fragespalten{
        QStringLiteral("Nr"),         QStringLiteral("Frage"),        QStringLiteral("Arbeitnehmertyp"),
        QStringLiteral("Zeugnisart"), QStringLiteral("KeineAussage"), QStringLiteral("Absatz")};
    const QStringList antwortspalten{QStringLiteral("Frage"),
                                     QStringLiteral("Note"),
                                     QStringLiteral("VarianteAAntwort1"),
                                     QStringLiteral("VarianteAAntwort2"),
                                     QStringLiteral("VarianteBAntwort1"),
                                     QStringLiteral("VarianteBAntwort2"),
                                     QStringLiteral("VarianteCAntwort1"),
                                     QStringLiteral("VarianteCAntwort2")};

    // The set of each question, for its type and kind.
    for (qint16 g : {qint16(1), qint16(2)}) {
        const QString geschlecht = geschlechtVon(g);
        Einfueger einfueger(db, summe, Schema::fragenTabelle(g), fragespalten);
        for (const Frage* frage : fragen) {
            const Satzart* art = satzartVon(frage->nr);
            if (!art) {
                *fehler = QStringLiteral("Frage %1 gehört zu keinem Satz").arg(frage->nr);
                return false;
            }
            if (!einfueger.einfuegen({frage->nr, frage->frage.value(geschlecht), art->arbeitnehmertyp,
                                      art->zeugnisart, int(frage->keineAussage), int(frage->absatz)},
                                     fehler))
                return false;
        }
    }

    for (qint16 g : {qint16(1), qint16(2)}) {
        const QString geschlecht = geschlechtVon(g);
        for (const QString& sprache : sprachen()) {
            Einfueger einfueger(db, summe, Schema::antwortTabelle(g, sprachwort(sprache)), antwortspalten);
            for (const Frage* frage : fragen)
                for (const Antwortzeile* zeile : nachNote(*frage))
                    if (!einfueger.einfuegen(antwortWerte(frage->nr, *zeile, sprache, geschlecht), fehler))
                        return false;
        }
    }

    Einfueger rollen(db, summe, Rollentabelle, {QStringLiteral("Nr"), QStringLiteral("Rolle")});
    for (const Frage* frage : fragen)
        if (!rollen.einfuegen({frage->nr, frage->rolle}, fehler))
            return false;

    QSqlQuery stand(db);
    stand.prepare(QStringLiteral("INSERT INTO %1 (Pruefsumme) VALUES (?)").arg(Standtabelle));
    stand.addBindValue(QString::fromLatin1(summe.result().toHex()));
    if (!stand.exec()) {
        *fehler = stand.lastError().text();
        return false;
    }
    return true;
}

} // namespace

bool bauen(const QList<Satz>& saetze, const QString& ziel, QString* fehler)
{
    QString text;
    QString* f = fehler ? fehler : &text;

    QList<const Frage*> fragen;
    for (const Satz& satz : saetze)
        for (const Frage& frage : satz.fragen)
            fragen.append(&frage);
    std::stable_sort(fragen.begin(), fragen.end(),
                     [](const Frage* a, const Frage* b) { return a->nr < b->nr; });

    QTemporaryFile zwischen(Datei::zwischenvorlage(ziel));
    if (!zwischen.open()) {
        *f = QStringLiteral("die Zwischendatei neben %1 lässt sich nicht anlegen: %2")
                 .arg(ziel, zwischen.errorString());
        return false;
    }
    zwischen.close();

    {
        Katalog::Verbindung verbindung(zwischen.fileName(), Katalog::Zugriff::Anlegen);
        if (!verbindung.offen()) {
            *f = QStringLiteral("die Zwischendatei lässt sich nicht öffnen: %1").arg(verbindung.fehler());
            return false;
        }
        QSqlDatabase db = verbindung.db();
        if (!db.transaction()) {
            *f = db.lastError().text();
            return false;
        }
        if (!schreiben(db, fragen, f)) {
            db.rollback();
            return false;
        }
        if (!db.commit()) {
            *f = db.lastError().text();
            return false;
        }
    }

    if (const auto grund = Datei::umbenennen(zwischen.fileName(), ziel)) {
        *f = QStringLiteral("%1 lässt sich nicht schreiben: %2").arg(ziel, *grund);
        return false;
    }
    zwischen.setAutoRemove(false);
    return true;
}

} // namespace Katalogbau
