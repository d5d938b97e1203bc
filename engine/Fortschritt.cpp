#include "engine/Fortschritt.h"

#include "engine/Katalog.h"
#include "engine/Sprachwechsel.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <utility>

namespace Fortschritt {
namespace {

const QString LetzterBrief = QStringLiteral("LetzterBrief");

Stoerung& aktuelleStoerung()
{
    static Stoerung stoerung;
    return stoerung;
}

bool gestoert(Schritt schritt)
{
    const Stoerung& s = aktuelleStoerung();
    return s && s(schritt);
}

Fehler unterbrochen()
{
    return Fehler{QStringLiteral("Der Schreibvorgang wurde unterbrochen.")};
}

QString datenbankfehler(const QSqlError& e)
{
    return QStringLiteral("Fehler der Datenbank: %1").arg(e.text().trimmed());
}

// The table is added to a catalogue file that lacks it; the tables of the file's layout stay as they are.
Status tabelleAnlegen(Katalog::Verbindung& v)
{
    QSqlQuery q(v.db());
    return v.ausfuehren(q, QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (Nr INTEGER PRIMARY KEY, "
                                          "Zustand INTEGER NOT NULL, Frage INTEGER, Zahl INTEGER, "
                                          "Arbeitnehmertyp INTEGER, Zeugnisart INTEGER, Sprache TEXT, "
                                          "Fertig TEXT)")
                               .arg(Tabelle));
}

Status standSchreiben(Katalog::Verbindung& v, const Stand& s)
{
    const QVariantList werte{qint16(s.zustand), s.frage, s.zahl, s.typ, s.art, Katalog::textWert(s.sprache)};
    // The end state keeps its text as the last finished reference; every other state leaves that alone.
    const bool fertig = s.zustand == Zustand::Ende;
    QSqlQuery q(v.db());
    if (auto r = v.ausfuehren(
            q,
            QStringLiteral("UPDATE %1 SET Zustand = ?, Frage = ?, Zahl = ?, Arbeitnehmertyp = ?, "
                           "Zeugnisart = ?, Sprache = ?%2 WHERE Nr = 1")
                .arg(Tabelle, fertig ? QStringLiteral(", Fertig = ?") : QString()),
            fertig ? werte + QVariantList{Katalog::textWert(s.text)} : werte);
        !r)
        return r;
    if (q.numRowsAffected() > 0)
        return Ok{};
    QSqlQuery neu(v.db());
    return v.ausfuehren(
        neu,
        QStringLiteral("INSERT INTO %1 (Nr, Zustand, Frage, Zahl, Arbeitnehmertyp, Zeugnisart, "
                       "Sprache, Fertig) VALUES (1, ?, ?, ?, ?, ?, ?, ?)")
            .arg(Tabelle),
        werte + QVariantList{fertig ? Katalog::textWert(s.text) : QVariant()});
}

Status textSchreiben(Katalog::Verbindung& v, const QString& text)
{
    QSqlQuery q(v.db());
    if (auto r = v.ausfuehren(q,
                              QStringLiteral("UPDATE LetzterBrief SET Text = ? "
                                             "WHERE rowid = (SELECT min(rowid) FROM LetzterBrief)"),
                              {Katalog::textWert(text)});
        !r)
        return r;
    if (q.numRowsAffected() > 0)
        return Ok{};
    QSqlQuery neu(v.db());
    return v.ausfuehren(neu, QStringLiteral("INSERT INTO LetzterBrief (Text) VALUES (?)"),
                        {Katalog::textWert(text)});
}

// The record and the text, in one transaction.
Status insKatalog(const Stand& s)
{
    Katalog::Verbindung v(Katalog::Zugriff::LesenSchreiben, {LetzterBrief});
    if (!v.offen())
        return Fehler{v.fehler()};
    QSqlDatabase db = v.db();
    if (gestoert(Schritt::Beginnen))
        return unterbrochen();
    if (!db.transaction())
        return Fehler{datenbankfehler(db.lastError())};
    const auto zurueck = [&db](Status st) {
        db.rollback();
        return st;
    };
    if (auto r = tabelleAnlegen(v); !r)
        return zurueck(r);
    if (gestoert(Schritt::Stand))
        return zurueck(unterbrochen());
    if (auto r = standSchreiben(v, s); !r)
        return zurueck(r);
    if (gestoert(Schritt::Text))
        return zurueck(unterbrochen());
    if (auto r = textSchreiben(v, s.text); !r)
        return zurueck(r);
    if (gestoert(Schritt::Festschreiben))
        return zurueck(unterbrochen());
    if (!db.commit())
        return zurueck(Fehler{datenbankfehler(db.lastError())});
    return Ok{};
}

} // namespace

void setzeStoerung(Stoerung stoerung)
{
    aktuelleStoerung() = std::move(stoerung);
}

Gespeichert speichern(const Stand& s)
{
    if (auto r = insKatalog(s); !r)
        return {r.fehler(), {}};

    if (gestoert(Schritt::Abschrift))
        return {{}, unterbrochen().text};
    // Earlier versions read these keys; "Frage" 0 tells them that no work waits.
    const Status abschrift = s.zustand == Zustand::Fragen
                                 ? Einstellungen::fortschrittSpeichern(s.typ, s.art, s.frage, s.zahl)
                                 : Einstellungen::fortschrittVerwerfen();
    if (!abschrift)
        return {{}, abschrift.fehler()};
    return {};
}

Ergebnis<std::optional<Stand>> lesen()
{
    Katalog::Verbindung v(Katalog::Zugriff::NurLesen, {LetzterBrief});
    if (!v.offen())
        return Fehler{v.fehler()};
    QSqlQuery q(v.db());
    if (auto r = v.ausfuehren(q,
                              QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                                             "lower(name) = lower(?)"),
                              {Tabelle});
        !r)
        return r.alsFehler();
    if (!q.next())
        return std::optional<Stand>();
    q.finish();
    if (auto r = v.ausfuehren(q, QStringLiteral("SELECT Zustand, Frage, Zahl, Arbeitnehmertyp, Zeugnisart, "
                                                "Sprache, Fertig FROM %1 WHERE Nr = 1")
                                     .arg(Tabelle));
        !r)
        return r.alsFehler();
    if (!q.next())
        return std::optional<Stand>();
    Stand s;
    const int zustand = q.value(0).toInt();
    s.zustand = zustand >= 0 && zustand <= 3 ? static_cast<Zustand>(zustand) : Zustand::Keiner;
    s.frage = q.value(1).toInt();
    s.zahl = static_cast<qint16>(q.value(2).toInt());
    s.typ = static_cast<qint16>(q.value(3).toInt());
    s.art = static_cast<qint16>(q.value(4).toInt());
    s.sprache = q.value(5).toString();
    s.fertig = q.value(6).toString();
    q.finish();
    auto text = Katalog::letzterBrief(v);
    if (!text)
        return text.alsFehler();
    s.text = text->value_or(QString());
    return std::optional<Stand>(s);
}

Ergebnis<Stand> beimStart(const Einstellungen::Fortschritt& abschrift)
{
    auto satz = lesen();
    if (!satz)
        return satz.alsFehler();
    if (*satz)
        return **satz;

    // Written by an earlier version: the settings file says where work continues.
    Stand s;
    const qint16 frage = Text::zahlLesen(abschrift.frage.value_or(QString()));
    if (frage <= 0)
        return s;
    s.zustand = Zustand::Fragen;
    s.frage = frage;
    s.zahl = abschrift.zahl.value_or(0);
    s.typ = abschrift.arbeitnehmertyp.value_or(0);
    s.art = abschrift.zeugnisart.value_or(0);
    Katalog::Verbindung v(Katalog::Zugriff::NurLesen, {LetzterBrief});
    if (!v.offen())
        return Fehler{v.fehler()};
    auto text = Katalog::letzterBrief(v);
    if (!text)
        return text.alsFehler();
    s.text = text->value_or(QString());
    return s;
}

Ergebnis<Fortsetzung> fortsetzungPruefen(const Stand& stand, const Sitzung& sitzung)
{
    Fortsetzung f{Fortsetzung::Art::Weiter, stand, {}};
    if (stand.zustand != Zustand::Fragen && stand.zustand != Zustand::Ende)
        return f;

    QList<Katalog::FrageZeile> fragen;
    QList<Katalog::AuswahlZeile> auswahl;
    {
        Katalog::Verbindung v(Katalog::Zugriff::NurLesen);
        if (!v.offen())
            return Fehler{v.fehler()};
        auto satz = Katalog::fragensatz(v, sitzung.arbeitnehmer.Geschlecht, stand.typ, stand.art);
        if (!satz)
            return satz.alsFehler();
        fragen = std::move(*satz);
        auto zeilen = Katalog::auswahl(v);
        if (!zeilen)
            return zeilen.alsFehler();
        auswahl = std::move(*zeilen);
    }
    if (fragen.isEmpty())
        return f; // told by the check of the set before

    const bool imSatz = std::any_of(fragen.cbegin(), fragen.cend(),
                                    [&stand](const Katalog::FrageZeile& z) { return z.Nr == stand.frage; });
    const bool textLeer = stand.text.isEmpty();
    if (stand.zustand == Zustand::Ende
            ? !textLeer
            : imSatz && !(textLeer && (!auswahl.isEmpty() || stand.frage != fragen.first().Nr)))
        return f;

    // The choices must answer the first questions of the set, each once, with nothing left half done.
    qsizetype beantwortet = 0;
    bool lueckenlos = true;
    for (const Katalog::AuswahlZeile& z : std::as_const(auswahl)) {
        if (beantwortet >= fragen.size() || z.Frage != fragen.at(beantwortet).Nr ||
            z.EigeneFormulierung == QStringLiteral("Eigene Formulierung")) {
            lueckenlos = false;
            break;
        }
        ++beantwortet;
    }
    const QString ursache =
        stand.zustand == Zustand::Fragen && !imSatz
            ? QStringLiteral("Die gespeicherte Frage%1 gehört nicht zum Fragensatz dieses Arbeitnehmertyps.")
                  .arg(Text::vorzeichenZahl(stand.frage))
            : QStringLiteral("Der gespeicherte Zeugnistext fehlt.");
    if (!lueckenlos || beantwortet == 0) {
        f.art = Fortsetzung::Art::Neubeginn;
        f.grund = ursache + QStringLiteral(" Die gespeicherten Antworten reichen nicht aus, um das Zeugnis "
                                           "wiederherzustellen.");
        return f;
    }

    const Neuaufbau neu = zeugnisNeuAufbauen(QStringLiteral("Deutsch"), sitzung);
    if (!neu.ok()) {
        f.art = Fortsetzung::Art::Neubeginn;
        f.grund = ursache +
                  QStringLiteral(" Das Zeugnis ließ sich aus den gespeicherten Antworten nicht "
                                 "wiederherstellen: ") +
                  neu.fehler;
        return f;
    }
    if (stand.zustand == Zustand::Fragen && imSatz && neu.text == Zeugnisschluss(sitzung) &&
        beantwortet < fragen.size() && stand.frage == fragen.at(beantwortet).Nr) {
        f.stand.zahl = static_cast<qint16>(beantwortet);
        return f; // every question so far was skipped: an empty text is right
    }
    f.art = Fortsetzung::Art::Wiederhergestellt;
    f.grund =
        ursache + QStringLiteral(" Das Zeugnis wurde aus den gespeicherten Antworten wiederhergestellt.");
    f.stand.zahl = static_cast<qint16>(beantwortet);
    if (beantwortet == fragen.size()) {
        f.stand.zustand = Zustand::Ende;
        f.stand.frage = 0;
        f.stand.sprache = QStringLiteral("Deutsch");
        f.stand.text = neu.text;
    } else {
        f.stand.zustand = Zustand::Fragen;
        f.stand.frage = fragen.at(beantwortet).Nr;
        const QString schluss = Zeugnisschluss(sitzung);
        f.stand.text = neu.text.endsWith(schluss) ? neu.text.chopped(schluss.size()) : neu.text;
    }
    return f;
}

} // namespace Fortschritt
