#include "screens/PersoenlicheDaten.h"

#include "screens/Bausteine.h"
#include "screens/StammdatenForm.h"
#include "screens/Uebergabe.h"
#include "screens/Umgebung.h"
#include "screens/ZeugnisForm.h"
#include "store/Profil.h"
#include "store/Sitzung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Firma = 4;

// The hidden master data screen waiting for the employer data, if there is one.
StammdatenForm* verborgeneStammdaten()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<StammdatenForm*>(w); s && !s->isVisible())
            return s;
    return nullptr;
}

} // namespace

PersoenlicheDaten::PersoenlicheDaten(QWidget* eltern)
    : Bildschirm(QStringLiteral("PersönlicheDaten"), 5535, 3135, eltern)
{
    Statuszeile = Bausteine::statuszeile(Panel3D1, 120, 120, 5295, 375, Bausteine::Dunkelrot, Qt::white);
    Statuszeile->setText(QStringLiteral("Setzen Sie die Daten des Personalverantwortlichen ein"));

    // Rows from the top: Firma (box 4), Name (0), Straße (1), PLZ (2), Ort (3).
    const std::array<std::pair<int, QString>, 5> zeilen{{{Firma, QStringLiteral("Firma")},
                                                         {0, QStringLiteral("Name")},
                                                         {1, QStringLiteral("Straße")},
                                                         {2, QStringLiteral("PLZ")},
                                                         {3, QStringLiteral("Ort")}}};
    for (int zeile = 0; zeile < 5; ++zeile) {
        const auto& [index, text] = zeilen[zeile];
        const double top = 600 + 360 * zeile;
        auto* beschriftung =
            Bausteine::label(Panel3D1, QStringLiteral("Label%1").arg(index), text, 120, top, 780, 285);
        beschriftung->setWordWrap(false);
        beschriftung->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Stammdaten[index] = Bausteine::textfeld(Panel3D1, QStringLiteral("Stammdaten%1").arg(index),
                                                beschriftung, 960, top, 4335, 285);
    }

    AbbrechenButton = abbrechenKnopf(2160, 2520, 1455, 375);
    WeiterButton = Bausteine::knopf(
        Panel3D1, QStringLiteral("WeiterButton"), QStringLiteral(">> Weiter >>"),
        QStringLiteral("Speichert die Daten und setzt die Zeugniserstellung fort"), 3720, 2520, 1575, 375);

    setTabOrder(Stammdaten[Firma], Stammdaten[0]);
    setTabOrder(Stammdaten[0], Stammdaten[1]);
    setTabOrder(Stammdaten[1], Stammdaten[2]);
    setTabOrder(Stammdaten[2], Stammdaten[3]);
    setTabOrder(Stammdaten[3], AbbrechenButton);
    setTabOrder(AbbrechenButton, WeiterButton);

    connect(WeiterButton, &QPushButton::clicked, this, &PersoenlicheDaten::WeiterButton_Click);
}

void PersoenlicheDaten::aktivieren()
{
    const Arbeitgeberdaten& ag = Sitzung::instanz().arbeitgeber;
    Stammdaten[0]->setText(ag.Name);
    Stammdaten[1]->setText(ag.Strasse);
    Stammdaten[2]->setText(ag.PLZ);
    Stammdaten[3]->setText(ag.Ort);
    Stammdaten[Firma]->setText(ag.Firma);
    Stammdaten[Firma]->setFocus(Qt::OtherFocusReason);
}

void PersoenlicheDaten::WeiterButton_Click()
{
    for (QLineEdit* box : Stammdaten) {
        if (box->text().isEmpty()) {
            Umgebung::zeigen(this, {QStringLiteral("Unvollständige Angaben"),
                                    QStringLiteral("Sie müssen alle Felder ausfüllen"), Umgebung::Knoepfe::Ok,
                                    Umgebung::Symbol::Ausrufezeichen});
            return;
        }
    }
    ArbeitgeberdatenSpeichern();

    Sitzung& s = Sitzung::instanz();
    QWidget* zurueck = nullptr;
    if (s.Aufrufer == QStringLiteral("StammdatenForm"))
        zurueck = verborgeneStammdaten();
    // Opened by the type screen, which closed itself: a fresh one loads the employer values again. The same
    // holds should the master data screen be gone, so that the program never ends up without a window.
    if (!zurueck)
        zurueck = new ZeugnisForm;
    uebergeben(this, zurueck);
    // The returning screen runs its activation only after this, with the caller mark already empty.
    s.Aufrufer.clear();
}

void PersoenlicheDaten::ArbeitgeberdatenSpeichern()
{
    const QString& pd = Profil::PersoenlicheDaten;
    Profil::schreiben(pd, QStringLiteral("Name"), Stammdaten[0]->text());
    Profil::schreiben(pd, QStringLiteral("Strasse"), Stammdaten[1]->text());
    Profil::schreiben(pd, QStringLiteral("PLZ"), Stammdaten[2]->text());
    Profil::schreiben(pd, QStringLiteral("Ort"), Stammdaten[3]->text());
    Profil::schreiben(pd, QStringLiteral("Firma"), Stammdaten[Firma]->text());

    Arbeitgeberdaten& ag = Sitzung::instanz().arbeitgeber;
    ag.Name = Stammdaten[0]->text();
    ag.Strasse = Stammdaten[1]->text();
    ag.PLZ = Stammdaten[2]->text();
    ag.Ort = Stammdaten[3]->text();
    ag.Firma = Stammdaten[Firma]->text();
}
