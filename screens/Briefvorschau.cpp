#include "screens/Briefvorschau.h"

#include "screens/Briefsatz.h"
#include "screens/Zeugnisausgabe.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

Briefvorschau::Briefvorschau(Zeugnisausgabe& ausgabe, QWidget* eltern)
    : QDialog(eltern), m_ausgabe(ausgabe), m_brief(ausgabe.brief()),
      m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("Briefvorschau"));
    setWindowTitle(QStringLiteral("Briefvorschau – ") + m_brief.titel);
    setModal(true);

    Briefsatz::druckerEinrichten(*m_drucker);
    Vorschau = new QPrintPreviewWidget(m_drucker.get(), this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setAccessibleName(QStringLiteral("Vorschau des Briefs"));
    Vorschau->setFocusPolicy(Qt::StrongFocus);
    // A painting failure leaves the page blank here; printing and saving report it.
    connect(Vorschau, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* p) { static_cast<void>(Briefsatz::zeichnen(m_brief, *p)); });

    const auto knopf = [this](const QString& name, const QString& text) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(name);
        k->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        k->setAutoDefault(false);
        return k;
    };
    DruckenButton = knopf(QStringLiteral("DruckenButton"), QStringLiteral("&Drucken …"));
    PdfButton = knopf(QStringLiteral("PdfButton"), QStringLiteral("Als &PDF speichern …"));
    OdtButton = knopf(QStringLiteral("OdtButton"), QStringLiteral("Als &ODT speichern …"));
    SchliessenButton = knopf(QStringLiteral("SchliessenButton"), QStringLiteral("&Schließen"));
    SchliessenButton->setDefault(true);
    connect(DruckenButton, &QPushButton::clicked, this, [this] { m_ausgabe.drucken(this); });
    connect(PdfButton, &QPushButton::clicked, this, [this] { m_ausgabe.pdfSpeichern(this); });
    connect(OdtButton, &QPushButton::clicked, this, [this] { m_ausgabe.odtSpeichern(this); });
    connect(SchliessenButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {DruckenButton, PdfButton, OdtButton})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    knoepfe->addWidget(SchliessenButton);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Vorschau, 1);
    spalte->addLayout(knoepfe);

    // An A4 page at a readable size, within the screen.
    QSize groesse(760, 980);
    if (const QScreen* s = screen())
        groesse = groesse.boundedTo(s->availableGeometry().size() * 9 / 10);
    resize(groesse);
    Vorschau->fitToWidth();
}

Briefvorschau::~Briefvorschau() = default;
