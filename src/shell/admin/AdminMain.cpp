// talur-admin: settings folder, ADMIN row and demo project for running TALUR without the frame program.
#include "shell/admin/AdminTool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return talur::AdminTool::run(QCoreApplication::arguments().mid(1), out, err);
}
