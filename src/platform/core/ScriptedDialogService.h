#pragma once
// Dialog service for tests: answers from a queue and keeps a transcript of every box.
#include "DialogService.h"

#include <QList>
#include <QString>
#include <deque>
#include <variant>

namespace talur {

struct DialogRecord {
    QString kind; // "message", "input", "color", "folder", "printer"
    QString title;
    QString text; // message text, input prompt, start folder, or the initial colour as a number
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

class ScriptedDialogService : public DialogService {
public:
    // Queued answers, taken in order. A message box with no queued answer takes its first button
    // (OK or Yes or Abort or Retry); an input box with none is cancelled, and so are the colour, folder and
    // print dialogs.
    void queueAnswer(MsgAnswer answer);
    void queueInput(std::optional<QString> text);
    void queueColor(std::optional<ColorRef> color);
    void queueFolder(std::optional<QString> folder);
    void queuePrinter(bool accepted);

    const QList<DialogRecord>& transcript() const { return m_transcript; }
    void clearTranscript() { m_transcript.clear(); }

    MsgAnswer message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<ColorRef> chooseColor(ColorRef initial) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    bool choosePrinter() override;

private:
    std::deque<MsgAnswer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<ColorRef>> m_colors;
    std::deque<std::optional<QString>> m_folders;
    std::deque<bool> m_printers;
    QList<DialogRecord> m_transcript;
};

// Installs a scripted service for the lifetime of a test scope.
class ScopedScriptedDialogs : public ScriptedDialogService {
public:
    ScopedScriptedDialogs() { setDialogs(this); }
    ~ScopedScriptedDialogs() override { setDialogs(nullptr); }
};

} // namespace talur
