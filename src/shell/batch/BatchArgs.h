#pragma once
// Command-line arguments of the batch commands.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace talur::batch {

enum class OutputFormat { Json, Csv };

// curves --db FILE (--record KEN | --id ID) [--format json|csv] [--out FILE]
struct CurvesArgs {
    QString db;
    std::optional<QString> record;
    std::optional<int32_t> id;
    OutputFormat format = OutputFormat::Json;
    QString out; // empty: standard output
};

struct CurvesArgsResult {
    std::optional<CurvesArgs> args;
    QString error; // set when args is empty
};

// The arguments after the command name.
CurvesArgsResult parseCurvesArgs(const QStringList& arguments);

inline const char* const kCurvesUsage =
    "talur-batch curves --db FILE (--record KEN | --id ID) [--format json|csv] [--out FILE]";

} // namespace talur::batch
