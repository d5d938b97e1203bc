#pragma once

#include <QWidget>

// The question screen.
class FragenForm : public QWidget
{
    Q_OBJECT

public:
    explicit FragenForm(QWidget* eltern = nullptr);
};
