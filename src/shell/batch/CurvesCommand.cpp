#include "shell/batch/CurvesCommand.h"

#include "curves/io/RecordCurves.h"
#include "curves/io/RecordInputs.h"
#include "platform/core/FileOps.h"
#include "platform/core/RunError.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/core/SystemInfo.h"
#include "platform/core/Variant.h"
#include "records/RunContext.h"
#include "shell/batch/BatchArgs.h"
#include "shell/batch/CurvesOutput.h"

#include <QFile>
#include <QTemporaryDir>

namespace talur::batch {

namespace {

// The tables and columns the curves are read from.
const struct {
    const char* table;
    const char* columns[22];
} kCurveTables[] = {
    {"E1", {"ID", "KEN"}},
    {"E2", {"ID", "A1", "C1S", "C1", "A2", "C2S", "C2", "SIBK", "SI0", "E0", "SIA", "SIMAX", "N", "A", "B", "C",
            "AR", "CR", "SIBS", "EBS", "SI1", "SI2"}},
    {"E3", {"ID", "I1", "SIV"}},
};

// What keeps the file from being read as a TALUR database; empty when nothing does.
QString missingCurveTables(Connection& connection) {
    for (const auto& table : kCurveTables) {
        const QString name = QString::fromLatin1(table.table);
        if (!connection.hasTable(name))
            return QStringLiteral("it has no table %1").arg(name);
        const QStringList present = connection.columnNames(name);
        for (const char* column : table.columns)
            if (column && !present.contains(QString::fromLatin1(column), Qt::CaseInsensitive))
                return QStringLiteral("table %1 has no column %2").arg(name, QString::fromLatin1(column));
    }
    return {};
}

std::string oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.toStdString();
}

int fail(std::ostream& err, int status, const QString& text) {
    err << "talur-batch: " << oneLine(text) << '\n';
    return status;
}

// Regional settings follow the locale for the run, as at start-up, and are restored afterwards.
class LocaleScope {
public:
    explicit LocaleScope(RunContext& context) : m_saved(regionalSettings()) {
        const sys::LocaleInfo locale = sys::systemLocale();
        context.setLanguage(sys::languageCode(locale.language), locale.decimalSeparator);
        if (!locale.decimalSeparator.isEmpty())
            regionalSettings().decimalSeparator = locale.decimalSeparator.at(0);
    }
    ~LocaleScope() { regionalSettings() = m_saved; }

private:
    RegionalSettings m_saved;
};

// The boxes of one command are collected, not shown; the service that was in place comes back after it.
class CollectedDialogs : public ScriptedDialogService {
public:
    CollectedDialogs() : m_previous(&dialogs()) { setDialogs(this); }
    ~CollectedDialogs() override { setDialogs(m_previous); }

private:
    DialogService* m_previous;
};

QStringList messageTexts(const ScriptedDialogService& dialogs) {
    QStringList texts;
    for (const DialogRecord& box : dialogs.transcript())
        texts << box.text;
    return texts;
}

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
int computeAndWrite(const CurvesArgs& args, RunContext& context, std::ostream& out, std::ostream& err) {
    CollectedDialogs dialogs;
    int32_t id = args.id.value_or(0);
    if (args.record) {
        const auto found = findRecordKey(context.cnnX, *args.record);
        if (!found)
            return fail(err, kUnknownRecord, QStringLiteral("no record '%1' in %2").arg(*args.record, args.db));
        id = *found;
    }
    RecordCurves curves;
    const LoadStatus status = runRecordCurves(context, id, curves);
    if (status == LoadStatus::NoRecord)
        return fail(err, kUnknownRecord, QStringLiteral("no record with ID %1 in %2").arg(id).arg(args.db));
    if (status == LoadStatus::NoParameters)
        return fail(err, kUnknownRecord, QStringLiteral("record with ID %1 has no parameters (table E2)").arg(id));
    if (status == LoadStatus::TransferFailed) {
        const auto& boxes = dialogs.transcript();
        return fail(err, kComputationFailed, boxes.isEmpty() ? QStringLiteral("reading the record failed")
                                                              : boxes.last().text);
    }
    const std::string text = args.format == OutputFormat::Json ? curvesJson(curves, messageTexts(dialogs))
                                                               : curvesCsv(curves);
    if (!writeOutput(args, text, out))
        return fail(err, kFileProblem, QStringLiteral("cannot write %1").arg(args.out));
    if (args.format == OutputFormat::Csv)
        for (const QString& text : messageTexts(dialogs))
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
    if (!files::fileExists(args.db))
        return fail(err, kFileProblem, QStringLiteral("no such file: %1").arg(args.db));

    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(err, kFileProblem, QStringLiteral("cannot create a temporary folder"));
    const QString workingCopy = folder.filePath(QStringLiteral("TALUR.db"));
    RunContext context;
    LocaleScope locale(context);
    try {
        files::copyDatabase(args.db, workingCopy);
        context.cnnX.open(workingCopy);
    } catch (const RunError& e) {
        return fail(err, kFileProblem, QStringLiteral("%1 is not a TALUR database: %2").arg(args.db, e.description()));
    }
    const QString missing = missingCurveTables(context.cnnX);
    if (!missing.isEmpty())
        return fail(err, kFileProblem, QStringLiteral("%1 is not a TALUR database: %2").arg(args.db, missing));
    try {
        return computeAndWrite(args, context, out, err);
    } catch (const RunError& e) {
        return fail(err, kComputationFailed, QStringLiteral("error %1: %2").arg(e.number()).arg(e.description()));
    }
}

} // namespace talur::batch
