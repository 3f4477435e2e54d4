#include "shell/batch/BatchArgs.h"

namespace talur::batch {

namespace {

CurvesArgsResult failure(const QString& error) { return CurvesArgsResult{std::nullopt, error}; }

} // namespace

CurvesArgsResult parseCurvesArgs(const QStringList& arguments) {
    CurvesArgs args;
    QStringList seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (!option.startsWith(QLatin1String("--")))
            return failure(QStringLiteral("unexpected argument '%1'").arg(option));
        if (seen.contains(option))
            return failure(QStringLiteral("%1 given twice").arg(option));
        seen << option;
        if (i + 1 >= arguments.size())
            return failure(QStringLiteral("%1 needs a value").arg(option));
        const QString value = arguments[++i];
        if (option == QLatin1String("--db")) {
            args.db = value;
        } else if (option == QLatin1String("--record")) {
            args.record = value;
        } else if (option == QLatin1String("--id")) {
            bool ok = false;
            const int32_t id = value.toInt(&ok);
            if (!ok)
                return failure(QStringLiteral("--id needs a whole number, not '%1'").arg(value));
            args.id = id;
        } else if (option == QLatin1String("--format")) {
            if (value == QLatin1String("json"))
                args.format = OutputFormat::Json;
            else if (value == QLatin1String("csv"))
                args.format = OutputFormat::Csv;
            else
                return failure(QStringLiteral("--format is json or csv, not '%1'").arg(value));
        } else if (option == QLatin1String("--out")) {
            args.out = value;
        } else {
            return failure(QStringLiteral("unknown option %1").arg(option));
        }
    }
    if (args.db.isEmpty())
        return failure(QStringLiteral("--db FILE is required"));
    if (args.record.has_value() == args.id.has_value())
        return failure(QStringLiteral("give either --record KEN or --id ID"));
    return CurvesArgsResult{args, {}};
}

} // namespace talur::batch
