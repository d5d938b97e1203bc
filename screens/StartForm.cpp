#include "screens/StartForm.h"

#include "engine/Fortschritt.h"
#include "screens/Bausteine.h"
#include "screens/Layout.h"
#include "screens/Uebergabe.h"
#include "screens/Umgebung.h"
#include "screens/ZeugnisForm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

StartForm::StartForm(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("StartForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    Bausteine::hintergrund(this, QColor(0, 0, 255));
    resize(Layout::px(9480), Layout::px(7425));

    SSPanel1 = Bausteine::panel(this, QStringLiteral("SSPanel1"), 7095, 1575);
    auto* firma = Bausteine::label(SSPanel1, QStringLiteral("Firmenzeile"), Bausteine::firmenzeile(), 120,
                                   120, 6855, 495);
    firma->setAlignment(Qt::AlignCenter);
    Bausteine::fett(firma, 16);
    auto* branche = Bausteine::label(SSPanel1, QStringLiteral("Branche"),
                                     QStringLiteral("Software für die Personalpraxis"), 120, 660, 6855, 345);
    branche->setAlignment(Qt::AlignCenter);
    auto* anschrift =
        Bausteine::label(SSPanel1, QStringLiteral("Anschrift"),
                         QStringLiteral("Am Markt 1 · 12345 Musterstadt"), 120, 1020, 6855, 345);
    anschrift->setAlignment(Qt::AlignCenter);

    Panel3D1 = Bausteine::panel(this, QStringLiteral("Panel3D1"), 8295, 4335);
    auto* reihe = Bausteine::label(Panel3D1, QStringLiteral("Produktlinie"),
                                   QStringLiteral("Personalpraxis am Schreibtisch"), 120, 120, 8055, 375);
    reihe->setAlignment(Qt::AlignCenter);
    auto* titel = Bausteine::label(Panel3D1, QStringLiteral("Titel"),
                                   QStringLiteral("Zeugniswerkstatt – Arbeitszeugnis in fünf Sprachen:"), 360,
                                   1080, 7455, 495);
    Bausteine::fett(titel, 11);
    Bausteine::label(
        Panel3D1, QStringLiteral("Ablauf"),
        QStringLiteral(
            "Firmendaten einmal erfassen, Arbeitnehmertyp wählen, Daten des Arbeitnehmers eingeben "
            "und die Fragen beantworten – der Zeugnistext entsteht Satz für Satz."),
        360, 1680, 7455, 855);

    auto* Panel3D2 = Bausteine::panel(Panel3D1, QStringLiteral("Panel3D2"), 240, 3000, 5895, 975);
    Bausteine::label(Panel3D2, QStringLiteral("Praesentiert"), QStringLiteral("präsentiert"), 120, 60, 5655,
                     255);
    Bausteine::label(Panel3D2, QStringLiteral("Sprachen"),
                     QStringLiteral("Deutsch, Englisch, Französisch, Italienisch und Spanisch."), 120, 330,
                     5655, 255);
    Bausteine::label(Panel3D2, QStringLiteral("Autor"),
                     QStringLiteral("Texte: Redaktion der Zeugniswerkstatt, Personalfachleute"), 120, 600,
                     5655, 255);

    WeiterButton = Bausteine::knopf(Panel3D1, QStringLiteral("WeiterButton"), QStringLiteral(">> Weiter >>"),
                                    QString(), 6360, 3600, 1575, 345);
    WeiterButton->setDefault(true);
    connect(WeiterButton, &QPushButton::clicked, this, &StartForm::WeiterButton_Click);

    // Without a usable catalogue there is nothing to offer; the check of the working folder says why.
    LetztesZeugnisButton = Bausteine::knopf(
        Panel3D1, QStringLiteral("LetztesZeugnisButton"), QStringLiteral("Letztes Zeugnis"),
        QStringLiteral(
            "Kopiert das zuletzt fertiggestellte Arbeitszeugnis noch einmal in die Zwischenablage"),
        6360, 3120, 1575, 345);
    if (auto stand = Fortschritt::lesen(); stand && *stand)
        m_letztesZeugnis = (*stand)->fertig;
    LetztesZeugnisButton->setVisible(!m_letztesZeugnis.isEmpty());
    connect(LetztesZeugnisButton, &QPushButton::clicked, this, &StartForm::LetztesZeugnisButton_Click);
    setTabOrder(LetztesZeugnisButton, WeiterButton);
}

void StartForm::LetztesZeugnisButton_Click()
{
    Umgebung::inZwischenablage(m_letztesZeugnis);
    Umgebung::zeigen(this,
                     {Umgebung::programmtitel(),
                      QStringLiteral("Das zuletzt fertiggestellte Arbeitszeugnis steht wieder in der "
                                     "Zwischenablage. Sie können es in Ihrer Textverarbeitung einfügen."),
                      Umgebung::Knoepfe::Ok, Umgebung::Symbol::Keins});
}

void StartForm::resizeEvent(QResizeEvent* ereignis)
{
    QWidget::resizeEvent(ereignis);
    Layout::anordnen(this, SSPanel1, Panel3D1);
}

void StartForm::WeiterButton_Click()
{
    uebergeben(this, new ZeugnisForm);
}
