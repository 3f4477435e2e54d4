#pragma once
// Division of one axis: bounds from the data, rounded to the caller's bound list, the range rounded to
// the range list, and the tick, grid and label counts. Linear and decimal-logarithmic axes.
#include "graphics/SingleArray.h"

#include <cstdint>
#include <vector>

namespace talur {

// What the division chose for one axis.
struct AchsenTeilung {
    std::vector<float> ticks; // tick positions (decimal logarithms on a logarithmic axis)
    std::vector<float> grid;  // grid positions (logarithmic axis only)
    int N = 0;                // tick intervals
    int G = 0;                // grid count
    int Z = 0;                // label count
};

struct TeilungsListen {
    std::vector<double> L;      // admissible bounds, ascending
    std::vector<double> D;      // admissible ranges, ascending (linear only)
    std::vector<int> IT;        // tick intervals per range; logarithmic: IT[0] is the tick mode 0, 1, 10
    std::vector<int> GIT;       // grid intervals per range; logarithmic: GIT[0] is the grid mode
    std::vector<int> ZL;        // labelled intervals per range; logarithmic: ZL[0]
};

struct TeilungsArt {
    int16_t NR = -1;      // pass number of the scale routine
    int16_t loFlag = 0;   // -1: the lower bound comes from the data
    int16_t hiFlag = 0;   // -1: the upper bound comes from the data
    bool logarithmic = false;
};

// Divides one axis; lo and hi are the stored bounds on entry and the chosen (real) bounds on exit.
// Throws RunError 9 when a list is too short for the chosen row or the data are needed but empty.
AchsenTeilung teileAchse(const TeilungsArt& art, const TeilungsListen& listen, const SingleArray& data,
                         float& lo, float& hi);

// The tick positions of a logarithmic axis between the real bounds lo and hi for tick mode 0, 1 or 10,
// and the decade positions (lg lo, the whole exponents inside, lg hi).
std::vector<float> logTicks(int mode, float lo, float hi);

} // namespace talur
