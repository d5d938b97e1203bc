#include "screens/dlgBeenden.h"

#include "screens/Bausteine.h"
#include "screens/Layout.h"
#include "screens/Umgebung.h"
#include "screens/Zeugnisausgabe.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

dlgBeenden::dlgBeenden(const QString& zeugnis, QWidget* eltern, Zeugnisausgabe* ausgabe, int hinweise)
    : QDialog(eltern), m_zeugnis(zeugnis), m_ausgabe(ausgabe)
{
    setObjectName(QStringLiteral("dlgBeenden"));
    setWindowTitle(QStringLiteral("Programm beenden"));
    setModal(true);
    setFixedSize(Layout::px(7800), Layout::px(4440));

    Label1 = Bausteine::label(
        this, QStringLiteral("Label1"),
        QStringLiteral(
            "Das Arbeitszeugnis wird in die Zwischenablage kopiert. Sie können das Arbeitszeugnis in Ihrer "
            "Textverarbeitung mit 'Bearbeiten - Einfügen', bzw. [Strg+V] einfügen. Näheres im Handbuch Ihrer "
            "Textverarbeitung."),
        240, 240, 6975, 1335);
    Label2 =
        Bausteine::label(this, QStringLiteral("Label2"),
                         QStringLiteral("In Ihrer Textverarbeitung können Sie die Details, wie z.B.  genaues "
                                        "Aufgabengebiet, genaue Beschreibung der Abteilung, eintragen."),
                         240, 1680, 7095, 1095);
    Label3 = Bausteine::label(this, QStringLiteral("Label3"), QStringLiteral("In die Zwischenablage "), 2400,
                              2880, 2895, 375);
    Label4 =
        Bausteine::label(this, QStringLiteral("Label4"), QStringLiteral("übernehmen"), 3000, 3240, 1695, 375);
    for (QLabel* l : {Label1, Label2, Label3, Label4}) {
        Bausteine::fett(l, 12);
        l->setTextFormat(Qt::PlainText);
    }
    // The design's boxes were measured for a narrower font: a box that is too small for its text grows,
    // the two paragraphs downwards, the two centred question lines to both sides around their centre.
    for (QLabel* l : {Label1, Label2}) {
        const int noetig = l->heightForWidth(l->width());
        if (noetig > l->height())
            l->resize(l->width(), noetig);
    }
    for (QLabel* l : {Label3, Label4}) {
        l->setWordWrap(false);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const int noetig = l->sizeHint().width();
        if (noetig > l->width())
            l->setGeometry(l->geometry().center().x() - noetig / 2, l->y(), noetig, l->height());
    }

    cmdJa = Bausteine::knopf(this, QStringLiteral("cmdJa"), QStringLiteral("Ja"), QString(), 2280, 3720, 1215,
                             375);
    cmdNein = Bausteine::knopf(this, QStringLiteral("cmdNein"), QStringLiteral("Nein"), QString(), 3840, 3720,
                               1335, 375);
    for (QPushButton* k : {cmdJa, cmdNein}) {
        Bausteine::fett(k, 9.75);
        k->setAutoDefault(false);
    }
    if (m_ausgabe) {
        cmdVorschau = Bausteine::knopf(
            this, QStringLiteral("cmdVorschau"), QStringLiteral("&Vorschau …"),
            QStringLiteral("Zeigt das Zeugnis als Brief zum Drucken und Speichern"), 5520, 3720, 1695, 375);
        Bausteine::fett(cmdVorschau, 9.75);
        cmdVorschau->setAutoDefault(false);
        connect(cmdVorschau, &QPushButton::clicked, this, [this] { m_ausgabe->vorschau(this); });
    }
    cmdJa->setDefault(true);

    if (hinweise > 0) {
        setFixedSize(Layout::px(7800), Layout::px(5160));
        Pruefhinweis = Bausteine::label(
            this, QStringLiteral("Pruefhinweis"),
            QStringLiteral(
                "Die Prüfung des ganzen Zeugnisses hat %1 Hinweis%2 gefunden (Liste \u201ePrüfhinweise\u201c "
                "im Fragenfenster). Mit \u201eNein\u201c können Sie zu den Fragen zurückkehren.")
                .arg(hinweise)
                .arg(hinweise == 1 ? QString() : QStringLiteral("e")),
            240, 4200, 7320, 780);
        Pruefhinweis->setTextFormat(Qt::PlainText);
        QPalette rot = Pruefhinweis->palette();
        rot.setColor(QPalette::WindowText, Bausteine::Dunkelrot);
        Pruefhinweis->setPalette(rot);
    }
    connect(cmdJa, &QPushButton::clicked, this, &dlgBeenden::cmdJa_Click);
    connect(cmdNein, &QPushButton::clicked, this, &dlgBeenden::cmdNein_Click);
}

void dlgBeenden::cmdJa_Click()
{
    Umgebung::inZwischenablage(m_zeugnis);
    accept(); // the question screen records the hand-out
}

void dlgBeenden::cmdNein_Click()
{
    reject();
}
