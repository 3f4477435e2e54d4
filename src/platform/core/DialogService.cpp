#include "DialogService.h"

#include <cstdio>

namespace talur {

namespace {

class HeadlessDialogService : public DialogService {
public:
    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon, const QString& title) override {
        write(title, text);
        return firstButtonOf(buttons);
    }
    std::optional<QString> input(const QString& prompt, const QString& title, const QString&) override {
        write(title, prompt);
        return std::nullopt;
    }
    std::optional<ColorRef> chooseColor(ColorRef) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString& title, const QString&) override {
        write(title, QString());
        return std::nullopt;
    }
    bool choosePrinter() override { return false; }

private:
    static void write(const QString& title, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
    }
};

HeadlessDialogService g_headless;
DialogService* g_default = nullptr;
DialogService* g_current = nullptr;

} // namespace

MsgAnswer firstButtonOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgAnswer::Ok;
    case MsgButtons::AbortRetryIgnore:
        return MsgAnswer::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo:
        return MsgAnswer::Yes;
    case MsgButtons::RetryCancel:
        return MsgAnswer::Retry;
    }
    return MsgAnswer::Ok;
}

DialogService& dialogs() {
    if (g_current)
        return *g_current;
    return g_default ? *g_default : g_headless;
}

void setDialogs(DialogService* service) {
    g_current = service;
}

void setDefaultDialogs(DialogService* service) {
    g_default = service;
}

} // namespace talur
