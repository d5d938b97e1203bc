#include "store/Profil.h"

#include "store/Dateiablage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace Profil {

namespace {

bool melden(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
    return false;
}

QString nichtGeschrieben(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

QString nichtGelesen(const QString& pfad, const QString& grund)
{
    return QStringLiteral("Die Einstellungsdatei „%1“ konnte nicht gelesen werden: %2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

// The bytes of an existing file; a missing file reads as empty. Fails, with the reason in `grund`, for a file
// that cannot be read or is larger than any this program writes.
std::optional<QByteArray> einlesen(const QString& pfad, QString* grund)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return QByteArray();
    if (info.size() > Hoechstgroesse) {
        melden(grund,
               QStringLiteral("Sie ist mit %1 KB zu groß für eine Einstellungsdatei (höchstens %2 KB). "
                              "Benennen Sie sie bitte um oder verschieben Sie sie; das Programm legt "
                              "dann eine neue an.")
                   .arg(info.size() / 1024)
                   .arg(Hoechstgroesse / 1024));
        return std::nullopt;
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        melden(grund, datei.errorString());
        return std::nullopt;
    }
    QByteArray inhalt = datei.read(Hoechstgroesse + 1);
    if (datei.error() != QFileDevice::NoError) {
        melden(grund, datei.errorString());
        return std::nullopt;
    }
    return inhalt;
}

} // namespace

Abbild Abbild::laden()
{
    return laden(pfad());
}

Abbild Abbild::laden(const QString& pfad)
{
    Abbild a;
    QString grund;
    if (auto inhalt = einlesen(pfad, &grund))
        a.m_datei = ProfilDatei(std::move(*inhalt));
    else
        a.m_fehler = nichtGelesen(pfad, grund);
    return a;
}

std::optional<QString> Abbild::lesen(const QString& abschnitt, const QString& schluessel) const
{
    return m_datei.lesen(abschnitt, schluessel);
}

std::optional<QString> lesen(const QString& abschnitt, const QString& schluessel)
{
    return lesen(pfad(), abschnitt, schluessel);
}

bool schreiben(const QString& abschnitt, const QString& schluessel, const QString& wert, QString* fehler)
{
    return schreiben(pfad(), abschnitt, schluessel, wert, fehler);
}

std::optional<QString> lesen(const QString& pfad, const QString& abschnitt, const QString& schluessel)
{
    return Abbild::laden(pfad).lesen(abschnitt, schluessel);
}

bool schreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel, const QString& wert,
               QString* fehler)
{
    return schreiben(pfad, {{abschnitt, schluessel, wert}}, fehler);
}

bool schreiben(const QList<Eintrag>& eintraege, QString* fehler)
{
    return schreiben(pfad(), eintraege, fehler);
}

bool schreiben(const QString& pfad, const QList<Eintrag>& eintraege, QString* fehler)
{
    // An existing file that cannot be read is left alone: writing it from nothing would lose its contents.
    QString grund;
    auto bisher = einlesen(pfad, &grund);
    if (!bisher)
        return melden(fehler, nichtGeschrieben(pfad, grund));

    ProfilDatei datei(std::move(*bisher));
    for (const Eintrag& e : eintraege)
        if (!datei.schreiben(e.abschnitt, e.schluessel, e.wert, &grund))
            return melden(fehler, grund);

    // All keys arrive in one replacement, or none: the old file stays as it was on any failure.
    if (auto versagt = Dateiablage::ersetzen(pfad, datei.inhalt()))
        return melden(fehler, nichtGeschrieben(pfad, *versagt));
    return true;
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
