#include "shell/batch/CurvesCommand.h"

#include "curves/io/RecordCurves.h"
#include "platform/core/RunError.h"
#include "shell/batch/CurvesOutput.h"

#include <QFile>

namespace talur::batch {

namespace {

bool writeOutput(const CurvesArgs& args, const std::string& text, std::ostream& out) {
    if (args.out.isEmpty()) {
        out << text;
        return out.good();
    }
    QFile file(args.out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

// Everything after the working copy is open.
int computeAndWrite(const CurvesArgs& args, BatchProject& project, std::ostream& out, std::ostream& err) {
    CollectedDialogs dialogs;
    int32_t id = 0;
    if (const int status = project.findRecord(args, id, err); status != kSuccess)
        return status;
    RecordCurves curves;
    if (const int status = project.loadStatus(runRecordCurves(project.context(), id, curves), id, dialogs, err);
        status != kSuccess)
        return status;
    const std::string text = args.format == OutputFormat::Json ? curvesJson(curves, dialogs.texts())
                                                               : curvesCsv(curves);
    if (!writeOutput(args, text, out))
        return fail(err, kFileProblem, QStringLiteral("cannot write %1").arg(args.out));
    if (args.format == OutputFormat::Csv)
        for (const QString& text : dialogs.texts())
            err << "talur-batch: message: " << oneLine(text) << '\n';
    if (!curves.failures.empty()) {
        const CurveFailure& first = curves.failures.front();
        return fail(err, kComputationFailed,
                    QStringLiteral("%1: error %2: %3").arg(first.title).arg(first.number).arg(first.description));
    }
    return kSuccess;
}

} // namespace

int runCurvesCommand(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const CurvesArgsResult parsed = parseCurvesArgs(arguments);
    if (!parsed.args)
        return fail(err, kBadArguments, parsed.error + QStringLiteral("; usage: ") + QLatin1String(kCurvesUsage));
    const CurvesArgs& args = *parsed.args;
    BatchProject project;
    if (const int status = project.open(args, curveTables(), err); status != kSuccess)
        return status;
    try {
        return computeAndWrite(args, project, out, err);
    } catch (const RunError& e) {
        return fail(err, kComputationFailed, QStringLiteral("error %1: %2").arg(e.number()).arg(e.description()));
    }
}

} // namespace talur::batch
