// Build step: writes the empty project database (the template in the program folder) from the schema.
#include "platform/core/RunError.h"
#include "records/DbSchema.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: talur-mktemplate FILE\n");
        return 2;
    }
    try {
        talur::DbSchema::create(QString::fromLocal8Bit(argv[1]), talur::DbKind::Project);
    } catch (const talur::RunError& error) {
        std::fprintf(stderr, "talur-mktemplate: %s\n", qPrintable(error.description()));
        return 1;
    }
    return 0;
}
