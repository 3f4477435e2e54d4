#pragma once
// The calculation object that the recompute command runs before it loads the output page: it binds
// the record's tables and sets the progress bar back to 0.
#include <functional>

namespace talur {

class RunContext;

class clsBERECHNEN {
public:
    clsBERECHNEN(RunContext& kontext, std::function<void(int)> fortschritt);

    // False only when a run-time error occurred and the user chose Cancel in its box.
    bool BERECHNUNG();

private:
    RunContext& m_kontext;
    std::function<void(int)> m_fortschritt;
};

} // namespace talur
