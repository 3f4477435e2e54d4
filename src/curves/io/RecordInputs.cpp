#include "curves/io/RecordInputs.h"

#include "records/RunContext.h"
#include "records/clsDATEN.h"

namespace talur {

namespace {

bool hasRow(Connection& connection, const QString& table, int32_t id) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT [ID] FROM [%1] WHERE [ID]=%2").arg(table).arg(id), connection);
    const bool found = !rs.eof();
    rs.close();
    return found;
}

// E2 in the order in which the output page reads it.
bool readParameters(RunContext& context, int32_t id, RecordInputs& out) {
    clsDATEN e2(context);
    e2.setETABELLE(QStringLiteral("E2"));
    e2.setESPIDW(id);
    CompressionInput& k = out.compression;
    MohrInput& m = out.mohr;
    const struct {
        const char* column;
        float* target;
    } before[] = {{"A1", &k.A1}, {"C1S", &k.C1S}, {"C1", &k.C1},   {"A2", &k.A2},     {"C2S", &k.C2S},
                  {"C2", &k.C2}, {"SIBK", &k.SIBK}, {"A", &m.A},   {"B", &m.B},       {"C", &m.C},
                  {"AR", &m.AR}, {"CR", &m.CR},     {"SIBS", &m.SIBS}, {"EBS", &m.EBS}, {"SIA", &k.SIA}};
    for (const auto& column : before)
        if (!e2.DTVS(QString::fromLatin1(column.column), *column.target))
            return false;
    if (!e2.DTVI(QStringLiteral("N"), k.N))
        return false;
    const struct {
        const char* column;
        float* target;
    } after[] = {{"SI0", &k.SI0}, {"E0", &k.E0}, {"SIMAX", &k.SIMAX}, {"SI1", &m.SI1}, {"SI2", &m.SI2}};
    for (const auto& column : after)
        if (!e2.DTVS(QString::fromLatin1(column.column), *column.target))
            return false;
    return true;
}

bool readPreloadingStresses(RunContext& context, int32_t id, std::vector<float>& SIV) {
    clsDATEN e3(context);
    e3.setETABELLE(QStringLiteral("E3"));
    e3.setESPIDW(id);
    int16_t first = 0;
    int16_t last = 0;
    int16_t count = 0;
    GridSelection byRow;
    byRow.SPI1 = QStringLiteral("I1");
    e3.INDEX(first, last, count, byRow);
    SIV.assign(count > 0 ? static_cast<std::size_t>(count) : 1u, 0.0f);
    return e3.DTVSF(QStringLiteral("SIV"), SIV, byRow.full());
}

} // namespace

std::optional<int32_t> findRecordKey(Connection& connection, const QString& KEN) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT [ID] FROM [E1] WHERE [KEN]=%1 ORDER BY [ID]").arg(sqlLiteral(KEN)), connection);
    std::optional<int32_t> id;
    if (!rs.eof())
        id = rs.value(0).toInt32();
    rs.close();
    return id;
}

LoadStatus loadRecordInputs(RunContext& context, int32_t id, RecordInputs& out) {
    if (!hasRow(context.cnnX, QStringLiteral("E1"), id))
        return LoadStatus::NoRecord;
    if (!hasRow(context.cnnX, QStringLiteral("E2"), id))
        return LoadStatus::NoParameters;
    out = RecordInputs{};
    out.ID = id;
    clsDATEN e1(context);
    e1.setESPIDW(id);
    if (!e1.DTVT(QStringLiteral("KEN"), out.KEN))
        return LoadStatus::TransferFailed;
    if (!readParameters(context, id, out) || !readPreloadingStresses(context, id, out.SIV))
        return LoadStatus::TransferFailed;
    return LoadStatus::Loaded;
}

} // namespace talur
