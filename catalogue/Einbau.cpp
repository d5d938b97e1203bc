#include "catalogue/Einbau.h"

#include "catalogue/Anweisung.h"
#include "catalogue/Bau.h"
#include "catalogue/Datei.h"
#include "engine/Katalog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <optional>

namespace Katalogbau {

namespace {

Einbau fehlschlag(const QString& text)
{
    return {Einbau::Art::Fehlgeschlagen, text, {}};
}

// Columns of a table; empty when the table does not exist.
QSet<QString> spalten(const QSqlDatabase& db, const QString& schema, const QString& tabelle)
{
    QSet<QString> namen;
    QSqlQuery q(db);
    // PRAGMA takes no bound parameters; the table names come from the fixed list of this program.
    if (q.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, tabelle)))
        while (q.next())
            namen.insert(q.value(1).toString());
    return namen;
}

std::optional<QString> pruefsumme(const QSqlDatabase& db, const QString& schema)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT Pruefsumme FROM %1.%2").arg(schema, Standtabelle)) || !q.next())
        return std::nullopt;
    const QString summe = q.value(0).toString();
    if (q.next())
        return std::nullopt;
    return summe;
}

// Why `neu` is no catalogue written by bauen(); empty when it is one.
QString neuUnbrauchbar(const QString& neu)
{
    if (!QFileInfo(neu).isFile())
        return QStringLiteral("%1 gibt es nicht").arg(neu);
    Katalog::Verbindung verbindung(neu, Katalog::Zugriff::NurLesen);
    if (!verbindung.offen())
        return verbindung.fehler();
    for (const QString& tabelle : Schema::alleTabellen())
        if (spalten(verbindung.db(), QStringLiteral("main"), tabelle).isEmpty())
            return QStringLiteral("die Tabelle %1 fehlt oder die Datei ist keine Datenbank").arg(tabelle);
    if (!pruefsumme(verbindung.db(), QStringLiteral("main")))
        return QStringLiteral("die Tabelle %1 fehlt oder ist nicht eindeutig").arg(Standtabelle);
    return {};
}

// The state of an existing target.
struct Zielzustand
{
    enum class Art
    {
        Brauchbar,
        Defekt,
        Unzugaenglich
    };
    Art art = Art::Brauchbar;
    QString grund;
};

// Only a file that is no database, a damaged one, or one without the user's tables counts as defective; a
// file that is locked or cannot be read is left alone. The content tables need not be sound: they are
// replaced anyway.
Zielzustand zielPruefen(Katalog::Verbindung& verbindung)
{
    using Art = Zielzustand::Art;
    // SQLITE_CORRUPT (11) and SQLITE_NOTADB (26) say the file itself is bad; anything else (busy, locked,
    // no permission, input/output) is no reason to move the user's file.
    const auto defekt = [](const QSqlError& e) {
        const QString code = e.nativeErrorCode();
        return code == QStringLiteral("11") || code == QStringLiteral("26");
    };
    if (!verbindung.offen())
        return {defekt(verbindung.treiberfehler()) ? Art::Defekt : Art::Unzugaenglich, verbindung.fehler()};
    QSqlQuery q(verbindung.db());
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return {defekt(q.lastError()) ? Art::Defekt : Art::Unzugaenglich, q.lastError().text()};
    if (!q.next() || q.value(0).toString() != QStringLiteral("ok"))
        return {Art::Defekt, QStringLiteral("die Datenbank ist beschädigt (%1)").arg(q.value(0).toString())};
    q.finish();
    const QList<std::pair<QString, QStringList>> noetig{
        {QStringLiteral("Auswahl"),
         {QStringLiteral("Frage"), QStringLiteral("Note"), QStringLiteral("Variante"),
          QStringLiteral("KeineAussage"), QStringLiteral("EigeneFormulierung")}},
        {QStringLiteral("LetzterBrief"), {QStringLiteral("Text")}},
    };
    for (const auto& [tabelle, benoetigt] : noetig) {
        const QSet<QString> vorhanden = spalten(verbindung.db(), QStringLiteral("main"), tabelle);
        if (vorhanden.isEmpty())
            return {Art::Defekt, QStringLiteral("die Tabelle %1 fehlt").arg(tabelle)};
        for (const QString& spalte : benoetigt)
            if (!vorhanden.contains(spalte))
                return {Art::Defekt,
                        QStringLiteral("der Tabelle %1 fehlt die Spalte %2").arg(tabelle, spalte)};
    }
    return {};
}

// Copies `neu` to `ziel` through a temporary file beside `ziel` and a rename.
bool kopieren(const QString& neu, const QString& ziel, QString* fehler)
{
    QFile quelle(neu);
    if (!quelle.open(QIODevice::ReadOnly)) {
        *fehler = QStringLiteral("%1 lässt sich nicht lesen: %2").arg(neu, quelle.errorString());
        return false;
    }
    QTemporaryFile zwischen(Datei::zwischenvorlage(ziel));
    if (!zwischen.open() || zwischen.write(quelle.readAll()) != quelle.size() || !zwischen.flush()) {
        *fehler = QStringLiteral("%1 lässt sich nicht schreiben: %2").arg(ziel, zwischen.errorString());
        return false;
    }
    zwischen.close();
    if (const auto grund = Datei::umbenennen(zwischen.fileName(), ziel)) {
        *fehler = QStringLiteral("%1 lässt sich nicht schreiben: %2").arg(ziel, *grund);
        return false;
    }
    zwischen.setAutoRemove(false);
    return true;
}

// Renames `ziel` and the journal files SQLite may keep beside it to a free name ending in ".defekt-<time>";
// a journal left behind would otherwise be applied to the fresh copy.
std::optional<QString> beiseitelegen(const QString& ziel, QString* fehler)
{
    const QString stempel = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString neuerName = ziel + QStringLiteral(".defekt-") + stempel;
    for (int i = 2; QFileInfo::exists(neuerName); ++i)
        neuerName = ziel + QStringLiteral(".defekt-%1-%2").arg(stempel).arg(i);
    if (const auto grund = Datei::umbenennen(ziel, neuerName)) {
        *fehler = QStringLiteral("%1 lässt sich nicht umbenennen: %2").arg(ziel, *grund);
        return std::nullopt;
    }
    for (const QString& anhang : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(ziel + anhang))
            Datei::umbenennen(ziel + anhang, neuerName + anhang);
    return neuerName;
}

bool ersetzen(QSqlDatabase& db, QString* fehler)
{
    QStringList tabellen = inhaltstabellen();
    tabellen << Rollentabelle << Standtabelle;
    for (const QString& tabelle : tabellen) {
        // The content tables take the layout of the new catalogue, whatever an older file had.
        QSqlQuery ddl(db);
        ddl.prepare(QStringLiteral("SELECT sql FROM neu.sqlite_master WHERE type = 'table' AND name = ?"));
        ddl.addBindValue(tabelle);
        if (!ddl.exec() || !ddl.next()) {
            *fehler = QStringLiteral("die Tabelle %1 fehlt im neuen Katalog").arg(tabelle);
            return false;
        }
        const QString anlegen = ddl.value(0).toString();
        ddl.finish();
        if (!anlegen.startsWith(QStringLiteral("CREATE TABLE "))) {
            *fehler = QStringLiteral("unerwartete Tabellendefinition für %1").arg(tabelle);
            return false;
        }
        if (!ausfuehren(db, QStringLiteral("DROP TABLE IF EXISTS main.%1").arg(tabelle), fehler) ||
            !ausfuehren(db, anlegen, fehler) ||
            !ausfuehren(
                db, QStringLiteral("INSERT INTO main.%1 SELECT * FROM neu.%1 ORDER BY rowid").arg(tabelle),
                fehler))
            return false;
    }
    return true;
}

// The program reads and rewrites the first row of LetzterBrief and never adds one.
bool briefzeileSichern(QSqlDatabase& db, QString* fehler)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM LetzterBrief")) || !q.next()) {
        *fehler = q.lastError().text();
        return false;
    }
    if (q.value(0).toInt() > 0)
        return true;
    return ausfuehren(db, QStringLiteral("INSERT INTO LetzterBrief (Text) VALUES (NULL)"), fehler);
}

} // namespace

Einbau installieren(const QString& ziel, const QString& neu)
{
    if (const QString grund = neuUnbrauchbar(neu); !grund.isEmpty())
        return fehlschlag(QStringLiteral("%1 ist kein gebauter Katalog: %2").arg(neu, grund));

    QString fehler;
    if (!QFileInfo::exists(ziel)) {
        if (!kopieren(neu, ziel, &fehler))
            return fehlschlag(fehler);
        return {Einbau::Art::Neu, QStringLiteral("Katalog nach %1 kopiert.").arg(ziel), {}};
    }

    Zielzustand zustand;
    {
        Katalog::Verbindung verbindung(ziel, Katalog::Zugriff::LesenSchreiben);
        zustand = zielPruefen(verbindung);
        if (zustand.art == Zielzustand::Art::Unzugaenglich)
            return fehlschlag(QStringLiteral("%1 lässt sich nicht lesen, es bleibt unverändert: %2")
                                  .arg(ziel, zustand.grund));
        if (zustand.art == Zielzustand::Art::Brauchbar) {
            QSqlDatabase db = verbindung.db();
            QSqlQuery anhaengen(db);
            anhaengen.prepare(QStringLiteral("ATTACH DATABASE ? AS neu"));
            anhaengen.addBindValue(QFileInfo(neu).absoluteFilePath());
            if (!anhaengen.exec())
                return fehlschlag(QStringLiteral("%1 lässt sich nicht anhängen: %2")
                                      .arg(neu, anhaengen.lastError().text()));
            anhaengen.finish();

            Einbau ergebnis;
            bool inhaltAktuell =
                pruefsumme(db, QStringLiteral("main")) == pruefsumme(db, QStringLiteral("neu"));
            for (const QString& tabelle : inhaltstabellen() + QStringList{Rollentabelle})
                inhaltAktuell = inhaltAktuell && !spalten(db, QStringLiteral("main"), tabelle).isEmpty();

            if (!db.transaction()) {
                ergebnis = fehlschlag(db.lastError().text());
            } else if ((!inhaltAktuell && !ersetzen(db, &fehler)) || !briefzeileSichern(db, &fehler) ||
                       !db.commit()) {
                if (fehler.isEmpty())
                    fehler = db.lastError().text();
                db.rollback();
                ergebnis = fehlschlag(QStringLiteral("%1 ließ sich nicht erneuern, es bleibt unverändert: %2")
                                          .arg(ziel, fehler));
            } else if (inhaltAktuell) {
                ergebnis = {
                    Einbau::Art::Aktuell, QStringLiteral("Katalog %1 ist schon aktuell.").arg(ziel), {}};
            } else {
                ergebnis = {Einbau::Art::Ersetzt,
                            QStringLiteral("Fragen und Antworten in %1 erneuert; Auswahl und LetzterBrief "
                                           "blieben erhalten.")
                                .arg(ziel),
                            {}};
            }
            ausfuehren(db, QStringLiteral("DETACH DATABASE neu"), nullptr);
            return ergebnis;
        }
    }

    const auto beiseite = beiseitelegen(ziel, &fehler);
    if (!beiseite)
        return fehlschlag(fehler);
    if (!kopieren(neu, ziel, &fehler))
        return fehlschlag(
            QStringLiteral("%1 wurde nach %2 verschoben, aber: %3").arg(ziel, *beiseite, fehler));
    return {Einbau::Art::Beiseitegelegt,
            QStringLiteral(
                "%1 war kein brauchbarer Katalog (%2); die Datei wurde nach %3 verschoben und durch den "
                "neuen Katalog ersetzt.")
                .arg(ziel, zustand.grund, *beiseite),
            *beiseite};
}

Ergebnis<QString> einrichten(const QString& ziel, const QString& neu)
{
    const Einbau e = installieren(ziel, neu);
    if (!e.ok())
        return Fehler{e.text};
    return e.art == Einbau::Art::Beiseitegelegt ? e.text : QString();
}

} // namespace Katalogbau
