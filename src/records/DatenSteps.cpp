#include "records/DatenSteps.h"

#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"

#include <exception>

namespace talur {

std::optional<RunError> catchRunError(const std::function<void()>& body) {
    try {
        body();
    } catch (const RunError& e) {
        return e;
    } catch (const std::exception& e) {
        return RunError(err::EngineError, QString::fromLocal8Bit(e.what()));
    }
    return std::nullopt;
}

QString vbErrorText(const RunError& error) {
    return errorBoxText(ErrorPrefix::English, error.number(), error.description());
}

bool DatenSteps::run(const std::function<void()>& body) {
    const std::optional<RunError> error = catchRunError(body);
    if (!error)
        return true;
    m_failed = true;
    const MsgAnswer answer =
        dialogs().message(m_text(*error), MsgButtons::OkCancel, MsgIcon::Exclamation, m_title);
    return answer != MsgAnswer::Cancel;
}

} // namespace talur
