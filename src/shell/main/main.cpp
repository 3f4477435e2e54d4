// TALUR: the program. Started by the frame program, or stand-alone from a folder named SOURCE.
#include "platform/widgets/QtDialogService.h"
#include "shell/MainWindow.h"
#include "shell/ScreenshotOption.h"

#include "platform/core/SystemInfo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talur::installQtDialogs();
    // Buttons of the standard boxes ("Ja", "Nein") in the program's language.
    QTranslator qtTexts;
    if (talur::sys::languageCode(talur::sys::systemLocale().language) == 3 &&
        qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);

    talur::frmMAIN window(QCoreApplication::applicationDirPath());
    QObject::connect(&window, &talur::frmMAIN::programEnded, &app,
                     [](int code) { QCoreApplication::exit(code); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &talur::frmMAIN::sessionEnds);
    if (window.load() != talur::StartResult::Running)
        return 1;
    talur::scheduleScreenshots(window, QCoreApplication::arguments());
    return app.exec();
}
