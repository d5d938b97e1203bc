#include "screens/StartForm.h"

#include "engine/Fortschritt.h"
#include "screens/Bausteine.h"
#include "screens/Layout.h"
#include "screens/Uebergabe.h"
#include "screens/Umgebung.h"
#include "screens/ZeugnisForm.h"
#include "store/Programm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

StartForm::StartForm(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("StartForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString());
    Bausteine::hintergrund(this, QColor(0, 0, 255));
    m_flaeche = new Layout::Flaeche(this, [this] { anordnen(); });
    QWidget* innen = m_flaeche->innen();

    SSPanel1 = Bausteine::panel(innen, QStringLiteral("SSPanel1"), 7095, 1575);
    auto* name =
        Bausteine::label(SSPanel1, QStringLiteral("Programmname"), Programm::name(), 120, 120, 6855, 495);
    name->setAlignment(Qt::AlignCenter);
    Bausteine::fett(name, 16);
    auto* zweck = Bausteine::label(SSPanel1, QStringLiteral("Zweck"), Programm::zweck(), 120, 660, 6855, 345);
    zweck->setAlignment(Qt::AlignCenter);
    Bausteine::fett(zweck);
    auto* version =
        Bausteine::label(SSPanel1, QStringLiteral("Version"),
                         QStringLiteral("Version %1").arg(Programm::version()), 120, 1020, 6855, 345);
    version->setAlignment(Qt::AlignCenter);

    Panel3D1 = Bausteine::panel(innen, QStringLiteral("Panel3D1"), 8295, 4335);
    auto* titel = Bausteine::label(Panel3D1, QStringLiteral("Titel"),
                                   QStringLiteral("Arbeitszeugnisse schreiben – Schritt für Schritt"), 360,
                                   240, 7455, 495);
    Bausteine::fett(titel, 11);
    Bausteine::label(
        Panel3D1, QStringLiteral("Ablauf"),
        QStringLiteral(
            "Firmendaten einmal erfassen, Arbeitnehmertyp wählen, Daten des Arbeitnehmers eingeben und die "
            "Fragen beantworten: je eine Note und eine von bis zu drei vorbereiteten Formulierungen oder "
            "eine "
            "eigene. Der Zeugnistext entsteht Satz für Satz; eine unterbrochene Arbeit wird beim nächsten "
            "Start fortgesetzt."),
        360, 840, 7455, 1695);

    auto* Panel3D2 = Bausteine::panel(Panel3D1, QStringLiteral("Panel3D2"), 240, 2760, 5895, 1215);
    Bausteine::label(Panel3D2, QStringLiteral("Sprachen"),
                     QStringLiteral("Das fertige Zeugnis gibt es auf Deutsch, Englisch, Französisch, "
                                    "Italienisch und Spanisch – zum Einfügen in die Textverarbeitung."),
                     120, 60, 5655, 1095);

    WeiterButton = Bausteine::knopf(Panel3D1, QStringLiteral("WeiterButton"), QStringLiteral(">> Weiter >>"),
                                    QString(), 6360, 3600, 1575, 375);
    WeiterButton->setDefault(true);
    connect(WeiterButton, &QPushButton::clicked, this, &StartForm::WeiterButton_Click);

    // Hidden until letztesZeugnisAnbieten() finds a finished reference.
    LetztesZeugnisButton = Bausteine::knopf(
        Panel3D1, QStringLiteral("LetztesZeugnisButton"), QStringLiteral("Letztes Zeugnis"),
        QStringLiteral(
            "Kopiert das zuletzt fertiggestellte Arbeitszeugnis noch einmal in die Zwischenablage"),
        6360, 3120, 1575, 345);
    LetztesZeugnisButton->hide();
    connect(LetztesZeugnisButton, &QPushButton::clicked, this, &StartForm::LetztesZeugnisButton_Click);
    setTabOrder(LetztesZeugnisButton, WeiterButton);

    innen->setMinimumSize(Layout::platzbedarf({SSPanel1, Panel3D1}));
    Layout::startgroesse(this, {Layout::px(9480), Layout::px(7425)});
}

void StartForm::letztesZeugnisAnbieten()
{
    // Without a usable catalogue there is nothing to offer; the check of the working folder says why.
    if (auto stand = Fortschritt::lesen(); stand && *stand)
        m_letztesZeugnis = (*stand)->fertig;
    LetztesZeugnisButton->setVisible(!m_letztesZeugnis.isEmpty());
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

void StartForm::anordnen()
{
    if (Panel3D1)
        Layout::anordnen(m_flaeche->innen(), SSPanel1, Panel3D1);
}

void StartForm::WeiterButton_Click()
{
    uebergeben(this, new ZeugnisForm);
}
