#include "screens/Einzelstart.h"

#include "screens/Umgebung.h"

#include <QDir>
#include <QLockFile>

namespace Einzelstart {

bool sperren(std::unique_ptr<QLockFile>& sperre)
{
    auto datei = std::make_unique<QLockFile>(QDir::current().filePath(QString::fromUtf16(Sperrdatei)));
    datei->setStaleLockTime(0); // a lock left by a run that crashed is taken over, however young
    if (datei->tryLock()) {
        sperre = std::move(datei);
        return true;
    }
    if (datei->error() != QLockFile::LockFailedError) {
        sperre.reset();
        return true;
    }
    Umgebung::zeigen(nullptr, Umgebung::warnung(
                                  QStringLiteral("Programm läuft bereits"),
                                  QStringLiteral("Das Programm arbeitet in diesem Ordner bereits:\n%1\n\nEin "
                                                 "zweiter Start würde dieselben Dateien verändern. Beenden "
                                                 "Sie bitte zuerst das andere Programmfenster.")
                                      .arg(QDir::toNativeSeparators(QDir::currentPath()))));
    return false;
}

} // namespace Einzelstart
