#include "shell/batch/BatchArgs.h"

#include <QFileInfo>
#include <QHash>

namespace talur::batch {

namespace {

using Values = QHash<QString, QString>;

template <class Args>
ArgsResult<Args> failure(const QString& error) {
    return ArgsResult<Args>{std::nullopt, error};
}

// "--name value" pairs, each option at most once and one of `known`. Empty when they are well-formed.
QString readOptions(const QStringList& arguments, const QStringList& known, Values& values) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (!option.startsWith(QLatin1String("--")))
            return QStringLiteral("unexpected argument '%1'").arg(option);
        if (values.contains(option))
            return QStringLiteral("%1 given twice").arg(option);
        if (i + 1 >= arguments.size())
            return QStringLiteral("%1 needs a value").arg(option);
        if (!known.contains(option))
            return QStringLiteral("unknown option %1").arg(option);
        values.insert(option, arguments[++i]);
    }
    return {};
}

QString takeRecordArgs(const Values& values, RecordArgs& args) {
    args.db = values.value(QStringLiteral("--db"));
    if (values.contains(QStringLiteral("--record")))
        args.record = values.value(QStringLiteral("--record"));
    if (values.contains(QStringLiteral("--id"))) {
        const QString value = values.value(QStringLiteral("--id"));
        bool ok = false;
        const int32_t id = value.toInt(&ok);
        if (!ok)
            return QStringLiteral("--id needs a whole number, not '%1'").arg(value);
        args.id = id;
    }
    if (args.db.isEmpty())
        return QStringLiteral("--db FILE is required");
    if (args.record.has_value() == args.id.has_value())
        return QStringLiteral("give either --record KEN or --id ID");
    return {};
}

const QStringList kRecordOptions{QStringLiteral("--db"), QStringLiteral("--record"), QStringLiteral("--id")};

} // namespace

CurvesArgsResult parseCurvesArgs(const QStringList& arguments) {
    Values values;
    CurvesArgs args;
    QString error = readOptions(arguments, kRecordOptions + QStringList{QStringLiteral("--format"), QStringLiteral("--out")},
                                values);
    if (error.isEmpty())
        error = takeRecordArgs(values, args);
    if (!error.isEmpty())
        return failure<CurvesArgs>(error);
    const QString format = values.value(QStringLiteral("--format"), QStringLiteral("json"));
    if (format == QLatin1String("json"))
        args.format = OutputFormat::Json;
    else if (format == QLatin1String("csv"))
        args.format = OutputFormat::Csv;
    else
        return failure<CurvesArgs>(QStringLiteral("--format is json or csv, not '%1'").arg(format));
    args.out = values.value(QStringLiteral("--out"));
    return CurvesArgsResult{args, {}};
}

PageArgsResult parsePageArgs(const QStringList& arguments) {
    Values values;
    PageArgs args;
    QString error = readOptions(arguments, kRecordOptions + QStringList{QStringLiteral("--out")}, values);
    if (error.isEmpty())
        error = takeRecordArgs(values, args);
    if (!error.isEmpty())
        return failure<PageArgs>(error);
    args.out = values.value(QStringLiteral("--out"));
    if (args.out.isEmpty())
        return failure<PageArgs>(QStringLiteral("--out FILE is required"));
    const QString extension = QFileInfo(args.out).suffix().toLower();
    if (extension != QLatin1String("pdf") && extension != QLatin1String("png") && extension != QLatin1String("svg"))
        return failure<PageArgs>(QStringLiteral("--out names a .pdf, .png or .svg file, not '%1'").arg(args.out));
    return PageArgsResult{args, {}};
}

} // namespace talur::batch
