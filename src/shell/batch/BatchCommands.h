#pragma once
// The command table of talur-batch: the first argument names the command, the rest are its own.
#include <QStringList>
#include <ostream>

namespace talur::batch {

// arguments without the program name.
int runBatch(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace talur::batch
