#pragma once
// `talur-batch curves`: computes one record's curves on a working copy of a project database and writes
// them as JSON or CSV. The database given is never written.
#include <QStringList>
#include <ostream>

namespace talur::batch {

// Exit statuses of the batch commands.
enum ExitStatus : int {
    kSuccess = 0,
    kBadArguments = 1,
    kFileProblem = 2,      // missing file, not a TALUR database, output not writable
    kUnknownRecord = 3,    // no such record, or a record without parameters
    kComputationFailed = 4 // a read or a computation reported an error (the JSON still says which)
};

// The arguments after "curves". Output goes to `out` unless --out names a file; one-line errors to `err`.
int runCurvesCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace talur::batch
