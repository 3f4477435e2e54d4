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

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) = 0;
    // Input box: nullopt when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
    virtual std::optional<ColorRef> chooseColor(ColorRef initial) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& start) = 0;
    // Print dialog: false when cancelled.
    virtual bool choosePrinter() = 0;
};

// The service used by the program; a test installs a scripted one.
DialogService& dialogs();
void setDialogs(DialogService* service); // nullptr restores the default (Qt) service

} // namespace talur
