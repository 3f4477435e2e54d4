#pragma once
// Command-line arguments of the batch commands.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace talur::batch {

enum class OutputFormat { Json, Csv };

// --db FILE (--record KEN | --id ID): the record of a project database a command works on.
struct RecordArgs {
    QString db;
    std::optional<QString> record;
    std::optional<int32_t> id;
};

// curves --db FILE (--record KEN | --id ID) [--format json|csv] [--out FILE]
struct CurvesArgs : RecordArgs {
    OutputFormat format = OutputFormat::Json;
    QString out; // empty: standard output
};

// page --db FILE (--record KEN | --id ID) --out FILE.pdf|FILE.png|FILE.svg
struct PageArgs : RecordArgs {
    QString out; // its extension says the format
};

template <class Args>
struct ArgsResult {
    std::optional<Args> args;
    QString error; // set when args is empty
};
using CurvesArgsResult = ArgsResult<CurvesArgs>;
using PageArgsResult = ArgsResult<PageArgs>;

// The arguments after the command name.
CurvesArgsResult parseCurvesArgs(const QStringList& arguments);
PageArgsResult parsePageArgs(const QStringList& arguments);

inline const char* const kCurvesUsage =
    "talur-batch curves --db FILE (--record KEN | --id ID) [--format json|csv] [--out FILE]";
inline const char* const kPageUsage = "talur-batch page --db FILE (--record KEN | --id ID) --out FILE.pdf|FILE.png|FILE.svg";

} // namespace talur::batch
