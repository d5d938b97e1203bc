#include "engine/Sprachwechsel.h"

#include "engine/Katalog.h"
#include "engine/Regeln.h"
#include "engine/Schema.h"
#include "engine/Textbau.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"
#include "store/Text.h"

namespace {

// The phrase of an Auswahl row that records a phrasing letter, looked up in the language of `nachschlagen`.
// A letter other than A, B or C yields no phrase; so does phrasing C when both its parts are null.
Ergebnis<QString> gewaehltePhrase(Katalog::Nachschlagen& nachschlagen, const Katalog::AuswahlZeile& z,
                                  const QString& name)
{
    auto antwort = nachschlagen.antwort(z.Frage, z.Note);
    if (!antwort)
        return antwort.alsFehler();
    if (!*antwort)
        return QString(); // the row went with a catalogue update: counts as skipped
    const QString& buchstabe = *z.Variante;
    if (buchstabe != QStringLiteral("A") && buchstabe != QStringLiteral("B") &&
        buchstabe != QStringLiteral("C"))
        return QString();
    const auto b = static_cast<Katalog::Buchstabe>(buchstabe.at(0).unicode() - u'A');
    const Katalog::AntwortZeile& a = **antwort;
    if (auto p = phrase(a, b, name))
        return *p;
    if (b == Katalog::C && !a.Antwort2[b])
        return QString();
    return Fehler{QStringLiteral("Inkonsistente Datenbank bei Frage ") + Text::vorzeichenZahl(a.Frage)};
}

} // namespace

Neuaufbau zeugnisNeuAufbauen(const QString& sLand, const Sitzung& sitzung, const Aufbauweise& weise)
{
    Neuaufbau r;
    const qint16 geschlecht = sitzung.arbeitnehmer.Geschlecht;
    const QString antworttabelle = Schema::antwortTabelle(geschlecht, sLand);
    if (antworttabelle.isEmpty()) {
        r.fehler = Katalog::keineTabelle(geschlecht, sLand).text;
        return r;
    }

    Katalog::Verbindung v(Katalog::Zugriff::NurLesen);
    if (!v.offen()) {
        r.fehler = v.fehler();
        return r;
    }
    auto zeilen = Katalog::auswahl(v);
    if (!zeilen) {
        r.fehler = zeilen.fehler();
        return r;
    }
    if (zeilen->isEmpty()) {
        r.fehler = QStringLiteral("Die Tabelle Auswahl enthält keine Antworten.");
        return r;
    }
    Katalog::Nachschlagen nachschlagen(v, geschlecht, sLand);
    const Regeln::Sprache* sprache = Regeln::spracheMitWort(sLand);
    const QStringView sprachschluessel = sprache ? sprache->quelle : u"de";

    for (const Katalog::AuswahlZeile& z : std::as_const(*zeilen)) {
        if (z.KeineAussage.value_or(true))
            continue; // a skipped question contributes nothing
        if (weise.nurFragen && !weise.nurFragen->contains(z.Frage))
            continue;

        auto frage = nachschlagen.frage(z.Frage);
        if (!frage) {
            r.fehler = frage.fehler();
            return r;
        }
        if (!*frage)
            continue; // the question went with a catalogue update: counts as skipped

        QString satz;
        if (z.Variante) {
            auto gewaehlt = gewaehltePhrase(nachschlagen, z, sitzung.arbeitnehmer.Name);
            if (!gewaehlt) {
                r.fehler = gewaehlt.fehler();
                return r;
            }
            satz = *gewaehlt;
        } else if (z.EigeneFormulierung) {
            satz = *z.EigeneFormulierung;
        }

        r.text += Textbau::anschluss(Textbau::satz(satz, sitzung.arbeitnehmer, sprachschluessel),
                                     (*frage)->Absatz, r.text.isEmpty());
    }

    if (weise.schluss)
        r.text += Textbau::schluss(sitzung);
    return r;
}
