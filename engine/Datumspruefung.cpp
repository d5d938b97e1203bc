#include "engine/Datumspruefung.h"

#include "store/Sitzung.h"

#include <QRegularExpression>

namespace Datumspruefung {

std::optional<QDate> lesen(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\s*$"));
    const auto treffer = form.match(text);
    if (!treffer.hasMatch())
        return std::nullopt;
    const QDate datum(treffer.captured(3).toInt(), treffer.captured(2).toInt(), treffer.captured(1).toInt());
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

namespace {

struct Datumsfeld
{
    QString name;
    QString Arbeitnehmerdaten::*wert;
};

const QList<Datumsfeld>& datumsfelder()
{
    static const QList<Datumsfeld> felder{
        {QStringLiteral("Geburtsdatum"), &Arbeitnehmerdaten::Geburtsdatum},
        {QStringLiteral("Eintrittsdatum"), &Arbeitnehmerdaten::Eintrittsdatum},
        {QStringLiteral("Austrittsdatum"), &Arbeitnehmerdaten::Austrittsdatum},
        {QStringLiteral("Zeugnisdatum"), &Arbeitnehmerdaten::Zeugnisdatum},
    };
    return felder;
}

} // namespace

QList<Warnung> warnungen(const Arbeitnehmerdaten& d, qint16 zeugnisart)
{
    const bool mitAustritt = zeugnisart != Art::Zwischen;
    QList<Warnung> r;
    for (const Datumsfeld& f : datumsfelder()) {
        if (!mitAustritt && f.wert == &Arbeitnehmerdaten::Austrittsdatum)
            continue;
        const QString& text = d.*f.wert;
        if (!text.trimmed().isEmpty() && !lesen(text))
            r.append({f.name, QStringLiteral("%1 \u201e%2\u201c liest sich nicht als Datum TT.MM.JJJJ.")
                                  .arg(f.name, text.trimmed())});
    }

    const auto geburt = lesen(d.Geburtsdatum);
    const auto eintritt = lesen(d.Eintrittsdatum);
    // An interim reference has no leaving date: an empty text reads as none.
    const auto austritt = lesen(mitAustritt ? d.Austrittsdatum : QString());
    const auto zeugnis = lesen(d.Zeugnisdatum);
    if (eintritt && austritt && *austritt < *eintritt)
        r.append({QStringLiteral("Austrittsdatum"),
                  QStringLiteral("Das Austrittsdatum liegt vor dem Eintrittsdatum.")});
    if (austritt && zeugnis && *zeugnis != *austritt)
        r.append({QStringLiteral("Zeugnisdatum"),
                  QStringLiteral("Das Zeugnisdatum weicht vom Austrittsdatum ab; ein Endzeugnis trägt in der "
                                 "Regel das Datum des letzten Arbeitstags.")});
    if (geburt && eintritt && *eintritt < geburt->addYears(Mindestalter))
        r.append(
            {QStringLiteral("Geburtsdatum"),
             QStringLiteral("Beim Eintritt wäre die Person jünger als %1 Jahre gewesen.").arg(Mindestalter)});
    return r;
}

} // namespace Datumspruefung
