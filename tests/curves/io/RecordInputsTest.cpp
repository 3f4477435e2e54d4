#include "ProjectFixture.h"
#include "curves/io/RecordCurves.h"
#include "curves/io/RecordInputs.h"
#include "platform/core/RunError.h"
#include "platform/core/ScriptedDialogService.h"
#include "records/RunContext.h"

#include <gtest/gtest.h>

namespace talur {
namespace {

struct OpenProject {
    test::ProjectFixture project;
    RunContext context;
    OpenProject() { context.cnnX.open(project.path()); }
};

TEST(RecordInputs, ReadsParametersAndPreloadingStressesInRowOrder) {
    OpenProject p;
    ScopedScriptedDialogs dialogs;
    RecordInputs in;
    ASSERT_EQ(loadRecordInputs(p.context, 1, in), LoadStatus::Loaded);
    EXPECT_EQ(in.ID, 1);
    EXPECT_EQ(in.KEN, QStringLiteral("K1"));
    const CompressionInput& k = in.compression;
    EXPECT_EQ(k.A1, 5.0f);
    EXPECT_EQ(k.C1S, 0.8f);
    EXPECT_EQ(k.C1, 0.6f);
    EXPECT_EQ(k.A2, 50.0f);
    EXPECT_EQ(k.C2S, 0.5f);
    EXPECT_EQ(k.C2, 0.4f);
    EXPECT_EQ(k.SIBK, 0.1f);
    EXPECT_EQ(k.SI0, 0.1f);
    EXPECT_EQ(k.E0, 0.8f);
    EXPECT_EQ(k.SIA, 0.01f);
    EXPECT_EQ(k.SIMAX, 1.0f);
    EXPECT_EQ(k.N, 99);
    const MohrInput& m = in.mohr;
    EXPECT_EQ(m.A, 30.0f);
    EXPECT_EQ(m.B, -10.0f);
    EXPECT_EQ(m.C, -2.0f);
    EXPECT_EQ(m.AR, 20.0f);
    EXPECT_EQ(m.CR, -1.0f);
    EXPECT_EQ(m.SIBS, 0.1f);
    EXPECT_EQ(m.EBS, 0.7f);
    EXPECT_EQ(m.SI1, 0.1f);
    EXPECT_EQ(m.SI2, 0.4f);
    EXPECT_EQ(in.SIV, (std::vector<float>{0.3f, 0.6f, 0.9f})); // stored as rows 3, 1, 2
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST(RecordInputs, RecordsWithoutRowsOrParameters) {
    OpenProject p;
    ScopedScriptedDialogs dialogs;
    RecordInputs in;
    ASSERT_EQ(loadRecordInputs(p.context, 3, in), LoadStatus::Loaded);
    EXPECT_EQ(in.SIV, std::vector<float>{0.0f}); // as the page holds a record without rows
    EXPECT_EQ(loadRecordInputs(p.context, 5, in), LoadStatus::NoParameters);
    EXPECT_EQ(loadRecordInputs(p.context, 99, in), LoadStatus::NoRecord);
    EXPECT_THROW(loadRecordInputs(p.context, 6, in), RunError); // text in a number column
}

TEST(RecordInputs, FindsKeysByIdentifier) {
    OpenProject p;
    EXPECT_EQ(findRecordKey(p.context.cnnX, QStringLiteral("K1")), 1);
    EXPECT_EQ(findRecordKey(p.context.cnnX, QStringLiteral("O'B")), 6);
    EXPECT_FALSE(findRecordKey(p.context.cnnX, QStringLiteral("k9")));
}

TEST(RecordCurves, ComputesWhatThePageComputes) {
    OpenProject p;
    ScopedScriptedDialogs dialogs;
    RecordInputs in;
    ASSERT_EQ(loadRecordInputs(p.context, 1, in), LoadStatus::Loaded);
    const RecordCurves curves = computeRecordCurves(in);
    ASSERT_TRUE(curves.compression);
    ASSERT_TRUE(curves.mohr);
    EXPECT_TRUE(curves.failures.empty());
    CollectingMessageSink sink;
    const CompressionResult direct = KOMPRESSION(in.compression, sink);
    EXPECT_EQ(curves.compression->EPOR, direct.EPOR);
    ASSERT_EQ(curves.branches.size(), 3u);
    for (const RecordBranch& b : curves.branches) {
        ASSERT_TRUE(b.computed);
        const auto natural = ENTLASTUNG(direct, b.SIV, StrainMeasure::Natural, sink);
        EXPECT_EQ(b.strainNatural, natural->strain);
        EXPECT_EQ(b.stress.size(), b.voidRatio.size());
    }
    EXPECT_EQ(curves.mohr->E.state, FitState::Fitted);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST(RecordCurves, ComputationErrorShowsThePicturesErrorBox) {
    OpenProject p;
    ScopedScriptedDialogs dialogs;
    RecordCurves curves;
    ASSERT_EQ(runRecordCurves(p.context, 4, curves), LoadStatus::Loaded);
    EXPECT_EQ(curves.inputs.KEN, QStringLiteral("ZERO"));
    EXPECT_FALSE(curves.compression);
    EXPECT_FALSE(curves.mohr);
    ASSERT_EQ(curves.failures.size(), 1u);
    EXPECT_EQ(curves.failures[0].title, QStringLiteral("Bild 11"));
    EXPECT_EQ(curves.failures[0].number, 11);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Bild 11"));
    EXPECT_EQ(dialogs.transcript()[0].text, QStringLiteral("VB-Fehler: 11\nDivision durch Null"));
    EXPECT_EQ(dialogs.transcript()[0].buttons, MsgButtons::OkCancel);
}

TEST(RecordCurves, MessagesUseTheRegionalDecimalSeparator) {
    OpenProject p;
    ScopedScriptedDialogs dialogs;
    RecordInputs in;
    ASSERT_EQ(loadRecordInputs(p.context, 2, in), LoadStatus::Loaded);
    const QChar saved = regionalSettings().decimalSeparator;
    regionalSettings().decimalSeparator = QLatin1Char(',');
    in.compression.SIMAX = 0.8f;
    in.SIV = {0.5f, 1.5f};
    const RecordCurves curves = computeRecordCurves(in);
    regionalSettings().decimalSeparator = saved;
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Sigma max"));
    EXPECT_EQ(dialogs.transcript()[0].text, QStringLiteral("Sigma max (0,8) muß größer oder gleich Sigma v (1,5) sein."));
    EXPECT_EQ(dialogs.transcript()[0].icon, MsgIcon::Exclamation);
    ASSERT_TRUE(curves.stoppedAt);
    EXPECT_EQ(curves.branches.size(), 1u);
}

} // namespace
} // namespace talur
