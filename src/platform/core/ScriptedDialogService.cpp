#include "ScriptedDialogService.h"

namespace talur {

namespace {

// The front of the queue, or fallback when it is empty.
template <typename T> T take(std::deque<T>& queue, T fallback) {
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

std::optional<QString> takeText(std::deque<std::optional<QString>>& queue) {
    if (queue.empty())
        return std::nullopt;
    const bool given = queue.front().has_value();
    const QString text = given ? *queue.front() : QString();
    queue.pop_front();
    return given ? std::optional<QString>(text) : std::nullopt;
}

} // namespace

void ScriptedDialogService::queueAnswer(MsgAnswer answer) {
    m_answers.push_back(answer);
}

void ScriptedDialogService::queueInput(std::optional<QString> text) {
    m_inputs.push_back(std::move(text));
}

void ScriptedDialogService::queueColor(std::optional<ColorRef> color) {
    m_colors.push_back(color);
}

void ScriptedDialogService::queueFolder(std::optional<QString> folder) {
    m_folders.push_back(std::move(folder));
}

void ScriptedDialogService::queuePrinter(bool accepted) {
    m_printers.push_back(accepted);
}

MsgAnswer ScriptedDialogService::message(const QString& text, MsgButtons buttons, MsgIcon icon,
                                         const QString& title) {
    m_transcript.append({QStringLiteral("message"), title, text, icon, buttons});
    return take(m_answers, firstButtonOf(buttons));
}

std::optional<QString> ScriptedDialogService::input(const QString& prompt, const QString& title,
                                                    const QString& defaultText) {
    Q_UNUSED(defaultText);
    m_transcript.append({QStringLiteral("input"), title, prompt, MsgIcon::None, MsgButtons::OkCancel});
    return takeText(m_inputs);
}

std::optional<ColorRef> ScriptedDialogService::chooseColor(ColorRef initial) {
    m_transcript.append(
        {QStringLiteral("color"), QString(), QString::number(initial), MsgIcon::None, MsgButtons::OkCancel});
    return take(m_colors, std::optional<ColorRef>());
}

std::optional<QString> ScriptedDialogService::chooseFolder(const QString& title, const QString& start) {
    m_transcript.append({QStringLiteral("folder"), title, start, MsgIcon::None, MsgButtons::OkCancel});
    return takeText(m_folders);
}

bool ScriptedDialogService::choosePrinter() {
    m_transcript.append(
        {QStringLiteral("printer"), QString(), QString(), MsgIcon::None, MsgButtons::OkCancel});
    return take(m_printers, false);
}

} // namespace talur
