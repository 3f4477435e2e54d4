// Axis scales of the graphic object.
#include "graphics/clsGRAFIK.h"

namespace talur {

void clsGRAFIK::SKALEN(int16_t, const SkalenFeld&, const SkalenFeld&) {}

} // namespace talur
