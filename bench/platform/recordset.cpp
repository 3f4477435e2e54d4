// Opening a recordset over 10,000 record rows and walking it to the end, reading every field.
#include "platform/core/Database.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct E1Database {
    E1Database() {
        cnn.create(dir.filePath(QStringLiteral("TALUR.db")));
        cnn.execute(QStringLiteral(
            "CREATE TABLE E1 (ID INTEGER NOT NULL UNIQUE, KEN TEXT(8), KOM TEXT(50), AKT BOOLEAN NOT NULL "
            "DEFAULT 0);"
            "CREATE INDEX E1_KEN ON E1 (KEN);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<10000)"
            " INSERT INTO E1 SELECT i, 'K' || i, 'Kommentar zum Datensatz ' || i, i % 7 = 0 FROM n;"));
    }
    QTemporaryDir dir;
    talur::Connection cnn;
};

void BM_OpenAndWalkE1(benchmark::State& state) {
    E1Database db;
    for (auto _ : state) {
        talur::Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM [E1] ORDER BY [ID]"), db.cnn);
        int64_t sum = 0;
        for (; !rs.eof(); rs.moveNext()) {
            sum += rs.value(QStringLiteral("ID")).toInt32();
            sum += rs.value(QStringLiteral("KEN")).toText().size();
            if (!rs.isNull(QStringLiteral("KOM")))
                sum += rs.value(QStringLiteral("KOM")).toText().size();
            sum += rs.value(QStringLiteral("AKT")).toBool() ? 1 : 0;
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_OpenAndWalkE1)->Unit(benchmark::kMillisecond);

// The open alone: statement, snapshot and field descriptions.
void BM_OpenE1(benchmark::State& state) {
    E1Database db;
    for (auto _ : state) {
        talur::Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM [E1] ORDER BY [ID]"), db.cnn);
        benchmark::DoNotOptimize(rs.recordCount());
    }
}
BENCHMARK(BM_OpenE1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
