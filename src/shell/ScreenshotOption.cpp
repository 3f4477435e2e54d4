#include "shell/ScreenshotOption.h"

#include "platform/core/Services.h"
#include "shell/MainWindow.h"
#include "shell/frmINFO.h"

#include <QTimer>
#include <cstdio>

namespace talur {

namespace {

QString optionValue(const QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

void save(QWidget& widget, const QString& file) {
    eventPump().processEvents();
    if (!widget.grab().save(file))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
}

} // namespace

bool scheduleScreenshots(frmMAIN& window, const QStringList& arguments) {
    const QString mainFile = optionValue(arguments, QStringLiteral("--screenshot"));
    const QString infoFile = optionValue(arguments, QStringLiteral("--screenshot-info"));
    if (mainFile.isEmpty() && infoFile.isEmpty())
        return false;
    // Give the window manager time to map and maximise the window first.
    QTimer::singleShot(1500, &window, [&window, mainFile, infoFile] {
        if (!mainFile.isEmpty())
            save(window, mainFile);
        if (!infoFile.isEmpty()) {
            frmINFO info(window.SPRACHE(), &window);
            info.show();
            save(info, infoFile);
            info.close();
        }
        window.mnuBEENDEN_Click();
    });
    return true;
}

} // namespace talur
