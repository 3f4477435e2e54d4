#pragma once
// The record values the output page reads when it loads: identity, parameters, preloading stresses and
// the reset flag of the graphic settings.
#include <QString>
#include <cstdint>
#include <vector>

namespace talur {

struct SeitenDaten {
    int32_t ID = 0;
    QString KEN;
    QString KOM;
    bool BONEU = false;

    // Table E2, in the order the page reads them.
    float A1 = 0, C1S = 0, C1 = 0, A2 = 0, C2S = 0, C2 = 0, SIBK = 0;
    float A = 0, B = 0, C = 0, AR = 0, CR = 0, SIBS = 0, EBS = 0, SIA = 0;
    int16_t N = 0;
    float SI0 = 0, E0 = 0;

    // Number of the record's E3 rows and their stresses in row order; an empty record has one 0.
    int e3Zeilen = 0;
    std::vector<float> SIV{0.0f};
};

} // namespace talur
