#include "shell/ScreenshotOption.h"

#include "platform/core/Services.h"
#include "shell/MainMenu.h"
#include "shell/MainWindow.h"
#include "shell/frmINFO.h"

#include <QAction>
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

// The output page of the active record, as "&Berechnen" shows it, or "&Neuberechnen" for a record that
// was never evaluated.
void openPage(frmMAIN& window) {
    window.mnuAUSWERTEN_Click();
    for (const char* name : {"mnuBERECHNEN", "mnuNEUBERECHNEN"})
        if (window.menus().isEnabled(QString::fromLatin1(name))) {
            window.menus().action(QString::fromLatin1(name))->trigger();
            return;
        }
    std::fprintf(stderr, "no single active record: no output page\n");
}

} // namespace

bool scheduleScreenshots(frmMAIN& window, const QStringList& arguments) {
    const QString mainFile = optionValue(arguments, QStringLiteral("--screenshot"));
    const QString infoFile = optionValue(arguments, QStringLiteral("--screenshot-info"));
    const QString pageFile = optionValue(arguments, QStringLiteral("--screenshot-page"));
    if (mainFile.isEmpty() && infoFile.isEmpty() && pageFile.isEmpty())
        return false;
    // Give the window manager time to map and maximise the window first.
    QTimer::singleShot(1500, &window, [&window, mainFile, infoFile, pageFile] {
        if (!mainFile.isEmpty())
            save(window, mainFile);
        if (!infoFile.isEmpty()) {
            frmINFO info(window.SPRACHE(), &window);
            info.show();
            save(info, infoFile);
            info.close();
        }
        if (!pageFile.isEmpty()) {
            openPage(window);
            save(window, pageFile);
            // A look at the program never saves: the evaluation's changes go with the working copy.
            window.setChanged(false);
        }
        window.mnuBEENDEN_Click();
    });
    return true;
}

} // namespace talur
