// talur-batch: headless commands over a project database; no display needed.
#include "shell/batch/BatchCommands.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    // The output page is laid out with widgets, but nothing is ever shown: no display is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return talur::batch::runBatch(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
