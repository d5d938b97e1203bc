#include "catalogue/Einbau.h"
#include "engine/Ordnerwahl.h"
#include "screens/Einzelstart.h"
#include "screens/Sprache.h"
#include "screens/StartForm.h"
#include "screens/Umgebung.h"
#include "store/Programm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLockFile>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zeugnisfeder"));
    QApplication::setApplicationDisplayName(Programm::name());
    QApplication::setApplicationVersion(Programm::version());
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zeugnisfeder.zeugnisfeder"));
    Sprache::deutschEinrichten(app);

    QCommandLineParser aufruf;
    aufruf.setApplicationDescription(Programm::name() + QStringLiteral(": ") + Programm::zweck());
    aufruf.addHelpOption();
    aufruf.addVersionOption();
    const QCommandLineOption ordnerOption(
        QStringLiteral("ordner"),
        QStringLiteral("Arbeitet im ORDNER statt im eigenen Datenordner oder im aktuellen Ordner."),
        QStringLiteral("ORDNER"));
    aufruf.addOption(ordnerOption);
    aufruf.process(app);

    const Ordnerwahl::Orte orte = Ordnerwahl::standardorte(aufruf.value(ordnerOption));
    const auto wahl = Ordnerwahl::waehlen(orte);
    if (!wahl || !QDir::setCurrent(wahl->ordner)) {
        Umgebung::zeigen(nullptr, Umgebung::warnung(QStringLiteral("Arbeitsordner"),
                                                    wahl ? QStringLiteral("Der Arbeitsordner %1 lässt sich "
                                                                          "nicht öffnen.")
                                                               .arg(QDir::toNativeSeparators(wahl->ordner))
                                                         : wahl.fehler()));
        return 1;
    }

    std::unique_ptr<QLockFile> sperre;
    if (!Einzelstart::sperren(sperre))
        return 1;

    const auto katalog = Ordnerwahl::katalogEinrichten(*wahl, orte, Katalog::einrichten);
    if (!katalog || !katalog->isEmpty())
        Umgebung::zeigen(nullptr, Umgebung::warnung(QStringLiteral("Fragenkatalog"),
                                                    katalog ? *katalog : katalog.fehler()));

    auto* start = new StartForm; // deletes itself on close
    start->show();
    return QApplication::exec();
}
