#include "engine/Sprachwechsel.h"

#include "engine/Katalog.h"
#include "engine/Schema.h"
#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"
#include "store/Text.h"

namespace {

QString inkonsistent(qint32 frage)
{
    return QStringLiteral("Inkonsistente Datenbank bei Frage ") + Text::vorzeichenZahl(frage);
}

} // namespace

Neuaufbau zeugnisNeuAufbauen(const QString& sLand, const Sitzung& sitzung)
{
    Neuaufbau r;
    const qint16 geschlecht = sitzung.arbeitnehmer.Geschlecht;
    if (Schema::fragenTabelle(geschlecht).isEmpty()) {
        r.fehler = QStringLiteral("Ungültiges Geschlecht%1: keine Tabelle des Fragenkatalogs passt dazu.")
                       .arg(Text::vorzeichenZahl(geschlecht));
        return r;
    }
    if (Schema::antwortTabelle(geschlecht, sLand).isEmpty()) {
        r.fehler = QStringLiteral("Für die Sprache \"%1\" gibt es keine Antworttabelle.").arg(sLand);
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

    for (const Katalog::AuswahlZeile& z : std::as_const(*zeilen)) {
        if (z.KeineAussage.value_or(true))
            continue; // a skipped question contributes nothing

        auto frage = nachschlagen.frage(z.Frage);
        if (!frage) {
            r.fehler = frage.fehler();
            return r;
        }
        if (!*frage) {
            r.fehler = QStringLiteral("Die Frage%1 fehlt in der Tabelle %2.")
                           .arg(Text::vorzeichenZahl(z.Frage), Schema::fragenTabelle(geschlecht));
            return r;
        }

        QString satz;
        if (z.Variante) {
            auto antwort = nachschlagen.antwort(z.Frage, z.Note);
            if (!antwort) {
                r.fehler = antwort.fehler();
                return r;
            }
            if (!*antwort) {
                r.fehler = QStringLiteral("Zur Frage%1 mit der Note%2 fehlt die Antwort in der Tabelle %3.")
                               .arg(Text::vorzeichenZahl(z.Frage), Text::vorzeichenZahl(z.Note),
                                    Schema::antwortTabelle(geschlecht, sLand));
                return r;
            }
            const Katalog::AntwortZeile& a = **antwort;
            const QString& buchstabe = *z.Variante;
            if (buchstabe == QStringLiteral("A") || buchstabe == QStringLiteral("B") ||
                buchstabe == QStringLiteral("C")) {
                const auto b = static_cast<Katalog::Buchstabe>(buchstabe.at(0).unicode() - u'A');
                const auto p = phrase(a, b, sitzung.arbeitnehmer.Name);
                if (p)
                    satz = *p;
                else if (b != Katalog::C || a.Antwort2[b])
                    // A first part is needed; only phrasing C may lack both parts.
                    r.fehler = inkonsistent(a.Frage);
                if (!r.ok())
                    return r;
            }
            // Any other letter: the row yields no phrase.
        } else if (z.EigeneFormulierung) {
            satz = *z.EigeneFormulierung;
        }

        TextBausteineEinsetzen(satz, sitzung.arbeitnehmer);
        if (satz.isEmpty())
            continue;
        r.text += trenner((*frage)->Absatz, r.text.isEmpty()) + satz;
    }

    r.text += Zeugnisschluss(sitzung);
    return r;
}
