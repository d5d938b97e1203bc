#include "engine/Textbau.h"

#include "engine/Zeugnistext.h"
#include "store/Sitzung.h"

namespace Textbau {

QString satz(QString phrase, const Arbeitnehmerdaten& daten, QStringView sprache)
{
    return TextBausteineEinsetzen(phrase, daten, sprache);
}

QString anschluss(const QString& phrase, bool absatz, bool textLeer)
{
    if (phrase.isEmpty())
        return {};
    return trenner(absatz, textLeer) + phrase;
}

QString schluss(const Sitzung& sitzung)
{
    return Zeugnisschluss(sitzung);
}

} // namespace Textbau
