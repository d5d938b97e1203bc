#pragma once

#include "store/ProfilDatei.h"

#include <QList>
#include <QString>
#include <optional>

// The settings file Zeugnis.INI: a private-profile file of sections and keys in the current working folder.
// A screen reads the file once (Abbild) and writes what belongs together in one replacement of the file.
namespace Profil {

inline const QString Dateiname = QStringLiteral("Zeugnis.INI");

inline const QString PersoenlicheDaten = QStringLiteral("Persönliche Daten");
inline const QString KlientenDaten = QStringLiteral("Klienten Daten");
inline const QString Abbruch = QStringLiteral("Abbruch");

// Reads one value. Absent (nullopt) when the file, the section or the key is missing or the stored value is
// empty; a longer value arrives cut to its first 254 characters. Never fails loudly.
std::optional<QString> lesen(const QString& abschnitt, const QString& schluessel);

// Writes one value, replacing the key's value in place or adding key, section and file; every other byte of
// the file stays as it was (ProfilDatei::schreiben gives the details). The file is replaced atomically, so a
// failed write leaves the old contents. Returns false, with a German description in `fehler` when given,
// when the file could not be read or written or the names cannot stand in it; `fehler` is untouched on
// success.
bool schreiben(const QString& abschnitt, const QString& schluessel, const QString& wert,
               QString* fehler = nullptr);

// The same on an explicit file path.
std::optional<QString> lesen(const QString& pfad, const QString& abschnitt, const QString& schluessel);
bool schreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel, const QString& wert,
               QString* fehler = nullptr);

// One key to write, for writing several in one replacement of the file.
struct Eintrag
{
    QString abschnitt;
    QString schluessel;
    QString wert;
};

// Writes every entry, in order, and replaces the file once: either all of them arrive or none. Fails as the
// single write does.
bool schreiben(const QList<Eintrag>& eintraege, QString* fehler = nullptr);
bool schreiben(const QString& pfad, const QList<Eintrag>& eintraege, QString* fehler = nullptr);

// Largest settings file that is read. This program never writes one that large; a larger file is something
// else under the name and is neither parsed nor overwritten.
inline constexpr qint64 Hoechstgroesse = 1024 * 1024;

// The whole file read once, for a screen that needs several keys.
class Abbild
{
public:
    // Reads the settings file of the working folder, or the file at `pfad`. A missing file reads as empty;
    // a file that cannot be read or is larger than Hoechstgroesse reads as empty and says why in fehler().
    static Abbild laden();
    static Abbild laden(const QString& pfad);

    // As Profil::lesen.
    std::optional<QString> lesen(const QString& abschnitt, const QString& schluessel) const;
    // German description of why the file could not be read; empty when it could (or was missing).
    const QString& fehler() const { return m_fehler; }

private:
    ProfilDatei m_datei;
    QString m_fehler;
};

// Path of the settings file in the current working folder: an existing file whose name matches
// "Zeugnis.INI" without regard to case, otherwise "Zeugnis.INI".
QString pfad();

} // namespace Profil
