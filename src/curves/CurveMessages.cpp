#include "curves/CurveMessages.h"

#include <cstdio>

namespace talur {

std::string CurveMessageSink::formatNumber(float value) const {
    // %G drops trailing zeros and switches to "1E-05"/"1E+20" where the general number form does.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    return buffer;
}

void CollectingMessageSink::message(const std::string& text, const std::string& title, CurveIcon icon) {
    m_messages.push_back(CurveMessage{text, title, icon});
}

} // namespace talur
