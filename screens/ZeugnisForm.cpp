#include "screens/ZeugnisForm.h"

#include "screens/Bausteine.h"
#include "screens/Layout.h"

ZeugnisForm::ZeugnisForm(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("ZeugnisForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    Bausteine::hintergrund(this, QColor(0, 0, 192));
    resize(Layout::px(9480), Layout::px(7425));
}
