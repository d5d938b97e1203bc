#include "screens/Umgebung.h"

#include "screens/Auswechselbar.h"
#include "store/Programm.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace Umgebung {
namespace {

class Echt final : public Anbieter
{
public:
    Antwort zeigen(QWidget* eltern, const Meldung& m) override
    {
        QMessageBox box(m.symbol == Symbol::Ausrufezeichen ? QMessageBox::Warning : QMessageBox::NoIcon,
                        m.titel, m.text, QMessageBox::NoButton, eltern);
        // Captions set here so that the box reads German whatever translations are installed.
        auto knopf = [&box](QMessageBox::StandardButton b, const QString& text) {
            box.addButton(b)->setText(text);
        };
        switch (m.knoepfe) {
        case Knoepfe::Ok:
            knopf(QMessageBox::Ok, QStringLiteral("OK"));
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case Knoepfe::JaNein:
            knopf(QMessageBox::Yes, QStringLiteral("&Ja"));
            knopf(QMessageBox::No, QStringLiteral("&Nein"));
            box.setEscapeButton(QMessageBox::No);
            break;
        case Knoepfe::JaNeinAbbrechen:
            knopf(QMessageBox::Yes, QStringLiteral("&Ja"));
            knopf(QMessageBox::No, QStringLiteral("&Nein"));
            knopf(QMessageBox::Cancel, QStringLiteral("Abbrechen"));
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        }
        box.exec();
        switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::No:
            return Antwort::Nein;
        case QMessageBox::Cancel:
            return Antwort::Abbrechen;
        default:
            return Antwort::Ok;
        }
    }

    void inZwischenablage(const QString& text) override
    {
        QClipboard* ablage = QGuiApplication::clipboard();
        ablage->clear();
        ablage->setText(text);
    }

    void beenden() override
    {
        const auto fenster = QApplication::topLevelWidgets();
        for (QWidget* w : fenster)
            w->hide();
        QCoreApplication::exit(0);
    }
};

using Naht = Auswechselbar<Anbieter, Echt>;

} // namespace

void setzeAnbieter(Anbieter* anbieter)
{
    Naht::setze(anbieter);
}

Antwort zeigen(QWidget* eltern, const Meldung& meldung)
{
    return Naht::aktuell().zeigen(eltern, meldung);
}

void inZwischenablage(const QString& text)
{
    Naht::aktuell().inZwischenablage(text);
}

void beenden()
{
    Naht::aktuell().beenden();
}

QString programmtitel()
{
    return Programm::name();
}

} // namespace Umgebung
