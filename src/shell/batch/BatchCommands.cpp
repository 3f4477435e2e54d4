#include "shell/batch/BatchCommands.h"

#include "shell/batch/CurvesCommand.h"
#include "shell/batch/PageCommand.h"

namespace talur::batch {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, std::ostream& out, std::ostream& err);
    const char* summary;
};

const Command kCommands[] = {
    {"curves", runCurvesCommand, "compression and Mohr failure curves of one record"},
    {"page", runPageCommand, "the printed output page of one record as PDF, PNG or SVG"},
};

void usage(std::ostream& err) {
    err << "usage: talur-batch COMMAND [OPTIONS]\ncommands:\n";
    for (const Command& command : kCommands)
        err << "  " << command.name << "  " << command.summary << '\n';
}

} // namespace

int runBatch(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.isEmpty()) {
        err << "talur-batch: no command given\n";
        usage(err);
        return kBadArguments;
    }
    for (const Command& command : kCommands)
        if (arguments.front() == QLatin1String(command.name))
            return command.run(arguments.mid(1), out, err);
    err << "talur-batch: unknown command " << arguments.front().toStdString() << '\n';
    usage(err);
    return kBadArguments;
}

} // namespace talur::batch
