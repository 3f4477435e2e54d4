#include "curves/io/DialogCurveSink.h"

#include "platform/core/DialogService.h"
#include "platform/core/NumberFormat.h"

namespace talur {

void DialogCurveSink::message(const std::string& text, const std::string& title, CurveIcon icon) {
    dialogs().message(QString::fromStdString(text), MsgButtons::Ok,
                      icon == CurveIcon::Exclamation ? MsgIcon::Exclamation : MsgIcon::None,
                      QString::fromStdString(title));
}

std::string DialogCurveSink::formatNumber(float value) const { return formatGeneralSingle(value).toStdString(); }

RunError toRunError(const CurveError& error) { return RunError(error.number(), QString::fromUtf8(error.what())); }

} // namespace talur
