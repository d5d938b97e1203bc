#pragma once

#include "store/Ergebnis.h"
#include "store/ProfilDatei.h"

#include <QList>
#include <QString>
#include <optional>

// The settings file Zeugnis.INI: a private-profile file of sections and keys in the current working folder.
// Reading and writing of whole files; which keys the program keeps there is Einstellungen's business.
namespace Profil {

inline const QString Dateiname = QStringLiteral("Zeugnis.INI");

inline const QString PersoenlicheDaten = QStringLiteral("Persönliche Daten");
inline const QString KlientenDaten = QStringLiteral("Klienten Daten");
inline const QString Abbruch = QStringLiteral("Abbruch");

// One key to write.
struct Eintrag
{
    QString abschnitt;
    QString schluessel;
    QString wert;
};

// Largest settings file that is read. This program never writes one that large; a larger file is something
// else under the name and is neither parsed nor overwritten.
inline constexpr qint64 Hoechstgroesse = 1024 * 1024;

// The contents of the file at `pfad`; empty when it is missing, cannot be read or is larger than
// Hoechstgroesse. Never fails loudly.
ProfilDatei laden(const QString& pfad);
// The same, with a German description in `fehler` when an existing file could not be read or was too large.
ProfilDatei laden(const QString& pfad, QString* fehler);

// Writes every entry, in order, as ProfilDatei::schreiben does: the file is read once and replaced once, so
// either all entries are written or none is; every other byte of the file stays as it was. A failure says in
// German which file could not be written and why: the file could not be read or written, is too large, or a
// name cannot stand in it.
Status schreiben(const QString& pfad, const QList<Eintrag>& eintraege);

// The same in the settings file of the current working folder.
Status schreiben(const QList<Eintrag>& eintraege);

// Reads one value. Absent (nullopt) when the file, the section or the key is missing or the stored value is
// empty; a longer value arrives cut to its first 254 characters. Never fails loudly.
std::optional<QString> lesen(const QString& pfad, const QString& abschnitt, const QString& schluessel);
std::optional<QString> lesen(const QString& abschnitt, const QString& schluessel);

// Writes one value; false, with the German description in `fehler` when given, on failure.
[[nodiscard]] bool schreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel,
                             const QString& wert, QString* fehler = nullptr);
[[nodiscard]] bool schreiben(const QString& abschnitt, const QString& schluessel, const QString& wert,
                             QString* fehler = nullptr);

// Path of the settings file in the current working folder: an existing file whose name matches
// "Zeugnis.INI" without regard to case, otherwise "Zeugnis.INI".
QString pfad();

} // namespace Profil
