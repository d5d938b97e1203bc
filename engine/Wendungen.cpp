#include "engine/Wendungen.h"

#include <QStringList>

namespace Wendungen {

QRegularExpression muster(const QString& ausdruck)
{
    return QRegularExpression(ausdruck, QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::UseUnicodePropertiesOption);
}

// Phrases that must not appear: codes that say more than they visibly say, and subjects a reference must
// not touch. German fully; for the other languages the obvious words.
const QHash<QString, QList<Verbot>>& verbote()
{
    static const QHash<QString, QList<Verbot>> liste{
        {QStringLiteral("de"),
         {
             {muster(QStringLiteral("\\bgesellig")), QStringLiteral("Geheimcode (Geselligkeit)")},
             {muster(QStringLiteral("Arbeitnehmerinteressen")),
              QStringLiteral("Geheimcode (Arbeitnehmerinteressen)")},
             {muster(QStringLiteral("Belange\\s+der\\s+Belegschaft")),
              QStringLiteral("Geheimcode (Belange der Belegschaft)")},
             {muster(QStringLiteral("Verständnis\\s+für\\s+(seine|ihre)\\s+Arbeit")),
              QStringLiteral("Geheimcode (Verständnis für die Arbeit)")},
             {muster(QStringLiteral("\\b(er)?krank|arbeitsunfähig|Fehlzeit|Fehltage|Ausfallzeit")),
              QStringLiteral("Krankheit")},
             {muster(QStringLiteral("behindert|Behinderung")), QStringLiteral("Behinderung")},
             {muster(QStringLiteral(
                  "Elternzeit|Elterngeld|Erziehungsurlaub|Mutterschutz|Mutterschaft|schwanger")),
              QStringLiteral("Elternzeit oder Schwangerschaft")},
             {muster(QStringLiteral(
                  "Betriebsrat|Personalrat|Gewerkschaft|Arbeitnehmervertret|Mitarbeitervertretung")),
              QStringLiteral("Betriebsrat oder Gewerkschaft")},
             {muster(QStringLiteral("Abmahnung|abgemahnt|Verwarnung|verwarnt")), QStringLiteral("Abmahnung")},
             {muster(QStringLiteral("Privatleben|private[nr]?\\s+(Gründe|Angelegenheit|Umstände)")),
              QStringLiteral("Privatleben")},
             {muster(QStringLiteral("\\btrenn|getrennt")), QStringLiteral("\u201etrennen\u201c")},
             {muster(QStringLiteral("fristlos")), QStringLiteral("fristlose Kündigung")},
             {muster(QStringLiteral("Alkohol")), QStringLiteral("Alkohol")},
         }},
        {QStringLiteral("en"),
         {
             {muster(QStringLiteral("\\billness|\\bsick|disabilit|\\bdisabled")),
              QStringLiteral("Krankheit oder Behinderung")},
             {muster(QStringLiteral("maternity|parental\\s+leave|pregnan")),
              QStringLiteral("Elternzeit oder Schwangerschaft")},
             {muster(QStringLiteral("trade\\s+union|labou?r\\s+union|works\\s+council")),
              QStringLiteral("Betriebsrat oder Gewerkschaft")},
             {muster(QStringLiteral("written\\s+warning")), QStringLiteral("Abmahnung")},
         }},
        {QStringLiteral("fr"),
         {
             {muster(QStringLiteral("maladie|\\bmalade|handicap")),
              QStringLiteral("Krankheit oder Behinderung")},
             {muster(QStringLiteral("congé\\s+(parental|maternité)|grossesse")),
              QStringLiteral("Elternzeit oder Schwangerschaft")},
             {muster(QStringLiteral("syndica[tl]|comité\\s+d.entreprise")),
              QStringLiteral("Betriebsrat oder Gewerkschaft")},
             {muster(QStringLiteral("avertissement")), QStringLiteral("Abmahnung")},
         }},
        {QStringLiteral("it"),
         {
             {muster(QStringLiteral("malattia|\\bmalat[oa]\\b|disabilità|\\bdisabile")),
              QStringLiteral("Krankheit oder Behinderung")},
             {muster(QStringLiteral("congedo\\s+parentale|maternità|gravidanza")),
              QStringLiteral("Elternzeit oder Schwangerschaft")},
             {muster(QStringLiteral("sindaca[tl]|consiglio\\s+di\\s+fabbrica")),
              QStringLiteral("Betriebsrat oder Gewerkschaft")},
             {muster(QStringLiteral("richiamo\\s+scritto|ammonizione")), QStringLiteral("Abmahnung")},
         }},
        {QStringLiteral("es"),
         {
             {muster(QStringLiteral("enfermedad|\\benferm[oa]\\b|discapacidad")),
              QStringLiteral("Krankheit oder Behinderung")},
             {muster(QStringLiteral("maternidad|permiso\\s+parental|embarazo")),
              QStringLiteral("Elternzeit oder Schwangerschaft")},
             {muster(QStringLiteral("sindica[tl]|comité\\s+de\\s+empresa")),
              QStringLiteral("Betriebsrat oder Gewerkschaft")},
             {muster(QStringLiteral("amonestación")), QStringLiteral("Abmahnung")},
         }},
    };
    return liste;
}

std::optional<Fund> verboteneWendung(const QString& text)
{
    // German first: an own wording is most likely German.
    for (const QString& sprache : {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr"),
                                   QStringLiteral("it"), QStringLiteral("es")})
        for (const Verbot& v : verbote().value(sprache))
            if (const auto treffer = v.ausdruck.match(text); treffer.hasMatch())
                return Fund{treffer.captured(), v.grund};
    return std::nullopt;
}

} // namespace Wendungen
