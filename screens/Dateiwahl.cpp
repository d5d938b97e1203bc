#include "screens/Dateiwahl.h"

#include "screens/Auswechselbar.h"
#include "screens/Umgebung.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace Dateiwahl {
namespace {

class Echt final : public Anbieter
{
public:
    std::optional<QString> speichern(QWidget* eltern, const Speichern& frage) override
    {
        // The program asks about an existing file itself, in German and the same way on every system.
        const QString pfad = QFileDialog::getSaveFileName(eltern, frage.titel, frage.vorschlag, frage.filter,
                                                          nullptr, QFileDialog::DontConfirmOverwrite);
        if (pfad.isEmpty())
            return std::nullopt;
        return pfad;
    }

    bool drucker(QWidget* eltern, QPrinter& drucker) override
    {
        QPrintDialog dialog(&drucker, eltern);
        dialog.setWindowTitle(QStringLiteral("Drucken"));
        return dialog.exec() == QDialog::Accepted;
    }

    QString dokumente() override
    {
        const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return ordner.isEmpty() ? QDir::homePath() : ordner;
    }
};

using Naht = Auswechselbar<Anbieter, Echt>;

} // namespace

void setzeAnbieter(Anbieter* anbieter)
{
    Naht::setze(anbieter);
}

std::optional<QString> speichern(QWidget* eltern, const Speichern& frage, const QString& endung)
{
    // A folder that cannot be made is no failure here: the dialog then starts elsewhere and the user chooses.
    static_cast<void>(QDir().mkpath(QFileInfo(frage.vorschlag).absolutePath()));
    Speichern naechste = frage;
    for (;;) {
        std::optional<QString> pfad = Naht::aktuell().speichern(eltern, naechste);
        if (!pfad)
            return std::nullopt;
        if (QFileInfo(*pfad).suffix().compare(endung, Qt::CaseInsensitive) != 0)
            *pfad += QLatin1Char('.') + endung;
        if (!QFileInfo::exists(*pfad))
            return pfad;
        const Umgebung::Meldung ersetzen{
            frage.titel,
            QStringLiteral("Die Datei „%1“ gibt es schon.\nWollen Sie sie ersetzen?")
                .arg(QDir::toNativeSeparators(*pfad)),
            Umgebung::Knoepfe::JaNein, Umgebung::Symbol::Ausrufezeichen};
        if (Umgebung::zeigen(eltern, ersetzen) == Umgebung::Antwort::Ja)
            return pfad;
        naechste.vorschlag = *pfad;
    }
}

bool drucker(QWidget* eltern, QPrinter& drucker)
{
    return Naht::aktuell().drucker(eltern, drucker);
}

QString zeugnisordner()
{
    return QDir(Naht::aktuell().dokumente()).filePath(QStringLiteral("Zeugnisse"));
}

} // namespace Dateiwahl
