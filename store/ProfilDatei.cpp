#include "store/ProfilDatei.h"

#include "store/Text.h"
#include "store/Windows1252.h"

#include <algorithm>
#include <utility>

namespace {

bool istLeer(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView getrimmt(QStringView text)
{
    while (!text.isEmpty() && istLeer(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && istLeer(text.back()))
        text.chop(1);
    return text;
}

bool istAnfuehrung(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Whether a read would take a pair of quotes off this (trimmed) value.
bool inAnfuehrung(QStringView wert)
{
    return wert.size() >= 2 && istAnfuehrung(wert.front()) && wert.back() == wert.front();
}

bool istUmbruch(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The value as it goes into the file: each line break becomes one blank, and a value that a read would
// strip of its quotes gets one more pair.
QString wertFuerDatei(QStringView wert)
{
    QString text;
    text.reserve(wert.size() + 2);
    for (qsizetype i = 0; i < wert.size(); ++i) {
        if (wert[i] == QLatin1Char('\r') && i + 1 < wert.size() && wert[i + 1] == QLatin1Char('\n'))
            ++i;
        text.append(istUmbruch(wert[i]) ? QLatin1Char(' ') : wert[i]);
    }
    if (inAnfuehrung(getrimmt(text)))
        text = QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

} // namespace

ProfilDatei::ProfilDatei(QByteArray inhalt) : m_inhalt(std::move(inhalt))
{
    zerlegen();
}

bool ProfilDatei::gleicherName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void ProfilDatei::zerlegen()
{
    m_zeilen.clear();
    const QByteArrayView b(m_inhalt);
    qsizetype p = 0;
    if (b.startsWith("\xFF\xFE")) {
        m_kodierung = Kodierung::Utf16LE;
        p = 2;
    } else if (b.startsWith("\xFE\xFF")) {
        m_kodierung = Kodierung::Utf16BE;
        p = 2;
    } else if (b.startsWith("\xEF\xBB\xBF")) {
        m_kodierung = Kodierung::Utf8;
        p = 3;
    } else {
        m_kodierung = Kodierung::Windows1252;
    }

    // Line breaks are found on code units: one byte, or two for UTF-16. In UTF-8 the bytes of CR and LF
    // never occur inside a longer sequence.
    const bool utf16 = m_kodierung == Kodierung::Utf16LE || m_kodierung == Kodierung::Utf16BE;
    const qsizetype breite = utf16 ? 2 : 1;
    const qsizetype n = b.size();
    const auto einheit = [&](qsizetype i) -> char16_t {
        const auto b0 = static_cast<unsigned char>(b[i]);
        if (!utf16)
            return b0;
        const auto b1 = static_cast<unsigned char>(b[i + 1]);
        return m_kodierung == Kodierung::Utf16LE ? char16_t(b0 | b1 << 8) : char16_t(b0 << 8 | b1);
    };

    while (p + breite <= n) {
        Zeile z;
        z.anfang = p;
        while (p + breite <= n && einheit(p) != u'\r' && einheit(p) != u'\n')
            p += breite;
        z.textEnde = p;
        if (p + breite <= n) {
            const bool cr = einheit(p) == u'\r';
            p += breite;
            if (cr && p + breite <= n && einheit(p) == u'\n')
                p += breite;
        } else {
            p = n; // a stray odd byte at the end of a UTF-16 file stays with the last line
        }
        z.ende = p;

        const QString text = dekodiert(z.anfang, z.textEnde);
        const QStringView t = getrimmt(text);
        const qsizetype zu = t.indexOf(QLatin1Char(']'));
        if (t.startsWith(QLatin1Char('[')) && zu > 0) {
            z.art = Art::Abschnitt;
            z.name = getrimmt(t.sliced(1, zu - 1)).toString();
        } else if (const qsizetype gleich = text.indexOf(QLatin1Char('=')); gleich >= 0) {
            z.art = Art::Eintrag;
            z.name = getrimmt(QStringView(text).first(gleich)).toString();
            z.wert = getrimmt(QStringView(text).sliced(gleich + 1)).toString();
        }
        m_zeilen.append(std::move(z));
    }
}

QString ProfilDatei::dekodiert(qsizetype anfang, qsizetype ende) const
{
    const QByteArrayView bytes = QByteArrayView(m_inhalt).sliced(anfang, ende - anfang);
    switch (m_kodierung) {
    case Kodierung::Windows1252:
        return Windows1252::dekodieren(bytes);
    case Kodierung::Utf8:
        return QString::fromUtf8(bytes);
    case Kodierung::Utf16LE:
    case Kodierung::Utf16BE:
        break;
    }
    QString text(bytes.size() / 2, Qt::Uninitialized);
    const bool le = m_kodierung == Kodierung::Utf16LE;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(bytes[2 * i]);
        const auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = QChar(le ? char16_t(b0 | b1 << 8) : char16_t(b0 << 8 | b1));
    }
    return text;
}

QByteArray ProfilDatei::kodiert(QStringView text) const
{
    QByteArray bytes;
    switch (m_kodierung) {
    case Kodierung::Windows1252:
        // Only text that fits gets here; anything else has turned the file into UTF-16 before.
        bytes.reserve(text.size());
        for (const QChar c : text)
            bytes.append(Windows1252::zeichen(c.unicode()).value_or('?'));
        return bytes;
    case Kodierung::Utf8:
        return text.toUtf8();
    case Kodierung::Utf16LE:
    case Kodierung::Utf16BE:
        break;
    }
    bytes.reserve(2 * text.size());
    const bool le = m_kodierung == Kodierung::Utf16LE;
    for (const QChar c : text) {
        const char niedrig = static_cast<char>(c.unicode() & 0xFF);
        const char hoch = static_cast<char>(c.unicode() >> 8);
        bytes.append(le ? niedrig : hoch);
        bytes.append(le ? hoch : niedrig);
    }
    return bytes;
}

ProfilDatei::Fundstelle ProfilDatei::suchen(QStringView abschnitt, QStringView schluessel) const
{
    Fundstelle f;
    if (abschnitt.isEmpty() || schluessel.isEmpty())
        return f;
    for (qsizetype i = 0; i < m_zeilen.size(); ++i) {
        if (m_zeilen[i].art == Art::Abschnitt && gleicherName(m_zeilen[i].name, abschnitt)) {
            f.abschnitt = i;
            break;
        }
    }
    if (f.abschnitt < 0)
        return f;
    for (qsizetype i = f.abschnitt + 1; i < m_zeilen.size() && m_zeilen[i].art != Art::Abschnitt; ++i) {
        if (m_zeilen[i].art != Art::Eintrag)
            continue;
        f.letzterEintrag = i;
        if (f.eintrag < 0 && gleicherName(m_zeilen[i].name, schluessel))
            f.eintrag = i;
    }
    return f;
}

std::optional<QString> ProfilDatei::lesen(QStringView abschnitt, QStringView schluessel) const
{
    const Fundstelle f = suchen(getrimmt(abschnitt), getrimmt(schluessel));
    if (f.eintrag < 0)
        return std::nullopt;
    QStringView wert = m_zeilen[f.eintrag].wert;
    if (inAnfuehrung(wert))
        wert = wert.sliced(1, wert.size() - 2);
    if (wert.size() > MaxWertlaenge) {
        // Never cut between the two halves of a surrogate pair.
        const qsizetype laenge =
            wert[MaxWertlaenge - 1].isHighSurrogate() ? MaxWertlaenge - 1 : MaxWertlaenge;
        wert = wert.first(laenge);
    }
    if (wert.isEmpty())
        return std::nullopt;
    return wert.toString();
}

void ProfilDatei::nachUtf16()
{
    const QString text = Windows1252::dekodieren(m_inhalt);
    m_kodierung = Kodierung::Utf16LE;
    m_inhalt = QByteArray("\xFF\xFE", 2) + kodiert(text);
    zerlegen();
}

bool ProfilDatei::schreiben(QStringView abschnitt, QStringView schluessel, QStringView wert, QString* fehler)
{
    const QStringView abschnittName = getrimmt(abschnitt);
    const QStringView schluesselName = getrimmt(schluessel);
    const auto ungueltig = [fehler](const QString& text) {
        if (fehler)
            *fehler = text;
        return false;
    };
    if (abschnittName.isEmpty() || abschnittName.contains(QLatin1Char(']')) ||
        std::any_of(abschnittName.begin(), abschnittName.end(), istUmbruch))
        return ungueltig(QStringLiteral("Der Abschnittsname „%1“ kann in der Einstellungsdatei nicht stehen.")
                             .arg(abschnitt));
    if (schluesselName.isEmpty() || schluesselName.contains(QLatin1Char('=')) ||
        schluesselName.startsWith(QLatin1Char('[')) ||
        std::any_of(schluesselName.begin(), schluesselName.end(), istUmbruch))
        return ungueltig(QStringLiteral("Der Schlüsselname „%1“ kann in der Einstellungsdatei nicht stehen.")
                             .arg(schluessel));

    const QString kopf = QLatin1Char('[') + abschnittName.toString() + QLatin1Char(']') + Text::Zeilenumbruch;
    const QString zeile =
        schluesselName.toString() + QLatin1Char('=') + wertFuerDatei(wert) + Text::Zeilenumbruch;

    if (m_kodierung == Kodierung::Windows1252 &&
        !(Windows1252::kodieren(zeile) && Windows1252::kodieren(kopf)))
        nachUtf16();
    if ((m_kodierung == Kodierung::Utf16LE || m_kodierung == Kodierung::Utf16BE) && m_inhalt.size() % 2) {
        // A stray byte at the end is no character; kept, it would shift everything appended after it.
        m_inhalt.chop(1);
        zerlegen();
    }

    const Fundstelle f = suchen(abschnittName, schluesselName);
    if (f.eintrag >= 0) {
        // The key keeps the spelling it has in the file; only its value changes.
        const Zeile& z = m_zeilen[f.eintrag];
        const QString ersatz = z.name + QLatin1Char('=') + wertFuerDatei(wert) + Text::Zeilenumbruch;
        m_inhalt.replace(z.anfang, z.ende - z.anfang, kodiert(ersatz));
    } else if (f.abschnitt >= 0) {
        const Zeile& nach = m_zeilen[f.letzterEintrag >= 0 ? f.letzterEintrag : f.abschnitt];
        m_inhalt.insert(nach.ende, kodiert(nach.hatUmbruch() ? zeile : Text::Zeilenumbruch + zeile));
    } else {
        const bool umbruchFehlt = !m_zeilen.isEmpty() && !m_zeilen.last().hatUmbruch();
        m_inhalt.append(kodiert(umbruchFehlt ? Text::Zeilenumbruch + kopf + zeile : kopf + zeile));
    }
    zerlegen();
    return true;
}
