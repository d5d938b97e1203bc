#include "store/Profil.h"

#include "store/ProfilDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

} // namespace

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
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return std::nullopt;
    return ProfilDatei(inhalt).lesen(abschnitt, schluessel);
}

bool schreiben(const QString& pfad, const QString& abschnitt, const QString& schluessel, const QString& wert,
               QString* fehler)
{
    // An existing file that cannot be read is left alone: writing it from nothing would lose its contents.
    QByteArray bisher;
    if (QFileInfo::exists(pfad)) {
        QFile alt(pfad);
        if (!alt.open(QIODevice::ReadOnly))
            return melden(fehler, nichtGeschrieben(pfad, alt.errorString()));
        bisher = alt.readAll();
        if (alt.error() != QFileDevice::NoError)
            return melden(fehler, nichtGeschrieben(pfad, alt.errorString()));
    }

    ProfilDatei datei(std::move(bisher));
    QString grund;
    if (!datei.schreiben(abschnitt, schluessel, wert, &grund))
        return melden(fehler, grund);

    // The new contents go to a temporary file that replaces the old one only when complete, so a crash or
    // a full disk leaves the old file as it was.
    QSaveFile neu(pfad);
    if (!neu.open(QIODevice::WriteOnly))
        return melden(fehler, nichtGeschrieben(pfad, neu.errorString()));
    if (neu.write(datei.inhalt()) != datei.inhalt().size()) {
        const QString text = nichtGeschrieben(pfad, neu.errorString());
        neu.cancelWriting();
        return melden(fehler, text);
    }
    if (!neu.commit())
        return melden(fehler, nichtGeschrieben(pfad, neu.errorString()));
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
