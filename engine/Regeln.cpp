#include "engine/Regeln.h"

namespace Regeln {

const Sprache* spracheMitBeschriftung(QStringView beschriftung)
{
    for (const Sprache& s : Sprachen)
        if (s.beschriftung == beschriftung)
            return &s;
    return nullptr;
}

const Sprache* spracheMitWort(QStringView wort)
{
    for (const Sprache& s : Sprachen)
        if (s.wort == wort)
            return &s;
    return nullptr;
}

const Geschlechtsregel* geschlecht(qint16 code)
{
    for (const Geschlechtsregel& g : Geschlechter)
        if (g.code == code)
            return &g;
    return nullptr;
}

const Satz* satz(qint16 typ, qint16 art)
{
    const Satz* qualifiziert = nullptr;
    for (const Satz& s : Saetze) {
        if (s.typ != typ)
            continue;
        if (s.art == art)
            return &s;
        if (s.art == Art::Qualifiziert)
            qualifiziert = &s;
    }
    return qualifiziert;
}

bool bleibtHinterWert(QChar c)
{
    return QStringView(u".,;:!?)").contains(c);
}

QString vollerName(const Arbeitnehmerdaten& d)
{
    QString name;
    if (!d.Titel.isEmpty())
        name = d.Titel + QLatin1Char(' ');
    return name + d.Vorname + QLatin1Char(' ') + d.Name;
}

} // namespace Regeln
