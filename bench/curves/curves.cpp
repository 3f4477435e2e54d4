// One full computation of a record as the output page runs it on every drawing: compression curves,
// every unloading branch and the Mohr failure curves with all Coulomb fits (N = 1000, ten preloading
// stresses spread over the range).
#include "curves/Compression.h"
#include "curves/Mohr.h"
#include "curves/CurveTestData.h"

#include <benchmark/benchmark.h>

namespace {

talur::CompressionInput compressionInput() {
    talur::CompressionInput in = talur::test::typicalCompression();
    in.N = 1000;
    return in;
}

talur::MohrInput mohrInput() { return talur::test::typicalMohr(); }

const std::vector<float> kPreloading = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};

void BM_CompressionBranchesAndMohr(benchmark::State& state) {
    const auto ci = compressionInput();
    const auto mi = mohrInput();
    talur::CollectingMessageSink sink;
    talur::MohrResult previous;
    for (auto _ : state) {
        const auto compression = talur::KOMPRESSION(ci, sink);
        const auto branches =
            talur::unloadingBranches(compression, kPreloading, talur::StrainMeasure::Conventional, sink);
        previous = talur::BRUCHKURVEN(mi, compression, kPreloading, previous, sink);
        benchmark::DoNotOptimize(branches.rows.data());
        benchmark::DoNotOptimize(previous.PHIE.data());
    }
    if (!sink.messages().empty())
        state.SkipWithError("unexpected message");
}
BENCHMARK(BM_CompressionBranchesAndMohr)->Unit(benchmark::kMicrosecond);

void BM_Compression(benchmark::State& state) {
    const auto ci = compressionInput();
    talur::CollectingMessageSink sink;
    for (auto _ : state)
        benchmark::DoNotOptimize(talur::KOMPRESSION(ci, sink).EPOR.data());
}
BENCHMARK(BM_Compression)->Unit(benchmark::kMicrosecond);

void BM_UnloadingBranches(benchmark::State& state) {
    talur::CollectingMessageSink sink;
    const auto compression = talur::KOMPRESSION(compressionInput(), sink);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            talur::unloadingBranches(compression, kPreloading, talur::StrainMeasure::Conventional, sink).rows.data());
}
BENCHMARK(BM_UnloadingBranches)->Unit(benchmark::kMicrosecond);

void BM_Mohr(benchmark::State& state) {
    talur::CollectingMessageSink sink;
    const auto compression = talur::KOMPRESSION(compressionInput(), sink);
    const auto mi = mohrInput();
    talur::MohrResult previous;
    for (auto _ : state) {
        previous = talur::BRUCHKURVEN(mi, compression, kPreloading, previous, sink);
        benchmark::DoNotOptimize(previous.PHIE.data());
    }
}
BENCHMARK(BM_Mohr)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
