#include "catalogue/Datei.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace Datei {

namespace {

std::filesystem::path systempfad(const QString& pfad)
{
    return QFile::encodeName(QFileInfo(pfad).absoluteFilePath()).toStdString();
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
