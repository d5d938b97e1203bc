#include "engine/Gesamtpruefung.h"

#include "engine/Katalog.h"
#include "engine/Wendungen.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <QHash>
#include <QLocale>
#include <QSqlQuery>
#include <cmath>
#include <optional>

namespace Gesamtpruefung {

const QList<Vergleich>& vergleiche()
{
    static const QList<Vergleich> liste{
        {QStringLiteral("zusammenfassung"), false, Bezug::Leistungsschnitt,
         QStringLiteral(
             "Die Zusammenfassung (Note %1) liegt mehr als eine Note neben dem Schnitt der einzelnen "
             "Leistungsnoten (%2).")},
        {QStringLiteral("bedauern"), false, Bezug::Zusammenfassung,
         QStringLiteral("Das Bedauern (Note %1) passt nicht zur Zusammenfassung (Note %2).")},
        {QStringLiteral("dank"), false, Bezug::Zusammenfassung,
         QStringLiteral("Der Dank (Note %1) passt nicht zur Zusammenfassung (Note %2).")},
        {QStringLiteral("wuensche"), false, Bezug::Zusammenfassung,
         QStringLiteral("Die Zukunftswünsche (Note %1) passen nicht zur Zusammenfassung (Note %2).")},
        {QStringLiteral("verhalten"), true, Bezug::Leistung,
         QStringLiteral("Das Verhalten (Schnitt %1) liegt mehr als eine Note neben der Leistung (%2).")},
    };
    return liste;
}

const QList<Erwartung>& erwartungen()
{
    static const QList<Erwartung> liste{
        {Typ::Fuehrungskraft, QStringLiteral("fuehrung"),
         QStringLiteral("Das Zeugnis einer Führungskraft sagt nichts über die Führungsleistung.")},
        {Typ::Auszubildender, QStringLiteral("ausbildungsinhalte"),
         QStringLiteral("Das Ausbildungszeugnis nennt Ziel und Inhalte der Ausbildung nicht.")},
        {0, QStringLiteral("austritt"), QStringLiteral("Das Zeugnis enthält keine Austrittsformel."),
         Geltung::Endzeugnis},
        {0, QStringLiteral("anlass"),
         QStringLiteral("Das Zwischenzeugnis nennt keinen Anlass; ohne ihn fragt sich der Leser, warum es "
                        "ausgestellt wurde."),
         Geltung::Zwischenzeugnis},
        {0, QStringLiteral("dank"),
         QStringLiteral(
             "Das Zwischenzeugnis schließt ohne Dank für die bisherige Arbeit und ohne Ausblick auf "
             "die weitere Zusammenarbeit."),
         Geltung::Zwischenzeugnis},
    };
    return liste;
}

bool gilt(Geltung geltung, qint16 art)
{
    switch (geltung) {
    case Geltung::Jedes:
        return true;
    case Geltung::Endzeugnis:
        return art != Art::Zwischen;
    case Geltung::Zwischenzeugnis:
        return art == Art::Zwischen;
    }
    return true;
}

const QList<Textregel>& textregeln()
{
    static const QString schulnote =
        QStringLiteral("(sehr\\s+gut|gut|befriedigend|ausreichend|mangelhaft|ungenügend)\\b");
    static const QList<Textregel> liste{
        {Wendungen::muster(
             QStringLiteral("\\b(Note|Schulnote|Gesamtnote|Bewertung)\\s*:?\\s*[1-6]([,.]\\d)?\\b")),
         QStringLiteral("eine Notenzahl")},
        {Wendungen::muster(QStringLiteral("(^|\\s)[1-6][,.][0-9](\\s|$|[.;,])")),
         QStringLiteral("eine Notenzahl")},
        {Wendungen::muster(QStringLiteral("\\b(Note|Schulnote|Gesamtnote|Bewertung)\\s*:?\\s*") + schulnote),
         QStringLiteral("eine Schulnote")},
        {Wendungen::muster(QStringLiteral(":\\s*") + schulnote), QStringLiteral("eine Schulnotentabelle")},
        {Wendungen::muster(QStringLiteral("\\b(war|waren|ist|sind)\\s+") + schulnote),
         QStringLiteral("eine Schulnote")},
    };
    return liste;
}

QString noteText(double note)
{
    const double gerundet = std::round(note * 10.0) / 10.0;
    if (gerundet == std::floor(gerundet))
        return QString::number(int(gerundet));
    return QLocale(QLocale::German).toString(gerundet, 'f', 1);
}

namespace {

const QString Notenwort[] = {QString(),
                             QStringLiteral("sehr gut"),
                             QStringLiteral("gut"),
                             QStringLiteral("befriedigend"),
                             QStringLiteral("ausreichend"),
                             QStringLiteral("mangelhaft")};

// The graded prepared phrasings of a role.
QList<const Frage*> benotet(const Eingabe& e, const QString& rolle)
{
    QList<const Frage*> r;
    for (const Frage& f : e.fragen)
        if (f.rolle == rolle && f.vorgefertigt() && f.note > 0)
            r.append(&f);
    return r;
}

std::optional<double> schnitt(const QList<const Frage*>& fragen)
{
    if (fragen.isEmpty())
        return std::nullopt;
    double summe = 0;
    for (const Frage* f : fragen)
        summe += f->note;
    return summe / double(fragen.size());
}

std::optional<double> bezugswert(const Eingabe& e, Bezug bezug)
{
    const auto leistung = schnitt(benotet(e, QStringLiteral("leistung")));
    const auto zusammenfassung = benotet(e, QStringLiteral("zusammenfassung"));
    const std::optional<double> gesamt =
        zusammenfassung.isEmpty() ? std::nullopt : std::optional<double>(zusammenfassung.first()->note);
    switch (bezug) {
    case Bezug::Leistungsschnitt:
        return leistung;
    case Bezug::Zusammenfassung:
        return gesamt;
    case Bezug::Leistung:
        return gesamt ? gesamt : leistung;
    }
    return std::nullopt;
}

bool weitAuseinander(double a, double b)
{
    return std::abs(a - b) > Hoechstabstand + 1e-9;
}

void vergleichen(const Eingabe& e, QList<Befund>& r)
{
    for (const Vergleich& v : vergleiche()) {
        const auto bezug = bezugswert(e, v.bezug);
        const auto teile = benotet(e, v.rolle);
        if (!bezug || teile.isEmpty())
            continue;
        if (v.schnitt) {
            const double wert = *schnitt(teile);
            if (weitAuseinander(wert, *bezug))
                r.append({teile.first()->nr, v.text.arg(noteText(wert), noteText(*bezug))});
            continue;
        }
        for (const Frage* f : teile)
            if (weitAuseinander(f->note, *bezug))
                r.append({f->nr, v.text.arg(noteText(f->note), noteText(*bezug))});
    }
}

void erwarten(const Eingabe& e, QList<Befund>& r)
{
    for (const Erwartung& w : erwartungen()) {
        if ((w.typ != 0 && w.typ != e.typ) || !gilt(w.geltung, e.art))
            continue;
        const Frage* erste = nullptr;
        bool vorhanden = false;
        for (const Frage& f : e.fragen) {
            if (f.rolle != w.rolle)
                continue;
            if (!erste)
                erste = &f;
            vorhanden = vorhanden || f.beantwortet();
        }
        if (erste && !vorhanden)
            r.append({erste->nr, w.text});
    }
}

void unterdurchschnittlich(const Eingabe& e, QList<Befund>& r)
{
    for (const Frage& f : e.fragen)
        if (f.vorgefertigt() && f.note >= ErsteUnterdurchschnittlicheNote && f.note <= 5)
            r.append({f.nr, QStringLiteral("Note %1 (%2) liegt unter dem Durchschnitt: eine solche Bewertung "
                                           "muss der Arbeitgeber im Streitfall belegen können.")
                                .arg(f.note)
                                .arg(Notenwort[f.note])});
}

void eigeneFormulierungen(const Eingabe& e, QList<Befund>& r)
{
    for (const Frage& f : e.fragen) {
        if (f.wahl != Wahl::Eigene || f.eigenerText.trimmed().isEmpty())
            continue;
        if (const auto fund = Wendungen::verboteneWendung(f.eigenerText))
            r.append({f.nr, QStringLiteral("Die eigene Formulierung enthält \u201e%1\u201c: %2.")
                                .arg(fund->stelle, fund->grund)});
        for (const Textregel& regel : textregeln()) {
            const auto treffer = regel.ausdruck.match(f.eigenerText);
            if (treffer.hasMatch()) {
                r.append(
                    {f.nr, QStringLiteral("Die eigene Formulierung enthält \u201e%1\u201c: %2; ein Zeugnis "
                                          "drückt Noten in Worten aus.")
                               .arg(treffer.captured().trimmed(), regel.grund)});
                break;
            }
        }
    }
}

} // namespace

QList<Befund> pruefen(const Eingabe& e)
{
    QList<Befund> r;
    bool rollen = false;
    for (const Frage& f : e.fragen)
        rollen = rollen || !f.rolle.isEmpty();
    if (rollen) {
        vergleichen(e, r);
        erwarten(e, r);
    } else {
        r.append(
            {0, QStringLiteral("Der Fragenkatalog nennt die Rollen der Fragen nicht: ob Zusammenfassung, "
                               "Schlusssätze und Verhalten zusammenpassen und ob erwartete Teile fehlen, "
                               "kann die Prüfung nicht beurteilen.")});
    }
    unterdurchschnittlich(e, r);
    eigeneFormulierungen(e, r);
    return r;
}

namespace {

Wahl wahlAus(const Katalog::AuswahlZeile& z)
{
    if (z.KeineAussage.value_or(false))
        return Wahl::Uebersprungen;
    if (z.Variante == QStringLiteral("A"))
        return Wahl::A;
    if (z.Variante == QStringLiteral("B"))
        return Wahl::B;
    if (z.Variante == QStringLiteral("C"))
        return Wahl::C;
    if (z.EigeneFormulierung)
        return Wahl::Eigene;
    return Wahl::Offen;
}

} // namespace

Ergebnis<Eingabe> laden(const Sitzung& s)
{
    Katalog::Verbindung v(Katalog::Zugriff::NurLesen);
    if (!v.offen())
        return Fehler{v.fehler()};
    auto satz = Katalog::fragensatz(v, s.arbeitnehmer.Geschlecht, s.Arbeitnehmertyp, s.Zeugnisart);
    if (!satz)
        return satz.alsFehler();
    auto gewaehlt = Katalog::auswahl(v);
    if (!gewaehlt)
        return gewaehlt.alsFehler();

    QHash<qint32, QString> rollen;
    if (v.db().tables().contains(QStringLiteral("Fragenrolle"))) {
        QSqlQuery q(v.db());
        if (auto st = v.ausfuehren(q, QStringLiteral("SELECT Nr, Rolle FROM Fragenrolle")); !st)
            return st.alsFehler();
        while (q.next())
            rollen.insert(q.value(0).toInt(), q.value(1).toString().trimmed().toLower());
    }

    Eingabe e;
    e.typ = s.Arbeitnehmertyp;
    e.art = s.Zeugnisart;
    for (const Katalog::FrageZeile& z : std::as_const(*satz)) {
        Frage f;
        f.nr = z.Nr;
        f.rolle = rollen.value(z.Nr);
        for (const Katalog::AuswahlZeile& a : std::as_const(*gewaehlt)) {
            if (a.Frage != z.Nr)
                continue;
            f.note = a.Note;
            f.wahl = wahlAus(a);
            f.eigenerText = a.EigeneFormulierung.value_or(QString());
            break;
        }
        e.fragen.append(f);
    }
    return e;
}

} // namespace Gesamtpruefung
