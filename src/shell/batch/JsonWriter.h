#pragma once
// A small JSON text writer: objects, arrays, strings, 32-bit floats with 9 significant digits (enough for
// every float to read back to the same value), integers, Booleans and null. Top-level members go on lines
// of their own.
#include <cstdint>
#include <string>
#include <vector>

namespace talur::batch {

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const std::string& name);

    void value(float number);
    void value(int64_t number);
    void value(bool flag);
    void value(const std::string& text);
    void null();
    void array(const std::vector<float>& numbers);

    const std::string& text() const { return m_text; }

private:
    void separate();
    void open(char bracket);
    void close(char bracket);

    std::string m_text;
    std::vector<bool> m_first; // per open container: nothing written in it yet
    bool m_afterKey = false;
};

// Nine significant digits, "%.9g".
std::string formatFloat(float number);

} // namespace talur::batch
