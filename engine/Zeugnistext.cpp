#include "engine/Zeugnistext.h"

#include "engine/Regeln.h"
#include "store/Sitzung.h"
#include "store/Text.h"

#include <algorithm>

namespace {

// Replaces the first occurrence of `platzhalter`. With `folgezeichen` the character behind it goes too and
// a blank follows the value.
void ersetzen(QString& text, QStringView platzhalter, const QString& wert, bool folgezeichen)
{
    const qsizetype p = text.indexOf(platzhalter, 0, Qt::CaseSensitive);
    if (p < 0)
        return;
    qsizetype ende = p + platzhalter.size();
    if (folgezeichen && ende < text.size()) {
        // One character: a surrogate pair counts as one.
        const bool paar =
            text.at(ende).isHighSurrogate() && ende + 1 < text.size() && text.at(ende + 1).isLowSurrogate();
        ende += paar ? 2 : 1;
    }
    text.replace(p, ende - p, folgezeichen ? wert + QLatin1Char(' ') : wert);
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

QString TextBausteineEinsetzen(QString& sText, const Arbeitnehmerdaten& d)
{
    if (!bausteineEinsetzbar(sText))
        return sText;
    for (const Regeln::Platzhalter& p : Regeln::Platzhaltertabelle)
        ersetzen(sText, p.name, p.wert(d), p.schluckt);
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
