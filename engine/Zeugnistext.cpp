#include "engine/Zeugnistext.h"

#include "engine/Satzgroessen.h"
#include "store/Sitzung.h"
#include "store/Text.h"

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
    QString name;
    if (!d.Titel.isEmpty())
        name = d.Titel + QLatin1Char(' ');
    return name + d.Vorname + QLatin1Char(' ') + d.Name;
}

bool bausteineEinsetzbar(const QString& sText)
{
    return sText.contains(u"(Eintrittsdatum)") || sText.contains(u"(Austrittsdatum)");
}

QString TextBausteineEinsetzen(QString& sText, const Arbeitnehmerdaten& d)
{
    if (!bausteineEinsetzbar(sText))
        return sText;
    ersetzen(sText, u"(Eintrittsdatum)", d.Eintrittsdatum, true);
    ersetzen(sText, u"(Austrittsdatum)", d.Austrittsdatum, true);
    ersetzen(sText, u"(Position)", d.Position, true);
    ersetzen(sText, u"(Geburtsdatum)", d.Geburtsdatum, true);
    ersetzen(sText, u"(Geburtsort)", d.Geburtsort, false);
    ersetzen(sText, u"(VollerName)", vollerName(d), false);
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
    // Any kind other than 1 counts as qualified; a type without a simple set announces its qualified one.
    const qint16 gesucht = art == 1 ? qint16(1) : qint16(2);
    for (qint16 a : {gesucht, qint16(2)})
        for (const Satzgroesse& s : Satzgroessen)
            if (s.arbeitnehmertyp == typ && s.zeugnisart == a)
                return QString::number(s.anzahl);
    return {};
}

QString zaehler(qint32 naechste, const QString& fragenzahl)
{
    return QStringLiteral("Frage") + Text::vorzeichenZahl(naechste) + QStringLiteral(" von     ") +
           fragenzahl;
}
