#pragma once

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <optional>

// Wordings a reference must not hold, one table for the catalogue build and for the check of a finished
// reference: codes that say more than they visibly say, and subjects a reference must not touch.
namespace Wendungen {

struct Verbot
{
    QRegularExpression ausdruck;
    QString grund; // German, for the message: "Geheimcode (Geselligkeit)", "Krankheit", ...
};

// Case-insensitive, Unicode-aware pattern as every rule table uses it.
QRegularExpression muster(const QString& ausdruck);

// The forbidden wordings by language code ("de", "en", "fr", "it", "es"): German fully, for the other
// languages the obvious words.
const QHash<QString, QList<Verbot>>& verbote();

// The first forbidden wording of any language found in `text`: the passage found and its reason.
struct Fund
{
    QString stelle;
    QString grund;
};
std::optional<Fund> verboteneWendung(const QString& text);

} // namespace Wendungen
