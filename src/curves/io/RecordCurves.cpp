#include "curves/io/RecordCurves.h"

#include "curves/CurveError.h"
#include "curves/io/DialogCurveSink.h"
#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"

namespace talur {

namespace {

// Shows the error box of a picture; OK and Cancel both end the picture's computation here.
bool runPicture(const QString& title, RecordCurves& out, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const CurveError& e) {
        const RunError error = toRunError(e);
        out.failures.push_back(CurveFailure{title, error.number(), error.description()});
        dialogs().message(errorBoxText(ErrorPrefix::German, error.number(), error.description()),
                          MsgButtons::OkCancel, MsgIcon::Exclamation, title);
        return false;
    }
}

RecordBranch recordBranch(const CompressionResult& compression, const BranchRow& row) {
    RecordBranch out;
    out.row = row.row;
    out.SIV = row.SIV;
    if (!row.branch)
        return out;
    out.computed = true;
    out.stress = row.branch->stress;
    out.strain = row.branch->strain;
    out.voidRatio = row.branch->voidRatio;
    // The natural measure interpolates on the same intervals, so its messages would only repeat those of
    // the conventional branch just shown.
    CollectingMessageSink repeated;
    const auto natural = ENTLASTUNG(compression, row.SIV, StrainMeasure::Natural, repeated);
    if (natural)
        out.strainNatural = natural->strain;
    return out;
}

} // namespace

RecordCurves computeRecordCurves(const RecordInputs& inputs, const MohrResult& previous) {
    RecordCurves out;
    out.inputs = inputs;
    DialogCurveSink sink;
    const bool compressed = runPicture(QStringLiteral("Bild 11"), out, [&] {
        CompressionResult compression = KOMPRESSION(inputs.compression, sink);
        const UnloadingBranches set =
            unloadingBranches(compression, inputs.SIV, StrainMeasure::Conventional, sink);
        for (const BranchRow& row : set.rows)
            out.branches.push_back(recordBranch(compression, row));
        out.stoppedAt = set.stoppedAt;
        out.compression = std::move(compression);
    });
    if (!compressed)
        return out;
    runPicture(QStringLiteral("Bild 12"), out,
               [&] { out.mohr = BRUCHKURVEN(inputs.mohr, *out.compression, inputs.SIV, previous, sink); });
    return out;
}

LoadStatus runRecordCurves(RunContext& context, int32_t id, RecordCurves& out) {
    RecordInputs inputs;
    const LoadStatus status = loadRecordInputs(context, id, inputs);
    if (status == LoadStatus::Loaded)
        out = computeRecordCurves(inputs);
    return status;
}

} // namespace talur
