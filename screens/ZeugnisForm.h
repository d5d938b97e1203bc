#pragma once

#include <QWidget>

// The employee type and reference kind screen.
class ZeugnisForm : public QWidget
{
    Q_OBJECT

public:
    explicit ZeugnisForm(QWidget* eltern = nullptr);
};
