#include "shell/batch/JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace talur::batch {

std::string formatFloat(float number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(number));
    return buffer;
}

void JsonWriter::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_first.empty())
        return;
    if (!m_first.back())
        m_text += ',';
    m_first.back() = false;
    if (m_first.size() == 1)
        m_text += "\n  ";
}

void JsonWriter::open(char bracket) {
    separate();
    m_text += bracket;
    m_first.push_back(true);
}

void JsonWriter::close(char bracket) {
    m_first.pop_back();
    if (m_first.empty())
        m_text += '\n';
    m_text += bracket;
    if (m_first.empty())
        m_text += '\n';
}

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(const std::string& name) {
    value(name);
    m_text += ':';
    m_afterKey = true;
}

void JsonWriter::value(float number) {
    if (!std::isfinite(number)) {
        null();
        return;
    }
    separate();
    m_text += formatFloat(number);
}

void JsonWriter::value(int64_t number) {
    separate();
    m_text += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    separate();
    m_text += flag ? "true" : "false";
}

void JsonWriter::value(const std::string& text) {
    separate();
    m_text += '"';
    for (const char c : text) {
        switch (c) {
        case '"': m_text += "\\\""; break;
        case '\\': m_text += "\\\\"; break;
        case '\n': m_text += "\\n"; break;
        case '\r': m_text += "\\r"; break;
        case '\t': m_text += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                m_text += escape;
            } else {
                m_text += c; // UTF-8 passes through
            }
        }
    }
    m_text += '"';
}

void JsonWriter::null() {
    separate();
    m_text += "null";
}

void JsonWriter::array(const std::vector<float>& numbers) {
    beginArray();
    for (const float number : numbers)
        value(number);
    endArray();
}

} // namespace talur::batch
