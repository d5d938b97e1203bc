#pragma once

#include "engine/Brief.h"

#include <QDialog>
#include <memory>

class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class Zeugnisausgabe;

// The letter as it will print, page by page, with print, PDF and ODT at hand.
class Briefvorschau : public QDialog
{
    Q_OBJECT

public:
    Briefvorschau(Zeugnisausgabe& ausgabe, QWidget* eltern = nullptr);
    ~Briefvorschau() override;

private:
    Zeugnisausgabe& m_ausgabe;
    Brief m_brief;
    std::unique_ptr<QPrinter> m_drucker;
    QPrintPreviewWidget* Vorschau = nullptr;
    QPushButton* DruckenButton = nullptr;
    QPushButton* PdfButton = nullptr;
    QPushButton* OdtButton = nullptr;
    QPushButton* SchliessenButton = nullptr;
};
