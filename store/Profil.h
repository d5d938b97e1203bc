#pragma once

#include <QString>
#include <optional>

// The settings file Zeugnis.INI: a private-profile file of sections and keys in the current working folder.
// Every value is read one key at a time when it is needed and written back at once, key by key.
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

// Path of the settings file in the current working folder: an existing file whose name matches
// "Zeugnis.INI" without regard to case, otherwise "Zeugnis.INI".
QString pfad();

} // namespace Profil
