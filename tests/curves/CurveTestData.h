#pragma once
// A plausible record shared by the curve tests.
#include "curves/Compression.h"
#include "curves/Mohr.h"

namespace talur::test {

inline CompressionInput typicalCompression() {
    CompressionInput in;
    in.A1 = 5.0f;
    in.C1S = 0.8f;
    in.C1 = 0.6f;
    in.A2 = 50.0f;
    in.C2S = 0.5f;
    in.C2 = 0.4f;
    in.SIBK = 0.1f;
    in.SI0 = 0.1f;
    in.E0 = 0.8f;
    in.SIA = 0.01f;
    in.SIMAX = 1.0f;
    in.N = 100;
    return in;
}

inline MohrInput typicalMohr() {
    MohrInput in;
    in.A = 30.0f;
    in.B = -10.0f;
    in.C = -2.0f;
    in.AR = 20.0f;
    in.CR = -1.0f;
    in.SIBS = 0.1f;
    in.EBS = 0.7f;
    in.SI1 = 0.1f;
    in.SI2 = 0.4f;
    return in;
}

} // namespace talur::test
