#pragma once
// The boxes the curve computations would show (all with an OK button only). The curve library knows no
// dialogs; the program hands in a sink that forwards to its dialog service.
#include <string>
#include <vector>

namespace talur {

enum class CurveIcon { None, Exclamation };

struct CurveMessage {
    std::string text;  // UTF-8
    std::string title; // UTF-8
    CurveIcon icon = CurveIcon::None;
};

class CurveMessageSink {
public:
    virtual ~CurveMessageSink() = default;
    virtual void message(const std::string& text, const std::string& title, CurveIcon icon) = 0;
    // Numbers inside message texts: general number form with up to 7 significant digits.
    // The default uses a decimal point; the program's adapter uses the locale's separator.
    virtual std::string formatNumber(float value) const;
};

// Keeps every message in order; for tests, benchmarks and headless runs.
class CollectingMessageSink : public CurveMessageSink {
public:
    void message(const std::string& text, const std::string& title, CurveIcon icon) override;
    const std::vector<CurveMessage>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    std::vector<CurveMessage> m_messages;
};

} // namespace talur
