#include "catalogue/Platzhalter.h"

namespace Platzhalter {

const QStringList& alle()
{
    static const QStringList namen{QStringLiteral("(Eintrittsdatum)"), QStringLiteral("(Austrittsdatum)"),
                                   QStringLiteral("(Position)"),       QStringLiteral("(Geburtsdatum)"),
                                   QStringLiteral("(Geburtsort)"),     QStringLiteral("(VollerName)")};
    return namen;
}

bool schluckt(const QString& platzhalter)
{
    const qsizetype i = alle().indexOf(platzhalter);
    return i >= 0 && i < 4;
}

bool wirdGefuellt(const QString& text)
{
    return text.contains(alle().at(0)) || text.contains(alle().at(1));
}

QString fuellen(QString text, const Werte& werte)
{
    if (!wirdGefuellt(text))
        return text;
    const QString vollerName = (werte.titel.isEmpty() ? QString() : werte.titel + QLatin1Char(' ')) +
                               werte.vorname + QLatin1Char(' ') + werte.name;
    const QString ersatz[] = {werte.eintrittsdatum, werte.austrittsdatum, werte.position,
                              werte.geburtsdatum,   werte.geburtsort,     vollerName};
    for (qsizetype i = 0; i < alle().size(); ++i) {
        const QString& platzhalter = alle().at(i);
        const qsizetype pos = text.indexOf(platzhalter);
        if (pos < 0)
            continue;
        if (schluckt(platzhalter))
            text = text.left(pos) + ersatz[i] + QLatin1Char(' ') + text.mid(pos + platzhalter.size() + 1);
        else
            text = text.left(pos) + ersatz[i] + text.mid(pos + platzhalter.size());
    }
    return text;
}

} // namespace Platzhalter
