#pragma once
// Failure handling of the record data-access class: a routine runs as steps; a step that fails shows the
// routine's message (exclamation icon, OK and Cancel); OK goes on with the next step, Cancel leaves.
#include "platform/core/RunError.h"

#include <QString>
#include <functional>
#include <optional>

namespace talur {

// Runs body and hands back the error it raised, if any. Errors that are not RunErrors become
// database-engine errors with their message as description.
std::optional<RunError> catchRunError(const std::function<void()>& body);

// "VB-Error: " + number + line break + description.
QString vbErrorText(const RunError& error);

class DatenSteps {
public:
    using TextFor = std::function<QString(const RunError&)>;
    DatenSteps(QString title, TextFor text) : m_title(std::move(title)), m_text(std::move(text)) {}

    // Runs one step; false when it failed and the user chose Cancel.
    bool run(const std::function<void()>& body);
    bool failed() const { return m_failed; }

private:
    QString m_title;
    TextFor m_text;
    bool m_failed = false;
};

} // namespace talur
