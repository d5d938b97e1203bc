#include "catalogue/Pruefung.h"

#include "catalogue/Gesamtpruefung.h"
#include "catalogue/Platzhalter.h"
#include "catalogue/Zeitform.h"
#include "engine/Wendungen.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace Katalogbau {

Regeln Regeln::testkatalog()
{
    Regeln r;
    r.anzahlPruefen = false;
    r.ziffernVerbieten = false;
    r.pflicht.clear();
    r.vorlaeufig.clear();
    r.vielfaltPruefen = false;
    return r;
}

namespace {

// Stands in for the surname when a two-part text is composed for checking.
const QString Probename = QStringLiteral("Mustermann");

QRegularExpression muster(const QString& ausdruck)
{
    return QRegularExpression(ausdruck, QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
}

// A form of address of the other sex: a text for a man that says "Frau", or one for a woman that says "Herr".
const QHash<QString, QHash<QString, QRegularExpression>>& fremdeAnrede()
{
    static const QHash<QString, QHash<QString, QRegularExpression>> liste{
        {QStringLiteral("de"),
         {{QStringLiteral("m"), muster(QStringLiteral("\\bFrau\\b"))},
          {QStringLiteral("w"), muster(QStringLiteral("\\bHerrn?\\b"))}}},
        {QStringLiteral("en"),
         {{QStringLiteral("m"), muster(QStringLiteral("\\b(Ms|Mrs|Miss)\\b"))},
          {QStringLiteral("w"), muster(QStringLiteral("\\bMr\\b"))}}},
        {QStringLiteral("fr"),
         {{QStringLiteral("m"), muster(QStringLiteral("\\b(Mme|Madame)\\b"))},
          {QStringLiteral("w"), muster(QStringLiteral("(^|\\s)M\\.\\s|\\bMonsieur\\b"))}}},
        {QStringLiteral("it"),
         {{QStringLiteral("m"), muster(QStringLiteral("\\bsignora\\b"))},
          {QStringLiteral("w"), muster(QStringLiteral("\\bsignor\\b"))}}},
        {QStringLiteral("es"),
         {{QStringLiteral("m"), muster(QStringLiteral("\\bseñora\\b"))},
          {QStringLiteral("w"), muster(QStringLiteral("\\bseñor\\b"))}}},
    };
    return liste;
}

int abstand(const QString& a, const QString& b)
{
    QList<int> zeile(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        zeile[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = zeile[0];
        zeile[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int oben = zeile[j];
            zeile[j] =
                std::min({oben + 1, zeile[j - 1] + 1, diagonal + (a.at(i - 1) == b.at(j - 1) ? 0 : 1)});
            diagonal = oben;
        }
    }
    return zeile[b.size()];
}

QString zitat(const QString& s)
{
    return QStringLiteral("\u201e%1\u201c").arg(s);
}

bool istSatzzeichen(QChar c)
{
    return c.isPunct() && c != QLatin1Char('(') && c != QLatin1Char('"') && c != QChar(0x201E);
}

class Pruefer
{
public:
    explicit Pruefer(const Regeln& regeln) : m_regeln(regeln) {}

    Meldungen ergebnis;

    void melden(const Meldung& ort, Meldung::Stufe stufe, const QString& text)
    {
        Meldung m = ort;
        m.stufe = stufe;
        m.text = text;
        ergebnis.append(m);
    }
    void fehler(const Meldung& ort, const QString& text) { melden(ort, Meldung::Stufe::Fehler, text); }
    void warnung(const Meldung& ort, const QString& text) { melden(ort, Meldung::Stufe::Warnung, text); }

    void alle(const QList<Satz>& saetze)
    {
        QHash<QString, QString> satzDatei;
        QHash<int, QString> nrDatei;
        for (const Satz& satz : saetze) {
            Meldung ort;
            ort.datei = satz.datei;
            ort.satz = satz.name;
            if (!satz.name.isEmpty()) {
                if (satzDatei.contains(satz.name))
                    fehler(ort, QStringLiteral("der Satz %1 steht schon in %2")
                                    .arg(satz.name, satzDatei.value(satz.name)));
                satzDatei.insert(satz.name, satz.datei);
                if (!satz.sammeldatei && QFileInfo(satz.datei).completeBaseName() != satz.name)
                    fehler(ort,
                           QStringLiteral("Arbeitnehmertyp %1 und Zeugnisart %2 gehören in die Datei %3.json")
                               .arg(satz.arbeitnehmertyp)
                               .arg(satz.zeugnisart)
                               .arg(satz.name));
            }
            einSatz(ort, satz, nrDatei);
        }
        for (const QString& pflicht : m_regeln.pflicht)
            if (!satzDatei.contains(pflicht)) {
                Meldung ort;
                ort.datei = pflicht + QStringLiteral(".json");
                fehler(ort,
                       QStringLiteral("der Satz %1 fehlt; ohne ihn wird kein Katalog gebaut").arg(pflicht));
            }
    }

private:
    void einSatz(const Meldung& ort, const Satz& satz, QHash<int, QString>& nrDatei)
    {
        const Satzart* art = satzart(satz.arbeitnehmertyp, satz.zeugnisart);
        if (art && m_regeln.anzahlPruefen && satz.fragen.size() != art->anzahl)
            fehler(ort, QStringLiteral("der Satz hat %1 Fragen, verlangt sind genau %2")
                            .arg(satz.fragen.size())
                            .arg(art->anzahl));
        int vorige = 0;
        for (const Frage& frage : satz.fragen) {
            Meldung o = ort;
            o.nr = frage.nr;
            if (art && (frage.nr < art->ersteNr || frage.nr > art->letzteNr()))
                fehler(o, QStringLiteral("die Nummer liegt nicht im Bereich des Satzes (%1 bis %2)")
                              .arg(art->ersteNr)
                              .arg(art->letzteNr()));
            if (nrDatei.contains(frage.nr))
                fehler(o,
                       QStringLiteral("die Nummer ist schon vergeben (in %1)").arg(nrDatei.value(frage.nr)));
            else
                nrDatei.insert(frage.nr, satz.datei);
            if (frage.nr <= vorige)
                warnung(o, QStringLiteral("die Fragen stehen nicht in aufsteigender Nummernfolge"));
            vorige = std::max(vorige, frage.nr);
            eineFrage(o, frage);
        }
    }

    void eineFrage(const Meldung& ort, const Frage& frage)
    {
        for (const QString& g : geschlechter()) {
            Meldung o = ort;
            o.geschlecht = g;
            if (!frage.frage.contains(g) || frage.frage.value(g).trimmed().isEmpty()) {
                fehler(o, QStringLiteral("der Fragetext fehlt oder ist leer"));
                continue;
            }
            fragetext(o, frage.frage.value(g));
        }

        QList<int> noten;
        for (const Antwortzeile& zeile : frage.antworten)
            noten.append(zeile.note);
        const bool ungewertet = noten == QList<int>{0};
        if (!ungewertet && noten != QList<int>{1, 2, 3, 4} && noten != QList<int>{1, 2, 3, 4, 5}) {
            QStringList liste;
            for (int n : noten)
                liste << QString::number(n);
            fehler(
                ort,
                QStringLiteral("die Antwortzeilen müssen die Noten 1, 2, 3, 4 (und 5) in dieser Reihenfolge "
                               "haben oder genau eine Zeile mit Note 0; sie haben: %1")
                    .arg(liste.isEmpty() ? QStringLiteral("keine") : liste.join(QStringLiteral(", "))));
        }
        for (const Antwortzeile& zeile : frage.antworten) {
            Meldung o = ort;
            o.note = zeile.note;
            eineZeile(o, zeile);
        }
    }

    void fragetext(const Meldung& ort, const QString& text)
    {
        if (text != text.trimmed())
            fehler(ort, QStringLiteral("der Fragetext beginnt oder endet mit einem Leerzeichen"));
        if (std::any_of(text.begin(), text.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; }))
            fehler(ort, QStringLiteral("der Fragetext enthält einen Zeilenumbruch oder ein Steuerzeichen"));
        for (const QString& p : Platzhalter::alle())
            if (text.contains(p))
                fehler(
                    ort,
                    QStringLiteral("der Fragetext enthält den Platzhalter %1; er wird nie ersetzt").arg(p));
        if (!text.endsWith(QLatin1Char('?')))
            warnung(ort, QStringLiteral("der Fragetext endet nicht mit \u201e?\u201c"));
        verboteneWendungen(ort, QStringLiteral("de"), text);
    }

    void eineZeile(const Meldung& ort, const Antwortzeile& zeile)
    {
        if (zeile.varianten.isEmpty()) {
            fehler(ort, QStringLiteral(
                            "die Antwortzeile bietet keine Formulierung an (keine Variante A, B oder C)"));
            return;
        }
        const QString vorhanden = zeile.varianten.keys().join(QString());
        if (!QStringLiteral("ABC").startsWith(vorhanden))
            warnung(ort, QStringLiteral("die Varianten lassen eine Lücke (vorhanden: %1)").arg(vorhanden));

        for (auto v = zeile.varianten.begin(); v != zeile.varianten.end(); ++v) {
            Meldung o = ort;
            o.buchstabe = v.key();
            const Sprachtexte& texte = v.value();
            for (const QString& sprache : sprachen()) {
                Meldung os = o;
                os.sprache = sprache;
                if (!texte.contains(sprache)) {
                    if (m_regeln.sprachen.contains(sprache))
                        fehler(os, QStringLiteral("die Sprache fehlt; jede Variante braucht alle Sprachen"));
                    continue;
                }
                for (const QString& g : geschlechter()) {
                    Meldung og = os;
                    og.geschlecht = g;
                    if (!texte.value(sprache).contains(g)) {
                        fehler(og,
                               QStringLiteral(
                                   "der Text fehlt; jede Sprache braucht \u201em\u201c und \u201ew\u201c"));
                        continue;
                    }
                    const Formulierung& f = texte.value(sprache).value(g);
                    // A translation may say "he" where the German names the surname: the German habit of
                    // repeating "Herr Maier" reads stiff in the other languages.
                    einText(og, zeile.note, f);
                }
            }
        }
    }

    void einText(const Meldung& ort, int note, const Formulierung& f)
    {
        const QString text = f.zusammengesetzt(Probename);
        if (f.teil1.isEmpty())
            fehler(ort, QStringLiteral("der erste Teil ist leer"));
        if (f.teil2 && f.teil2->isEmpty())
            fehler(ort, QStringLiteral(
                            "der zweite Teil ist leer; einteilige Texte sind eine Liste mit einem Text"));
        if (!text.isEmpty() && text.front().isSpace())
            fehler(ort, QStringLiteral("der Text beginnt mit einem Leerzeichen"));
        if (!text.isEmpty() && text.back().isSpace())
            fehler(ort, QStringLiteral("der Text endet mit einem Leerzeichen"));
        else if (!text.endsWith(QLatin1Char('.')))
            fehler(ort, QStringLiteral("der Text endet nicht mit \u201e.\u201c"));
        if (std::any_of(text.begin(), text.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; }))
            fehler(ort, QStringLiteral("der Text enthält einen Zeilenumbruch oder ein Steuerzeichen"));
        if (text.contains(QStringLiteral("  ")))
            fehler(ort, QStringLiteral("der Text enthält zwei Leerzeichen hintereinander"));
        // The surname follows the first part directly: without a closing blank it sticks to a word ("Herr"
        // + Maier) or to the end of a sentence ("... clientes." + Maier).
        if (f.teil2 && !f.teil1.isEmpty() && !f.teil1.back().isSpace())
            fehler(ort, QStringLiteral(
                            "der erste Teil endet nicht mit einem Leerzeichen; der Nachname hängt an %1")
                            .arg(zitat(f.teil1.section(QLatin1Char(' '), -1))));
        if (m_regeln.ziffernVerbieten) {
            const auto ziffer = std::find_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
            if (ziffer != text.end())
                fehler(ort, QStringLiteral("der Text enthält die Ziffer %1; Ziffern sind verboten")
                                .arg(zitat(*ziffer)));
        }
        platzhalter(ort, text);
        verboteneWendungen(ort, ort.sprache, text);
        const auto anreden = fremdeAnrede().constFind(ort.sprache);
        if (anreden != fremdeAnrede().constEnd()) {
            const auto anrede = anreden->constFind(ort.geschlecht);
            const auto treffer =
                anrede != anreden->constEnd() ? anrede->match(text) : QRegularExpressionMatch();
            if (treffer.hasMatch())
                warnung(ort, QStringLiteral("die Anrede %1 passt nicht zum Geschlecht")
                                 .arg(zitat(treffer.captured().trimmed())));
        }
        if (ort.sprache == QStringLiteral("de"))
            notenleiter(ort, note, text);
    }

    void platzhalter(const Meldung& ort, const QString& text)
    {
        const bool gefuellt = Platzhalter::wirdGefuellt(text);
        for (const QString& p : Platzhalter::alle()) {
            const qsizetype anzahl = text.count(p);
            if (anzahl == 0)
                continue;
            if (anzahl > 1)
                fehler(ort,
                       QStringLiteral("der Platzhalter %1 steht %2-mal im Text; ersetzt wird nur der erste")
                           .arg(p)
                           .arg(anzahl));
            if (!gefuellt)
                fehler(ort, QStringLiteral("der Platzhalter %1 wird nur in Texten mit (Eintrittsdatum) oder "
                                           "(Austrittsdatum) ersetzt; hier bliebe er stehen")
                                .arg(p));
            if (!Platzhalter::schluckt(p))
                continue;
            for (qsizetype pos = text.indexOf(p); pos >= 0; pos = text.indexOf(p, pos + 1)) {
                const qsizetype danach = pos + p.size();
                if (danach >= text.size())
                    continue;
                if (Platzhalter::bleibtHinterWert(text.at(danach)))
                    continue;
                if (text.at(danach) != QLatin1Char(' '))
                    fehler(ort, QStringLiteral(
                                    "nach %1 muss ein Leerzeichen oder Satzzeichen stehen, nicht %2; das "
                                    "Zeichen danach fällt beim Einsetzen weg")
                                    .arg(p, zitat(text.at(danach))));
                else if (danach + 1 < text.size() && istSatzzeichen(text.at(danach + 1)))
                    fehler(ort, QStringLiteral(
                                    "nach %1 folgt ein Leerzeichen und dann %2; es bliebe ein Leerzeichen "
                                    "vor dem Satzzeichen")
                                    .arg(p, zitat(text.at(danach + 1))));
            }
        }

        // Near misses: a bracketed word close to a placeholder, or one of the employee's or employer's fields
        // that an author may take for a placeholder.
        static const QRegularExpression geklammert(QStringLiteral("\\(([^()]{1,40})\\)"));
        static const QStringList keinPlatzhalter{
            QStringLiteral("name"),        QStringLiteral("vorname"),      QStringLiteral("nachname"),
            QStringLiteral("titel"),       QStringLiteral("zeugnisdatum"), QStringLiteral("firma"),
            QStringLiteral("arbeitgeber"), QStringLiteral("strasse"),      QStringLiteral("straße"),
            QStringLiteral("plz"),         QStringLiteral("ort"),          QStringLiteral("datum")};
        for (auto it = geklammert.globalMatch(text); it.hasNext();) {
            const auto treffer = it.next();
            if (Platzhalter::alle().contains(treffer.captured()))
                continue;
            const QString wort = treffer.captured(1).trimmed().toLower();
            QString gemeint;
            for (const QString& p : Platzhalter::alle())
                if (abstand(wort, p.mid(1, p.size() - 2).toLower()) <= 3)
                    gemeint = p;
            if (!gemeint.isEmpty())
                fehler(ort, QStringLiteral("falsch geschriebener Platzhalter %1; gemeint ist wohl %2")
                                .arg(zitat(treffer.captured()), gemeint));
            else if (keinPlatzhalter.contains(wort))
                fehler(ort, QStringLiteral(
                                "%1 ist kein Platzhalter und bliebe so im Text stehen; Platzhalter sind %2")
                                .arg(zitat(treffer.captured()), Platzhalter::alle().join(QLatin1Char(' '))));
        }
        for (const QString& p : Platzhalter::alle()) {
            const QString name = p.mid(1, p.size() - 2);
            for (qsizetype pos = text.indexOf(name, 0, Qt::CaseInsensitive); pos >= 0;
                 pos = text.indexOf(name, pos + 1, Qt::CaseInsensitive)) {
                qsizetype vorn = pos - 1;
                while (vorn >= 0 && text.at(vorn) == QLatin1Char(' '))
                    --vorn;
                qsizetype hinten = pos + name.size();
                while (hinten < text.size() && text.at(hinten) == QLatin1Char(' '))
                    ++hinten;
                const bool auf = vorn >= 0 && text.at(vorn) == QLatin1Char('(');
                const bool zu = hinten < text.size() && text.at(hinten) == QLatin1Char(')');
                if (auf != zu)
                    fehler(ort, QStringLiteral("dem Platzhalter %1 fehlt eine Klammer").arg(p));
            }
        }
    }

    void verboteneWendungen(const Meldung& ort, const QString& sprache, const QString& text)
    {
        for (const Wendungen::Verbot& verbot : Wendungen::verbote().value(sprache)) {
            const auto treffer = verbot.ausdruck.match(text);
            if (treffer.hasMatch())
                fehler(
                    ort,
                    QStringLiteral("verbotene Wendung %1: %2").arg(zitat(treffer.captured()), verbot.grund));
        }
    }

    // The German grade code: the grade-1 formulas only in grade 1, the restricting grade-5 words only in
    // grade 5, and never the disputed forms.
    void notenleiter(const Meldung& ort, int note, const QString& text)
    {
        static const QRegularExpression vollsten = muster(QStringLiteral("vollsten"));
        static const QRegularExpression vorbildlich = muster(QStringLiteral("stets\\s+vorbildlich"));
        static const QRegularExpression zeitwort = muster(QStringLiteral("\\b(stets|jederzeit|immer)\\b"));
        static const QRegularExpression umstritten =
            muster(QStringLiteral("stets\\s+zu\\s+unserer\\s+Zufriedenheit"));
        static const QList<QRegularExpression> einschraenkend{
            muster(QStringLiteral("im\\s+Gro(ß|ss)en\\s+und\\s+Ganzen")),
            muster(QStringLiteral("im\\s+Wesentlichen")), muster(QStringLiteral("\\bbemüh")),
            muster(QStringLiteral("\\bversucht(e|en)?\\b"))};

        if (note != 1) {
            for (const auto* ausdruck : {&vollsten, &vorbildlich}) {
                const auto treffer = ausdruck->match(text);
                if (treffer.hasMatch())
                    fehler(ort, QStringLiteral("%1 gehört nur in Note 1").arg(zitat(treffer.captured())));
            }
        }
        if (vollsten.match(text).hasMatch() && !zeitwort.match(text).hasMatch())
            fehler(ort, QStringLiteral("\u201evollsten\u201c nur zusammen mit \u201estets\u201c"));
        if (const auto treffer = umstritten.match(text); treffer.hasMatch())
            fehler(ort,
                   QStringLiteral("die umstrittene Form %1 ist verboten").arg(zitat(treffer.captured())));
        if (note != 5) {
            for (const auto& ausdruck : einschraenkend) {
                const auto treffer = ausdruck.match(text);
                if (treffer.hasMatch())
                    fehler(ort, QStringLiteral("%1 schränkt ein und gehört nur in Note 5")
                                    .arg(zitat(treffer.captured())));
            }
        }
    }

    const Regeln& m_regeln;
};

} // namespace

Meldungen pruefen(const QList<Satz>& saetze, const Regeln& regeln)
{
    Pruefer pruefer(regeln);
    pruefer.alle(saetze);
    Meldungen gesamt = gesamtpruefung(saetze, regeln.vielfaltPruefen);
    for (Meldung& m : gesamt)
        if (m.stufe == Meldung::Stufe::Fehler && regeln.vorlaeufig.contains(m.satz)) {
            m.stufe = Meldung::Stufe::Warnung;
            m.text = QStringLiteral("(Satz in Überarbeitung) ") + m.text;
        }
    return pruefer.ergebnis + zeitformpruefung(saetze) + gesamt;
}

} // namespace Katalogbau
