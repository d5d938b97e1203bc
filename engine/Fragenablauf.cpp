#include "engine/Fragenablauf.h"

#include "engine/Schema.h"
#include "engine/Textbau.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <cmath>
#include <limits>

namespace {

const QString Deutsch = QStringLiteral("Deutsch");
const QString Markierung = QStringLiteral("Eigene Formulierung");
const QString Geloescht = QStringLiteral("Gelöscht");

} // namespace

Fragenablauf::Fragenablauf(Sitzung& sitzung) : m_sitzung(sitzung) {}

Fragenablauf::~Fragenablauf() = default;

Status Fragenablauf::oeffnen()
{
    m_geschlecht = m_sitzung.arbeitnehmer.Geschlecht;
    m_verbindung = std::make_unique<Katalog::Verbindung>();
    if (!m_verbindung->offen())
        return Fehler{m_verbindung->fehler()};
    auto satz =
        Katalog::fragensatz(*m_verbindung, m_geschlecht, m_sitzung.Arbeitnehmertyp, m_sitzung.Zeugnisart);
    if (!satz)
        return satz.alsFehler();
    m_data1.setzen(std::move(*satz));
    return frageWechsel();
}

Status Fragenablauf::frageWechsel()
{
    if (m_data1.amEnde())
        return Ok{};
    const qint32 nr = frage().Nr;
    auto zeilen = Katalog::antworten(*m_verbindung, m_geschlecht, Deutsch, nr);
    if (!zeilen)
        return zeilen.alsFehler();
    if (zeilen->isEmpty())
        return Fehler{QStringLiteral("Zur Frage%1 enthält die Tabelle %2 keine Antwort.")
                          .arg(Text::vorzeichenZahl(nr), Schema::antwortTabelle(m_geschlecht, Deutsch))};
    m_data2.setzen(std::move(*zeilen));
    m_data2.letzte();
    return Ok{};
}

Ergebnis<bool> Fragenablauf::frageSuchen(const QString& nr)
{
    // Only a whole number names a question ("12", " 12", "12.0"); any other text names none.
    bool zahl = false;
    const double wert = nr.trimmed().toDouble(&zahl);
    if (!zahl || wert != std::floor(wert) || std::abs(wert) > std::numeric_limits<qint32>::max())
        return false;
    const auto gesucht = static_cast<qint32>(wert);
    if (!m_data1.suchen([gesucht](const Katalog::FrageZeile& f) { return f.Nr == gesucht; }))
        return false;
    if (auto s = frageWechsel(); !s)
        return s.alsFehler();
    return true;
}

Ergebnis<bool> Fragenablauf::naechsteFrage()
{
    m_data1.weiter();
    if (m_data1.amEnde())
        return false;
    if (auto s = frageWechsel(); !s)
        return s.alsFehler();
    return true;
}

bool Fragenablauf::noteSuchen(qint16 note)
{
    return m_data2.suchen([note](const Katalog::AntwortZeile& a) { return a.Note == note; });
}

bool Fragenablauf::noteAngeboten(qint16 note) const
{
    for (const Katalog::AntwortZeile& a : m_data2.zeilen())
        if (a.Note == note)
            return true;
    return false;
}

Ergebnis<QList<Katalog::AuswahlZeile>> Fragenablauf::auswahl() const
{
    if (!m_verbindung)
        return QList<Katalog::AuswahlZeile>{};
    return Katalog::auswahl(*m_verbindung);
}

Ergebnis<std::optional<Katalog::AuswahlZeile>> Fragenablauf::gewaehlt() const
{
    if (!m_verbindung || m_data1.amEnde())
        return std::optional<Katalog::AuswahlZeile>{};
    auto zeile = Katalog::auswahlFinden(*m_verbindung, frage().Nr);
    if (!zeile)
        return zeile.alsFehler();
    if (!*zeile)
        return std::optional<Katalog::AuswahlZeile>{};
    return Katalog::auswahlZeile(*m_verbindung, **zeile);
}

bool Fragenablauf::varianteVorhanden(Katalog::Buchstabe b) const
{
    return !m_data2.amEnde() && m_data2.aktuell().Antwort1[b].has_value();
}

Ergebnis<QString> Fragenablauf::waehlen(Wahl wahl)
{
    if (m_data2.amEnde())
        return Fehler{QStringLiteral("Keine Frage ist zur Auswahl offen.")};
    const Katalog::AntwortZeile& a = antwort();

    auto vorhanden = Katalog::auswahlFinden(*m_verbindung, a.Frage);
    if (!vorhanden)
        return vorhanden.alsFehler();
    Katalog::AuswahlZeile z;
    if (*vorhanden) {
        // An earlier choice for this question is replaced.
        z.zeile = **vorhanden;
        z.EigeneFormulierung = Geloescht;
    }
    z.KeineAussage = false;
    z.Frage = a.Frage;
    z.Note = a.Note;

    QString text;
    switch (wahl) {
    case VarianteA:
    case VarianteB:
    case VarianteC: {
        const auto b = static_cast<Katalog::Buchstabe>(wahl);
        z.Variante = QString(QChar(u'A' + wahl));
        text = phrase(a, b, m_sitzung.arbeitnehmer.Name).value_or(QString());
        break;
    }
    case EigeneFormulierung:
        z.EigeneFormulierung = Markierung;
        break;
    case Ueberspringen:
        z.KeineAussage = true;
        break;
    }

    auto zeile = Katalog::auswahlSpeichern(*m_verbindung, z);
    if (!zeile)
        return zeile.alsFehler();
    m_auswahl = *zeile;
    return text;
}

Status Fragenablauf::eigeneFormulierungUebernehmen(const QString& text)
{
    if (auto satz = satzUebernehmen(text); !satz)
        return satz.alsFehler();
    return Ok{};
}

Ergebnis<QString> Fragenablauf::satzUebernehmen(const QString& kasten)
{
    if (!m_auswahl || !m_verbindung)
        return kasten;
    auto zeile = Katalog::auswahlZeile(*m_verbindung, *m_auswahl);
    if (!zeile)
        return zeile.alsFehler();
    if (!*zeile || (*zeile)->EigeneFormulierung != Markierung)
        return kasten;
    if (auto s = Katalog::eigeneFormulierungSetzen(*m_verbindung, *m_auswahl, kasten); !s)
        return s.alsFehler();
    return Textbau::satz(kasten, m_sitzung.arbeitnehmer);
}

Ergebnis<std::optional<QString>> Fragenablauf::gespeicherterText()
{
    Katalog::Verbindung v(Katalog::Zugriff::NurLesen);
    if (!v.offen())
        return Fehler{v.fehler()};
    return Katalog::letzterBrief(v);
}

Status Fragenablauf::neuBeginnen()
{
    Katalog::Verbindung v;
    if (!v.offen())
        return Fehler{v.fehler()};
    return Katalog::auswahlLeeren(v);
}

Fortschritt::Stand Fragenablauf::stand(Fortschritt::Zustand zustand, const QString& zeugnis,
                                       const QString& sprache) const
{
    Fortschritt::Stand s;
    s.zustand = zustand;
    s.frage = zustand == Fortschritt::Zustand::Fragen && !m_data1.amEnde() ? frage().Nr : 0;
    s.zahl = m_sitzung.Zahl;
    s.typ = m_sitzung.Arbeitnehmertyp;
    s.art = m_sitzung.Zeugnisart;
    s.sprache = sprache;
    s.text = zeugnis;
    return s;
}

Fortschritt::Gespeichert Fragenablauf::arbeitZwischenspeichern(const QString& zeugnis) const
{
    if (m_data1.amEnde())
        return {};
    return Fortschritt::speichern(stand(Fortschritt::Zustand::Fragen, zeugnis));
}
