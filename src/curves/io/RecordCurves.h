#pragma once
// Everything the output page computes for one record, in its order, as one result object.
#include "curves/Compression.h"
#include "curves/Mohr.h"
#include "curves/io/RecordInputs.h"

#include <QString>
#include <optional>
#include <vector>

namespace talur {

// An error box that a computation showed.
struct CurveFailure {
    QString title; // the picture: "Bild 11" or "Bild 12"
    int number = 0;
    QString description;
};

// One unloading branch in both strain measures.
struct RecordBranch {
    std::size_t row = 0;
    float SIV = 0.0f;
    bool computed = false; // false: SIV lies off the grid, no branch
    std::vector<float> stress;
    std::vector<float> strain;        // conventional, %
    std::vector<float> strainNatural; // natural, %
    std::vector<float> voidRatio;
};

struct RecordCurves {
    RecordInputs inputs;
    std::optional<CompressionResult> compression; // empty after an error of the compression curves
    std::vector<RecordBranch> branches;
    std::optional<BranchStop> stoppedAt;
    std::optional<MohrResult> mohr; // empty when the compression curves or the failure curves failed
    std::vector<CurveFailure> failures;
};

// The compression curves with their branches (conventional measure, as the compression picture shows them
// by default), then the failure curves. Messages go to the dialog service; an error shows the error box
// of its picture and ends the computations that depend on it.
RecordCurves computeRecordCurves(const RecordInputs& inputs, const MohrResult& previous = {});

// Reads the record through the record data-access class and computes its curves into `out` when it could
// be read. Conversion errors of stored values reach the caller as RunError.
LoadStatus runRecordCurves(RunContext& context, int32_t id, RecordCurves& out);

} // namespace talur
