#include "engine/FragenForm.h"

FragenForm::FragenForm(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("FragenForm"));
    setAttribute(Qt::WA_DeleteOnClose);
}
