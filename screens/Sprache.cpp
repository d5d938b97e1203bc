#include "screens/Sprache.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Sprache {

void deutschEinrichten(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qtTexte = new QTranslator(&app);
    if (qtTexte->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexte);
}

} // namespace Sprache
