#pragma once
// Every box the program shows goes through one dialog service: Qt boxes in the program,
// a scripted service with a transcript in tests.
#include <QString>
#include <cstdint>
#include <optional>

namespace talur {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

// Colours are 32-bit values 0x00BBGGRR as the stored settings carry them (255 is red).
using ColorRef = int32_t;
constexpr int colorRefRed(ColorRef c) {
    return c & 0xFF;
}
constexpr int colorRefGreen(ColorRef c) {
    return (c >> 8) & 0xFF;
}
constexpr int colorRefBlue(ColorRef c) {
    return (c >> 16) & 0xFF;
}
constexpr ColorRef makeColorRef(int red, int green, int blue) {
    return ColorRef((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon,
                              const QString& title) = 0;
    // Input box: nullopt when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    virtual std::optional<ColorRef> chooseColor(ColorRef initial) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& start) = 0;
    // Print dialog: false when cancelled.
    virtual bool choosePrinter() = 0;
};

// The answer of a box's first button: OK, Yes, Abort or Retry.
MsgAnswer firstButtonOf(MsgButtons buttons);

// The service used by the program; a test installs a scripted one.
DialogService& dialogs();
void setDialogs(DialogService* service); // nullptr restores the default service
// The default service: the Qt one once the program called installQtDialogs() (platform/widgets), else a
// headless one for programs without windows, which writes "title: text" to stderr, answers every message
// box with its first button (OK, Yes, Abort or Retry) and cancels every other dialog.
void setDefaultDialogs(DialogService* service); // nullptr restores the headless one

} // namespace talur
