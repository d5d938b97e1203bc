#include "store/Programm.h"

#ifndef ZEUGNIS_VERSION
#error "ZEUGNIS_VERSION comes from the project's version in CMake"
#endif

namespace Programm {

QString name()
{
    return QStringLiteral("Zeugnisfeder");
}

QString version()
{
    return QStringLiteral(ZEUGNIS_VERSION);
}

QString zweck()
{
    return QStringLiteral("Arbeitszeugnisse in fünf Sprachen");
}

} // namespace Programm
