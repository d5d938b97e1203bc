#include "screens/Uebergabe.h"

#include <QCoreApplication>
#include <QWidget>

void uebergeben(QWidget* von, QWidget* nach)
{
    nach->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (von)
        von->close();
}
