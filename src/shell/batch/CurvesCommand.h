#pragma once
// `talur-batch curves`: computes one record's curves on a working copy of a project database and writes
// them as JSON or CSV. The database given is never written.
#include "shell/batch/BatchProject.h"

#include <QStringList>
#include <ostream>

namespace talur::batch {

// The arguments after "curves". Output goes to `out` unless --out names a file; one-line errors to `err`.
int runCurvesCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace talur::batch
