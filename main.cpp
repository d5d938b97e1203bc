#include "screens/Sprache.h"
#include "screens/StartForm.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arbeitszeugnis"));
    Sprache::deutschEinrichten(app);

    auto* start = new StartForm; // deletes itself on close
    start->show();
    return QApplication::exec();
}
