#include "platform/core/ErrorRunner.h"
#include "CoreTestSupport.h"
#include "platform/core/ScriptedDialogService.h"

#include <stdexcept>

namespace talur::test {

TEST(ErrorRunner, BoxTexts) {
    EXPECT_EQ(errorBoxText(ErrorPrefix::German, 13, "Typen unverträglich"),
              QStringLiteral("VB-Fehler: 13\nTypen unverträglich"));
    EXPECT_EQ(errorBoxText(ErrorPrefix::English, 11, "Division durch Null"),
              QStringLiteral("VB-Error: 11\nDivision durch Null"));
    EXPECT_EQ(errorBoxText(ErrorPrefix::GermanNoBlank, -2147217900, "x"),
              QStringLiteral("VB-Fehler:-2147217900\nx"));
}

// Three steps, the second one failing: OK runs the third, Cancel leaves the routine.
TEST(ErrorRunner, OkContinuesCancelLeaves) {
    for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel}) {
        ScopedScriptedDialogs script;
        script.queueAnswer(answer);
        QStringList ran;
        ErrorRunner runner(QStringLiteral("Bild 11"));
        const bool completed = runner.run({
            [&] { ran << "1"; },
            [&] {
                ran << "2";
                throw runError(err::DivisionByZero);
            },
            [&] { ran << "3"; },
        });
        const bool ok = answer == MsgAnswer::Ok;
        EXPECT_EQ(completed, ok);
        EXPECT_TRUE(runner.failed());
        EXPECT_EQ(ran, ok ? QStringList({"1", "2", "3"}) : QStringList({"1", "2"}));
        ASSERT_EQ(script.transcript().size(), 1);
        const DialogRecord& box = script.transcript()[0];
        EXPECT_EQ(box.title, QStringLiteral("Bild 11"));
        EXPECT_EQ(box.text, QStringLiteral("VB-Fehler: 11\nDivision durch Null"));
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    }
}

TEST(ErrorRunner, OtherExceptionsAndCleanRuns) {
    ScopedScriptedDialogs script;
    ErrorRunner runner(QStringLiteral("Skalen"), ErrorPrefix::English);
    EXPECT_TRUE(runner.step([] { throw std::runtime_error("kaputt"); }));
    EXPECT_TRUE(runner.step([] { throw std::bad_alloc(); }));
    ASSERT_EQ(script.transcript().size(), 2);
    EXPECT_EQ(script.transcript()[0].text, QStringLiteral("VB-Error: 5\nkaputt"));
    EXPECT_EQ(script.transcript()[1].text, QStringLiteral("VB-Error: 7\nNicht genügend Speicher"));

    ErrorRunner clean(QStringLiteral("Leer"));
    int steps = 0;
    EXPECT_TRUE(clean.run({[&] { ++steps; }, [&] { ++steps; }}));
    EXPECT_EQ(steps, 2);
    EXPECT_FALSE(clean.failed());
    EXPECT_EQ(script.transcript().size(), 2);
}

} // namespace talur::test
