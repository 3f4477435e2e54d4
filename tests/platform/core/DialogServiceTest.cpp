#include "CoreTestSupport.h"
#include "platform/core/ScriptedDialogService.h"

namespace talur::test {

TEST(ScriptedDialogs, AnswersFromTheQueueThenDefaults) {
    ScopedScriptedDialogs script;
    script.queueAnswer(MsgAnswer::No);
    script.queueAnswer(MsgAnswer::Cancel);
    EXPECT_EQ(dialogs().message("a", MsgButtons::YesNo, MsgIcon::Question, "T1"), MsgAnswer::No);
    EXPECT_EQ(dialogs().message("b", MsgButtons::OkCancel, MsgIcon::Exclamation, "T2"), MsgAnswer::Cancel);
    // Queue used up: the first button.
    const struct {
        MsgButtons buttons;
        MsgAnswer first;
    } defaults[] = {
        {MsgButtons::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgAnswer::Ok},
        {MsgButtons::YesNo, MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, MsgAnswer::Yes},
        {MsgButtons::AbortRetryIgnore, MsgAnswer::Abort},
        {MsgButtons::RetryCancel, MsgAnswer::Retry},
    };
    for (const auto& d : defaults)
        EXPECT_EQ(dialogs().message("c", d.buttons, MsgIcon::None, "T3"), d.first);

    const auto& t = script.transcript();
    ASSERT_EQ(t.size(), 8);
    EXPECT_EQ(t[0].kind, QStringLiteral("message"));
    EXPECT_EQ(t[0].text, QStringLiteral("a"));
    EXPECT_EQ(t[0].title, QStringLiteral("T1"));
    EXPECT_EQ(t[0].icon, MsgIcon::Question);
    EXPECT_EQ(t[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(t[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(t[1].buttons, MsgButtons::OkCancel);
    script.clearTranscript();
    EXPECT_TRUE(script.transcript().isEmpty());
}

TEST(ScriptedDialogs, OtherDialogsAreCancelledUnlessQueued) {
    ScopedScriptedDialogs script;
    script.queueInput(QStringLiteral("Eingabe"));
    script.queueInput(std::nullopt);
    script.queueColor(ColorRef(255));
    script.queueFolder(QStringLiteral("/tmp"));
    script.queuePrinter(true);
    DialogService& d = dialogs();
    EXPECT_EQ(d.input("Name?", "Eingabe", "vorgabe"), QStringLiteral("Eingabe"));
    EXPECT_EQ(d.input("Name?", "Eingabe", "vorgabe"), std::nullopt);
    EXPECT_EQ(d.input("Name?", "Eingabe", "vorgabe"), std::nullopt);
    EXPECT_EQ(d.chooseColor(0), ColorRef(255));
    EXPECT_EQ(d.chooseColor(0), std::nullopt);
    EXPECT_EQ(d.chooseFolder("Ordner", "/"), QStringLiteral("/tmp"));
    EXPECT_EQ(d.chooseFolder("Ordner", "/"), std::nullopt);
    EXPECT_TRUE(d.choosePrinter());
    EXPECT_FALSE(d.choosePrinter());
    QStringList kinds;
    for (const auto& r : script.transcript())
        kinds << r.kind;
    EXPECT_EQ(kinds, (QStringList{"input", "input", "input", "color", "color", "folder", "folder", "printer",
                                  "printer"}));
    EXPECT_EQ(script.transcript()[0].text, QStringLiteral("Name?"));
    EXPECT_EQ(script.transcript()[5].title, QStringLiteral("Ordner"));
}

TEST(ScriptedDialogs, ScopeRestoresTheDefault) {
    DialogService* outer = &dialogs();
    {
        ScopedScriptedDialogs script;
        EXPECT_EQ(&dialogs(), &script);
    }
    EXPECT_EQ(&dialogs(), outer);
}

// Without any service installed, boxes go to stderr and take the first button; nothing waits for a user.
TEST(HeadlessDialogs, WriteToStderrAndTakeTheFirstButton) {
    setDialogs(nullptr);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dialogs().message("Datei fehlt", MsgButtons::YesNoCancel, MsgIcon::Question, "TALUR"),
              MsgAnswer::Yes);
    EXPECT_EQ(dialogs().input("Wert?", "Eingabe", "1"), std::nullopt);
    EXPECT_EQ(dialogs().chooseColor(5), std::nullopt);
    EXPECT_FALSE(dialogs().choosePrinter());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("TALUR: Datei fehlt\n"), std::string::npos) << err;
    EXPECT_NE(err.find("Eingabe: Wert?\n"), std::string::npos) << err;
}

TEST(ColorRefs, ComponentsInBgrOrder) {
    EXPECT_EQ(makeColorRef(255, 0, 0), 255);
    EXPECT_EQ(makeColorRef(0, 255, 0), 0xFF00);
    EXPECT_EQ(makeColorRef(0, 0, 255), 0xFF0000);
    const ColorRef c = makeColorRef(1, 2, 3);
    EXPECT_EQ(colorRefRed(c), 1);
    EXPECT_EQ(colorRefGreen(c), 2);
    EXPECT_EQ(colorRefBlue(c), 3);
}

} // namespace talur::test
