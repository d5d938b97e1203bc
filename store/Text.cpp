#include "store/Text.h"

#include <cmath>
#include <limits>

namespace Text {

QString vorzeichenZahl(qint64 zahl)
{
    return zahl < 0 ? QString::number(zahl) : QLatin1Char(' ') + QString::number(zahl);
}

qint16 zahlLesen(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;

    bool negativ = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }

    // Accumulate in double: a long run of digits saturates instead of overflowing.
    double wert = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        wert = wert * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        double stelle = 0.1;
        for (++i; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i) {
            wert += (text[i].unicode() - '0') * stelle;
            stelle /= 10;
        }
    }
    if (negativ)
        wert = -wert;

    constexpr double unten = std::numeric_limits<qint16>::min();
    constexpr double oben = std::numeric_limits<qint16>::max();
    if (!(wert >= unten)) // also catches NaN
        return std::numeric_limits<qint16>::min();
    if (wert > oben)
        return std::numeric_limits<qint16>::max();
    return static_cast<qint16>(std::nearbyint(wert)); // default rounding mode: halves to even
}

} // namespace Text
