// TALUR: the program. Started by the frame program, or stand-alone from a folder named SOURCE.
#include "platform/widgets/QtDialogService.h"
#include "shell/MainWindow.h"
#include "shell/ScreenshotOption.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talur::installQtDialogs();

    talur::frmMAIN window(QCoreApplication::applicationDirPath());
    QObject::connect(&window, &talur::frmMAIN::programEnded, &app, [](int code) { QCoreApplication::exit(code); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &talur::frmMAIN::sessionEnds);
    if (window.load() != talur::StartResult::Running)
        return 1;
    talur::scheduleScreenshots(window, QCoreApplication::arguments());
    return app.exec();
}
