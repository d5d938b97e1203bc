#include "engine/Zeugnistext.h"

#include "engine/Regeln.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Italian joins the word before a filled-in value as it is spoken: an article, alone or joined to a
// preposition, elides before a vowel, and a day read "otto" or "undici" starts with one ("dall'11.5.2020",
// "l'8 maggio"); "a" takes a d before a place starting with a ("ad Ascona"). `wert` has just been put in at
// `p`.
void italienischAnschliessen(QString& text, qsizetype p, const QString& wert)
{
    static const QRegularExpression artikel(QStringLiteral("(?<![\\p{L}'\u2019])(il|dal|al|del|nel|sul)\\s$"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression vokal(
        QStringLiteral("^(?:[aeiou\u00e0\u00e8\u00e9\u00ec\u00f2\u00f9]|0?8(?!\\d)|11(?!\\d))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression praeposition(QStringLiteral("(?<![\\p{L}'\u2019])a\\s$"),
                                                 QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression mitA(QStringLiteral("^[a\u00e0]"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString davor = text.left(p);
    if (vokal.match(wert).hasMatch()) {
        if (const auto m = artikel.match(davor); m.hasMatch()) {
            const QString wort = m.captured(1);
            // "il" becomes "l'", the others keep their word: "dal" becomes "dall'"
            const QString elidiert =
                wort.compare(QStringLiteral("il"), Qt::CaseInsensitive) == 0
                    ? (wort.at(0).isUpper() ? QStringLiteral("L'") : QStringLiteral("l'"))
                    : wort + QStringLiteral("l'");
            text.replace(m.capturedStart(1), p - m.capturedStart(1), elidiert);
            return;
        }
    }
    if (mitA.match(wert).hasMatch() && praeposition.match(davor).hasMatch())
        text.insert(p - 1, QLatin1Char('d'));
}

// French contracts "à" with the article of a place name: "à Le Locle" is written "au Locle", "à Les Brenets"
// "aux Brenets"; "à La Chaux-de-Fonds" stays. `wert` has just been put in at `p`.
void franzoesischAnschliessen(QString& text, qsizetype p, const QString& wert)
{
    static const QRegularExpression artikel(QStringLiteral("^(Les?)\\s+(?=\\p{L})"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression praeposition(QStringLiteral("(?<![\\p{L}'\u2019])\u00e0\\s$"),
                                                 QRegularExpression::UseUnicodePropertiesOption);
    const auto a = artikel.match(wert);
    if (!a.hasMatch())
        return;
    const auto m = praeposition.match(text.left(p));
    if (!m.hasMatch())
        return;
    const QString zusammen = a.captured(1) == u"Le" ? QStringLiteral("au ") : QStringLiteral("aux ");
    text.replace(m.capturedStart(), p - m.capturedStart() + a.capturedLength(), zusammen);
}

// Replaces the first occurrence of `platzhalter`. With `folgezeichen` the character behind it goes too and
// a blank follows the value, except a sentence mark, which stays right behind the value. In an Italian or
// French text the word before the value is joined to it as it is spoken.
void ersetzen(QString& text, QStringView platzhalter, const QString& wert, bool folgezeichen,
              QStringView sprache)
{
    const qsizetype p = text.indexOf(platzhalter, 0, Qt::CaseSensitive);
    if (p < 0)
        return;
    qsizetype ende = p + platzhalter.size();
    QString ersatz = wert;
    const bool zeichenBleibt = ende < text.size() && Regeln::bleibtHinterWert(text.at(ende));
    if (folgezeichen && !zeichenBleibt) {
        if (ende < text.size()) {
            // One character: a surrogate pair counts as one.
            const bool paar = text.at(ende).isHighSurrogate() && ende + 1 < text.size() &&
                              text.at(ende + 1).isLowSurrogate();
            ende += paar ? 2 : 1;
        }
        ersatz += QLatin1Char(' ');
    }
    text.replace(p, ende - p, ersatz);
    if (sprache == u"it")
        italienischAnschliessen(text, p, wert);
    else if (sprache == u"fr")
        franzoesischAnschliessen(text, p, wert);
}

} // namespace

QString vollerName(const Arbeitnehmerdaten& d)
{
    return Regeln::vollerName(d);
}

bool bausteineEinsetzbar(const QString& sText)
{
    return std::any_of(
        Regeln::Platzhaltertabelle.begin(), Regeln::Platzhaltertabelle.end(),
        [&sText](const Regeln::Platzhalter& p) { return p.ausloeser && sText.contains(p.name); });
}

QString TextBausteineEinsetzen(QString& sText, const Arbeitnehmerdaten& d, QStringView sprache)
{
    if (!bausteineEinsetzbar(sText))
        return sText;
    for (const Regeln::Platzhalter& p : Regeln::Platzhaltertabelle)
        ersetzen(sText, p.name, p.wert(d), p.schluckt, sprache);
    return sText;
}

std::optional<QString> phrase(const Katalog::AntwortZeile& zeile, Katalog::Buchstabe b, const QString& name)
{
    const auto& erster = zeile.Antwort1[b];
    if (!erster)
        return std::nullopt;
    const auto& zweiter = zeile.Antwort2[b];
    return zweiter ? *erster + name + *zweiter : *erster;
}

QString Zeugnisschluss(const Sitzung& s)
{
    const QString& z = Text::Zeilenumbruch;
    return z + z + s.arbeitgeber.Ort + QStringLiteral(", ") + s.arbeitnehmer.Zeugnisdatum + z + z +
           s.arbeitgeber.Name;
}

QString trenner(bool absatz, bool textLeer)
{
    if (textLeer)
        return {};
    return absatz ? Text::Zeilenumbruch : QStringLiteral(" ");
}

QString Fragenzahl(qint16 typ, qint16 art)
{
    const Regeln::Satz* satz = Regeln::satz(typ, art);
    return satz ? QString::number(satz->fragen) : QString();
}

QString zaehler(qint32 naechste, const QString& fragenzahl)
{
    return QStringLiteral("Frage") + Text::vorzeichenZahl(naechste) + QStringLiteral(" von     ") +
           fragenzahl;
}
