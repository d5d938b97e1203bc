#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The contents of a private-profile file, held as its bytes together with the line structure that a read
// needs and that lets a write change one key's line without touching any other byte.
//
// Reading rules:
// - A line whose first non-blank character is "[" and that holds a "]" opens a section; the name is what
//   stands between "[" and the first "]". Lines before the first section belong to no section.
// - Any other line holding "=" is an entry, split at its first "=". A line without "=" is no entry.
// - Names and values lose the blanks and tabs around them; one pair of matching single or double quotes
//   around a whole value is removed. Names match without regard to case.
// - The first section of a name counts, and in it the first entry of a key.
// - Lines end in CR LF, LF or CR.
// - The text is Windows-1252, unless the file starts with a byte-order mark: FF FE (UTF-16LE), FE FF
//   (UTF-16BE) or EF BB BF (UTF-8).
class ProfilDatei
{
public:
    enum class Kodierung
    {
        Windows1252,
        Utf8,
        Utf16LE,
        Utf16BE
    };

    // Longest value a read returns, in UTF-16 units; a longer value arrives cut.
    static constexpr qsizetype MaxWertlaenge = 254;

    explicit ProfilDatei(QByteArray inhalt = {});

    const QByteArray& inhalt() const { return m_inhalt; }
    Kodierung kodierung() const { return m_kodierung; }

    // The value of a key; nullopt when the section or key is missing or the value is empty.
    std::optional<QString> lesen(QStringView abschnitt, QStringView schluessel) const;

    // Sets a key's value. An existing key's line is rewritten in place as "<key>=<value>" CR LF, with the
    // key spelled as the file has it; a new key goes after the last entry of its section (or right after the
    // section line); a new section goes at the end as "[<section>]" CR LF "<key>=<value>" CR LF. Every other
    // byte stays as it was. A line break in the value (CR LF, CR or LF) becomes one blank, so it can never
    // start a line of its own. A value that would lose a pair of quotes when read is written inside one more
    // pair of double quotes. A Windows-1252 file that cannot hold the new text becomes UTF-16LE with a
    // byte-order mark. Returns false, with a German description in `fehler` when given, for a section or key
    // name that the file cannot hold (empty, a line break, "]" in a section name, "=" in a key or a key
    // starting with "[").
    bool schreiben(QStringView abschnitt, QStringView schluessel, QStringView wert,
                   QString* fehler = nullptr);

    // Whether two section or key names denote the same one: equal without regard to case.
    static bool gleicherName(QStringView a, QStringView b);

private:
    enum class Art
    {
        Sonstiges,
        Abschnitt,
        Eintrag
    };

    struct Zeile
    {
        qsizetype anfang = 0;   // first byte
        qsizetype textEnde = 0; // first byte of the line break, or the end of the file
        qsizetype ende = 0;     // first byte after the line break
        Art art = Art::Sonstiges;
        QString name; // section or key name, trimmed
        QString wert; // value of an entry, trimmed, quotes still on
        bool hatUmbruch() const { return textEnde < ende; }
    };

    struct Fundstelle
    {
        qsizetype abschnitt = -1;      // line of the section
        qsizetype eintrag = -1;        // line of the key in it
        qsizetype letzterEintrag = -1; // line of the section's last entry
    };

    void zerlegen();
    QString dekodiert(qsizetype anfang, qsizetype ende) const;
    QByteArray kodiert(QStringView text) const;
    Fundstelle suchen(QStringView abschnitt, QStringView schluessel) const;
    void nachUtf16();

    QByteArray m_inhalt;
    Kodierung m_kodierung = Kodierung::Windows1252;
    QList<Zeile> m_zeilen;
};
