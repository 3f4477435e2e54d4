// talur-batch: headless commands over a project database; no display needed.
#include "shell/batch/BatchCommands.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return talur::batch::runBatch(QCoreApplication::arguments().mid(1), std::cout, std::cerr);
}
