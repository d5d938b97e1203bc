#include "catalogue/Einbau.h"
#include "screens/Programmstart.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto start = Programmstart::vorbereiten(app);
    if (!start)
        return 1;
    Programmstart::starten(*start, Katalogbau::einrichten);
    return QApplication::exec();
}
