#include "screens/Einzelstart.h"
#include "screens/Sprache.h"
#include "screens/StartForm.h"

#include <QApplication>
#include <QLockFile>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Arbeitszeugnis"));
    Sprache::deutschEinrichten(app);

    std::unique_ptr<QLockFile> sperre;
    if (!Einzelstart::sperren(sperre))
        return 1;

    auto* start = new StartForm; // deletes itself on close
    start->show();
    QTimer::singleShot(0, start, [start] { static_cast<void>(Einzelstart::ordnerPruefen(start)); });
    return QApplication::exec();
}
