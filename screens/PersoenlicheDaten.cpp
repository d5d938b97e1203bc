#include "screens/PersoenlicheDaten.h"

#include "screens/Bausteine.h"
#include "screens/StammdatenForm.h"
#include "screens/Uebergabe.h"
#include "screens/Umgebung.h"
#include "screens/ZeugnisForm.h"
#include "store/Einstellungen.h"
#include "store/Sitzung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Firma = 4;

// Box i shows field i of Einstellungen::arbeitgeberfelder(): Name, Strasse, PLZ, Ort, Firma.
const auto& felder = Einstellungen::arbeitgeberfelder;

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
    for (std::size_t i = 0; i < Stammdaten.size(); ++i)
        Stammdaten[i]->setText(ag.*felder()[i].wert);
    Stammdaten[Firma]->setFocus(Qt::OtherFocusReason);
}

void PersoenlicheDaten::WeiterButton_Click()
{
    for (QLineEdit* box : Stammdaten) {
        if (box->text().isEmpty()) {
            Umgebung::zeigen(this, Umgebung::warnung(QStringLiteral("Unvollständige Angaben"),
                                                     QStringLiteral("Sie müssen alle Felder ausfüllen")));
            return;
        }
    }
    if (!ArbeitgeberdatenSpeichern())
        return;

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

bool PersoenlicheDaten::ArbeitgeberdatenSpeichern()
{
    Arbeitgeberdaten ag = Sitzung::instanz().arbeitgeber;
    for (std::size_t i = 0; i < Stammdaten.size(); ++i)
        ag.*felder()[i].wert = Stammdaten[i]->text();
    if (auto s = Einstellungen::arbeitgeberSpeichern(ag); !s) {
        Umgebung::zeigen(this, Umgebung::nichtGespeichert(
                                   QStringLiteral("Die Firmendaten wurden nicht gespeichert."), s.fehler()));
        return false;
    }
    Sitzung::instanz().arbeitgeber = ag;
    return true;
}
