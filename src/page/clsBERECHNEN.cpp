#include "page/clsBERECHNEN.h"

#include "platform/core/ErrorRunner.h"
#include "records/clsDATEN.h"

#include <memory>

namespace talur {

clsBERECHNEN::clsBERECHNEN(RunContext& kontext, std::function<void(int)> fortschritt)
    : m_kontext(kontext), m_fortschritt(std::move(fortschritt)) {}

bool clsBERECHNEN::BERECHNUNG() {
    std::unique_ptr<clsDATEN> e2, e1, a1;
    bool ergebnis = false;
    ErrorRunner runner(QStringLiteral("Auswerten"), ErrorPrefix::GermanNoBlank);
    const bool weiter = runner.run({
        [&] {
            e2 = std::make_unique<clsDATEN>(m_kontext);
            e2->setETABELLE(QStringLiteral("E2"));
            e1 = std::make_unique<clsDATEN>(m_kontext);
            e1->setETABELLE(QStringLiteral("E1"));
            a1 = std::make_unique<clsDATEN>(m_kontext);
            a1->setETABELLE(QStringLiteral("A1"));
        },
        [&] {
            if (m_fortschritt)
                m_fortschritt(0);
        },
        [&] { ergebnis = true; },
    });
    return weiter && ergebnis;
}

} // namespace talur
