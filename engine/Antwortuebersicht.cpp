#include "engine/Antwortuebersicht.h"

#include <QHash>

namespace Antwortuebersicht {

QString notenwort(qint16 note)
{
    static const QStringList worte{QStringLiteral("sehr gut"), QStringLiteral("gut"),
                                   QStringLiteral("befriedigend"), QStringLiteral("ausreichend"),
                                   QStringLiteral("mangelhaft")};
    return note >= 1 && note <= worte.size() ? worte.at(note - 1) : QString();
}

QString antwortText(const Katalog::AuswahlZeile& z)
{
    if (z.KeineAussage.value_or(false))
        return QStringLiteral("übersprungen");
    if (z.Variante && !z.Variante->isEmpty()) {
        const QString vorschlag = QStringLiteral("Vorschlag ") + *z.Variante;
        const QString note = notenwort(z.Note);
        return note.isEmpty() ? vorschlag : note + QStringLiteral(", ") + vorschlag;
    }
    return QStringLiteral("eigene Formulierung");
}

QList<Eintrag> eintraege(const QList<Katalog::FrageZeile>& satz, qsizetype bis,
                         const QList<Katalog::AuswahlZeile>& auswahl)
{
    QHash<qint32, const Katalog::AuswahlZeile*> gewaehlt;
    for (const Katalog::AuswahlZeile& z : auswahl)
        if (!gewaehlt.contains(z.Frage))
            gewaehlt.insert(z.Frage, &z);
    QList<Eintrag> r;
    for (qsizetype i = 0; i < satz.size() && i < bis; ++i) {
        const Katalog::FrageZeile& f = satz.at(i);
        if (const auto* z = gewaehlt.value(f.Nr))
            r.append({f.Nr, int(i + 1), f.Frage, antwortText(*z)});
    }
    return r;
}

} // namespace Antwortuebersicht
