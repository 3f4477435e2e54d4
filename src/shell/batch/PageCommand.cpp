#include "shell/batch/PageCommand.h"

#include "page/SeitenDatei.h"
#include "platform/core/RunError.h"
#include "shell/batch/BatchProject.h"

namespace talur::batch {

namespace {

// The page reads the display options and the stored diagram settings as well.
const RequiredTables& pageTables() {
    static const RequiredTables tables = curveTables() + RequiredTables{
        {QStringLiteral("A1"), {QStringLiteral("ID"), QStringLiteral("BONEU"), QStringLiteral("EPSE"), QStringLiteral("GER")}},
        {QStringLiteral("G0"), {QStringLiteral("ID"), QStringLiteral("IDOBJEKT"), QStringLiteral("OX"), QStringLiteral("OY"),
                                QStringLiteral("RL"), QStringLiteral("RR"), QStringLiteral("RO"), QStringLiteral("RU"),
                                QStringLiteral("XMIN"), QStringLiteral("XMAX"), QStringLiteral("YMIN"),
                                QStringLiteral("YMAX"), QStringLiteral("MX"), QStringLiteral("MY"), QStringLiteral("MYMX"),
                                QStringLiteral("MSP")}},
    };
    return tables;
}

// The routines' error boxes ("VB-Fehler: ...") against plain messages such as a warning about the input.
bool isErrorBox(const DialogRecord& box) {
    return box.text.startsWith(QLatin1String("VB-Fehler")) || box.text.startsWith(QLatin1String("VB-Error"));
}

int renderStatus(const RunError& e, const PageArgs& args, std::ostream& err) {
    if (e.number() == err::PathFileAccess)
        return fail(err, kFileProblem, QStringLiteral("cannot write %1: %2").arg(args.out, e.description()));
    if (e.number() == err::FileNotFound)
        return fail(err, kUnknownRecord, e.description());
    return fail(err, kComputationFailed, QStringLiteral("error %1: %2").arg(e.number()).arg(e.description()));
}

// Everything after the working copy is open.
int drawPage(const PageArgs& args, BatchProject& project, std::ostream& err) {
    CollectedDialogs dialogs;
    int32_t id = 0;
    if (const int status = project.findRecord(args, id, err); status != kSuccess)
        return status;
    // The record is read as the curves read it first, so a missing or unreadable record is refused before
    // a page is drawn.
    RecordInputs inputs;
    if (const int status = project.loadStatus(loadRecordInputs(project.context(), id, inputs), id, dialogs, err);
        status != kSuccess)
        return status;
    dialogs.clearTranscript();
    try {
        renderPage(project.context(), id, args.out);
    } catch (const RunError& e) {
        return renderStatus(e, args, err);
    }
    const DialogRecord* firstError = nullptr;
    // The page is drawn twice, on its screen boxes and on the sheet, so each message comes twice.
    QStringList reported;
    for (const DialogRecord& box : dialogs.transcript()) {
        if (isErrorBox(box)) {
            if (!firstError)
                firstError = &box;
        } else if (!reported.contains(box.text)) {
            reported << box.text;
            err << "talur-batch: message: " << oneLine(box.text) << '\n';
        }
    }
    // The file is written all the same; the pictures whose routine failed are missing from it.
    if (firstError)
        return fail(err, kComputationFailed, firstError->title + QStringLiteral(": ") + firstError->text);
    return kSuccess;
}

} // namespace

int runPageCommand(const QStringList& arguments, std::ostream& /*out*/, std::ostream& err) {
    const PageArgsResult parsed = parsePageArgs(arguments);
    if (!parsed.args)
        return fail(err, kBadArguments, parsed.error + QStringLiteral("; usage: ") + QLatin1String(kPageUsage));
    const PageArgs& args = *parsed.args;
    BatchProject project;
    if (const int status = project.open(args, pageTables(), err); status != kSuccess)
        return status;
    try {
        return drawPage(args, project, err);
    } catch (const RunError& e) {
        return fail(err, kComputationFailed, QStringLiteral("error %1: %2").arg(e.number()).arg(e.description()));
    }
}

} // namespace talur::batch
