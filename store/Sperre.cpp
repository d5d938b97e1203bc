#include "store/Sperre.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

namespace Sperre {
namespace {

std::unique_ptr<QLockFile> neueSperre(const QString& ordner)
{
    auto datei = std::make_unique<QLockFile>(pfad(ordner));
    datei->setStaleLockTime(0); // a lock left by a run that crashed is taken over, however young
    return datei;
}

} // namespace

QString pfad(const QString& ordner)
{
    return QDir(ordner).absoluteFilePath(Dateiname);
}

Versuch sperren(const QString& ordner)
{
    Versuch v;
    auto datei = neueSperre(ordner);
    if (datei->tryLock()) {
        v.art = Versuch::Art::Gesperrt;
        v.sperre = std::move(datei);
        return v;
    }
    if (datei->error() != QLockFile::LockFailedError)
        return v;
    // A lock of this machine is held by a live process (QLockFile takes over the lock of a dead one); a
    // lock of another machine cannot be checked from here.
    qint64 prozess = 0;
    QString rechner;
    QString programm;
    if (datei->getLockInfo(&prozess, &rechner, &programm) && !rechner.isEmpty() &&
        rechner != QSysInfo::machineHostName()) {
        v.art = Versuch::Art::AndererRechner;
        v.rechner = rechner;
        return v;
    }
    v.art = Versuch::Art::Belegt;
    return v;
}

Versuch uebernehmen(const QString& ordner)
{
    auto datei = neueSperre(ordner);
    if (!datei->removeStaleLockFile())
        QFile::remove(pfad(ordner));
    return sperren(ordner);
}

} // namespace Sperre
