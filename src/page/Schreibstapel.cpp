#include "page/Schreibstapel.h"

#include "platform/core/Database.h"
#include "platform/core/RunError.h"

namespace talur {

Schreibstapel::Schreibstapel(Connection& verbindung) : m_verbindung(verbindung) {
    if (!m_verbindung.isOpen())
        return;
    try {
        m_verbindung.execute(QStringLiteral("BEGIN"));
        m_aktiv = true;
    } catch (const RunError&) {
        // Already inside a transaction: the writes belong to it.
    }
}

Schreibstapel::~Schreibstapel() {
    if (!m_aktiv || !m_verbindung.isOpen())
        return;
    try {
        m_verbindung.execute(QStringLiteral("COMMIT"));
    } catch (const RunError&) {
        try {
            m_verbindung.execute(QStringLiteral("ROLLBACK"));
        } catch (const RunError&) {
        }
    }
}

} // namespace talur
