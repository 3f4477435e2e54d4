#pragma once
// The curve models' messages as boxes of the dialog service, and their errors as run-time errors.
#include "curves/CurveError.h"
#include "curves/CurveMessages.h"
#include "platform/core/RunError.h"

#include <utility>

namespace talur {

class DialogCurveSink : public CurveMessageSink {
public:
    void message(const std::string& text, const std::string& title, CurveIcon icon) override;
    // General number form with the decimal separator of the regional settings.
    std::string formatNumber(float value) const override;
};

// The run-time error that the error box of the calling routine shows for a curve error.
RunError toRunError(const CurveError& error);

// Runs a curve computation; a CurveError leaves it as the matching RunError.
template <class F>
decltype(auto) withRunErrors(F&& body) {
    try {
        return std::forward<F>(body)();
    } catch (const CurveError& e) {
        throw toRunError(e);
    }
}

} // namespace talur
