#include "catalogue/Datei.h"

#include <QFileInfo>
#include <filesystem>

namespace Datei {

namespace {

// Through UTF-16, so that every character of the name arrives on every system; the local 8-bit encoding
// cannot hold every name on Windows.
std::filesystem::path systempfad(const QString& pfad)
{
    return std::filesystem::path(QFileInfo(pfad).absoluteFilePath().toStdU16String());
}

} // namespace

QString zwischenvorlage(const QString& ziel)
{
    const QFileInfo info(ziel);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX");
}

std::optional<QString> umbenennen(const QString& von, const QString& nach)
{
    // std::filesystem::rename replaces an existing target, also where QFile::rename would refuse.
    std::error_code fehler;
    std::filesystem::rename(systempfad(von), systempfad(nach), fehler);
    if (!fehler)
        return std::nullopt;
    return QString::fromLocal8Bit(fehler.message().c_str());
}

} // namespace Datei
