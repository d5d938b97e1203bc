#include "store/Profil.h"

#include "store/Dateiablage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace Profil {

namespace {

Fehler nichtGeschrieben(const QString& pfad, const QString& grund)
{
    return Fehler{QStringLiteral("Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2")
                      .arg(QDir::toNativeSeparators(pfad), grund)};
}

// The bytes of an existing file; a missing file reads as empty. Fails, with the reason in `grund`, for a file
// that cannot be read or is larger than any this program writes.
std::optional<QByteArray> einlesen(const QString& pfad, QString& grund)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return QByteArray();
    if (info.size() > Hoechstgroesse) {
        grund =
            QStringLiteral("Sie ist mit %1 KB zu groß für eine Einstellungsdatei (höchstens %2 KB). Benennen "
                           "Sie sie bitte um oder verschieben Sie sie; das Programm legt dann eine neue an.")
                .arg(info.size() / 1024)
                .arg(Hoechstgroesse / 1024);
        return std::nullopt;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        grund = datei.errorString();
        return std::nullopt;
    }
    QByteArray inhalt = datei.read(Hoechstgroesse + 1);
    if (datei.error() != QFileDevice::NoError) {
        grund = datei.errorString();
        return std::nullopt;
    }
    return inhalt;
}

} // namespace

ProfilDatei laden(const QString& pfad)
{
    return laden(pfad, nullptr);
}

ProfilDatei laden(const QString& pfad, QString* fehler)
{
    QString grund;
    auto inhalt = einlesen(pfad, grund);
    if (!inhalt) {
        if (fehler)
            *fehler = QStringLiteral("Die Einstellungsdatei „%1“ konnte nicht gelesen werden: %2")
                          .arg(QDir::toNativeSeparators(pfad), grund);
        return ProfilDatei();
    }
    return ProfilDatei(std::move(*inhalt));
}

std::optional<QString> lesen(const QString& pfad, const QString& abschnitt, const QString& schluessel)
{
    return laden(pfad).lesen(abschnitt, schluessel);
}

Status schreiben(const QString& pfad, const QList<Eintrag>& eintraege)
{
    // An existing file that cannot be read is left alone: writing it from nothing would lose its contents.
    QString grund;
    auto bisher = einlesen(pfad, grund);
    if (!bisher)
        return nichtGeschrieben(pfad, grund);

    ProfilDatei datei(std::move(*bisher));
    for (const Eintrag& e : eintraege) {
        QString grund;
        if (!datei.schreiben(e.abschnitt, e.schluessel, e.wert, &grund))
            return nichtGeschrieben(pfad, grund);
    }
    if (auto s = Dateiablage::ersetzen(pfad, datei.inhalt()); !s)
        return nichtGeschrieben(pfad, s.fehler());
    return Ok{};
}

Status schreiben(const QList<Eintrag>& eintraege)
{
    return schreiben(pfad(), eintraege);
}

std::optional<QString> lesen(const QString& abschnitt, const QString& schluessel)
{
    return lesen(pfad(), abschnitt, schluessel);
}

bool schreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel, const QString& wert,
               QString* fehler)
{
    const Status s = schreiben(pfad, {{abschnitt, schluessel, wert}});
    if (!s && fehler)
        *fehler = s.fehler();
    return s.ok();
}

bool schreiben(const QString& abschnitt, const QString& schluessel, const QString& wert, QString* fehler)
{
    return schreiben(pfad(), abschnitt, schluessel, wert, fehler);
}

QString pfad()
{
    // Name filters of QDir match without regard to case. An exact match wins, without reading the folder;
    // among other spellings the first in name order, so the choice does not change from one call to the next.
    const QDir ordner = QDir::current();
    const QString genau = ordner.absoluteFilePath(Dateiname);
    if (QFileInfo(genau).isFile())
        return genau;
    const QStringList treffer = ordner.entryList({Dateiname}, QDir::Files, QDir::Name);
    const QString name = treffer.isEmpty() || treffer.contains(Dateiname) ? Dateiname : treffer.first();
    return ordner.absoluteFilePath(name);
}

} // namespace Profil
