#include "ErrorRunner.h"

#include "DialogService.h"
#include "RunError.h"

#include <exception>
#include <new>

namespace talur {

QString errorBoxText(ErrorPrefix prefix, int number, const QString& description) {
    QString head;
    switch (prefix) {
    case ErrorPrefix::German:
        head = QStringLiteral("VB-Fehler: ");
        break;
    case ErrorPrefix::English:
        head = QStringLiteral("VB-Error: ");
        break;
    case ErrorPrefix::GermanNoBlank:
        head = QStringLiteral("VB-Fehler:");
        break;
    }
    return head + QString::number(number) + kLineBreak + description;
}

ErrorRunner::ErrorRunner(QString title, ErrorPrefix prefix) : m_title(std::move(title)), m_prefix(prefix) {}

bool ErrorRunner::run(std::initializer_list<std::function<void()>> steps) {
    for (const auto& body : steps)
        if (!step(body))
            return false;
    return true;
}

bool ErrorRunner::step(const std::function<void()>& body) {
    int number = 0;
    QString description;
    try {
        body();
        return true;
    } catch (const RunError& e) {
        number = e.number();
        description = e.description();
    } catch (const std::bad_alloc&) {
        number = 7;
        description = QStringLiteral("Nicht genügend Speicher");
    } catch (const std::exception& e) {
        number = err::InvalidCall;
        description = QString::fromUtf8(e.what());
    }
    m_failed = true;
    const MsgAnswer answer = dialogs().message(errorBoxText(m_prefix, number, description),
                                               MsgButtons::OkCancel, MsgIcon::Exclamation, m_title);
    return answer == MsgAnswer::Ok;
}

} // namespace talur
