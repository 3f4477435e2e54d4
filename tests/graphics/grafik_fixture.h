#pragma once
// A graphic object over a recording target, with a project database in a temporary folder and
// scripted dialogs.
#include "graphics/clsGRAFIK.h"
#include "platform/core/ScriptedDialogService.h"
#include "platform/draw/RecordingTarget.h"
#include "records/RunContext.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace talur::test {

struct G0Werte {
    int OX = 1, OY = 1;
    double RL = 10, RR = 4.5, RO = 10, RU = 4;
    double XMIN = 0, XMAX = 0, YMIN = 0, YMAX = 0;
    double MX = 0, MY = 0, MYMX = 0;
};

class GrafikFixture : public ::testing::Test {
protected:
    void SetUp() override;

    void addRecord(int32_t id, bool active);
    void addG0(int32_t id, int picture, const G0Werte& w);
    // One column of the G0 row of a record and picture.
    double g0(int32_t id, int picture, const QString& column);
    QStringList boxTitles() const;
    QStringList boxTexts() const;
    // A graphic object of picture 11 for record 1 on the recording target.
    std::unique_ptr<clsGRAFIK> grafik(int picture = 11);

    TempFolder folder;
    RunContext context;
    ScopedScriptedDialogs dialogs;
    RecordingTarget target{100.0, 80.0};
};

} // namespace talur::test
