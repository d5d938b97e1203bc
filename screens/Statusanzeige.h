#pragma once

#include <QLabel>

// The status line of a screen: a sunken panel with one line of centred text. A text wider than the panel
// is drawn in a smaller font, so that it is never cut off.
class Statusanzeige : public QLabel
{
    Q_OBJECT

public:
    explicit Statusanzeige(QWidget* eltern);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};
