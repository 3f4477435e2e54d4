#pragma once
// Gathers the settings that one drawing of the page stores (a dozen single-value writes to G0) into one
// transaction of the working copy, so the drawing costs one commit instead of one per value. Nested use,
// or a connection that is already in a transaction, leaves the outer transaction in charge.
class QString;

namespace talur {

class Connection;

class Schreibstapel {
public:
    explicit Schreibstapel(Connection& verbindung);
    ~Schreibstapel(); // commits what was written, also after an error
    Schreibstapel(const Schreibstapel&) = delete;
    Schreibstapel& operator=(const Schreibstapel&) = delete;

    bool aktiv() const { return m_aktiv; }

private:
    Connection& m_verbindung;
    bool m_aktiv = false;
};

} // namespace talur
