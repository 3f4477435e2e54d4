#pragma once
// What every batch command over a record shares: exit statuses, one-line errors, a working copy of the
// project database in a temporary folder (the file given is never written), the locale of the run,
// collected message boxes, and finding the record.
#include "curves/io/RecordInputs.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/core/Variant.h"
#include "records/RunContext.h"
#include "shell/batch/BatchArgs.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

namespace talur::batch {

// Exit statuses of the batch commands.
enum ExitStatus : int {
    kSuccess = 0,
    kBadArguments = 1,
    kFileProblem = 2,      // missing file, not a TALUR database, output not writable
    kUnknownRecord = 3,    // no such record, or a record without parameters
    kComputationFailed = 4 // a read or a computation reported an error
};

// Writes "talur-batch: <text>" as one line to err and returns status.
int fail(std::ostream& err, int status, const QString& text);
std::string oneLine(const QString& text);

// Tables and columns a command reads; a file without them is no TALUR database to it.
struct RequiredTable {
    QString name;
    QStringList columns;
};
using RequiredTables = QList<RequiredTable>;
const RequiredTables& curveTables(); // E1, E2, E3 as the curve models read them

// The boxes of one command are collected, not shown; the service that was in place comes back after it.
class CollectedDialogs : public ScriptedDialogService {
public:
    CollectedDialogs() : m_previous(&dialogs()) { setDialogs(this); }
    ~CollectedDialogs() override { setDialogs(m_previous); }
    QStringList texts() const;

private:
    DialogService* m_previous;
};

class BatchProject {
public:
    // Regional settings follow the locale for the run, as at start-up, and are restored afterwards.
    BatchProject();
    ~BatchProject();
    BatchProject(const BatchProject&) = delete;
    BatchProject& operator=(const BatchProject&) = delete;

    // Copies args.db to the working copy and opens it; the project is the folder that holds the file.
    // kSuccess, or the status after the error was written to err.
    int open(const RecordArgs& args, const RequiredTables& tables, std::ostream& err);
    RunContext& context() { return m_context; }

    // The key named by --record or --id; kSuccess or kUnknownRecord after the error was written.
    int findRecord(const RecordArgs& args, int32_t& id, std::ostream& err);
    // The status of reading a record: kSuccess when it was read, else the error written to err (the last
    // box shown when a transfer failed).
    int loadStatus(LoadStatus status, int32_t id, const CollectedDialogs& dialogs, std::ostream& err) const;

private:
    QTemporaryDir m_folder;
    RunContext m_context;
    RegionalSettings m_savedSettings;
    QString m_db;
};

} // namespace talur::batch
