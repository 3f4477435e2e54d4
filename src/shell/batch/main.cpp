// talur-batch: headless commands over a project database; no display needed.
#include "shell/batch/BatchCommands.h"

#include <QApplication>
#include <cstdio>
#include <iostream>

namespace {

QtMessageHandler qtHandler = nullptr;

// Standard error carries the commands' one-line errors; Qt's own notes (a missing runtime folder, font
// fallbacks) would only blur them. Critical and fatal messages still get through.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    if (qtHandler)
        qtHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(quietMessages);
    // The output page is laid out with widgets, but nothing is ever shown: no display is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return talur::batch::runBatch(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
