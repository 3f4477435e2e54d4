#pragma once
// One-dimensional arrays of Single with a lower bound, as the diagrams hand their data to the graphic
// object: index 0 upward, or from -1 where a base point precedes the data (step lines).
#include "platform/core/Variant.h"

#include <initializer_list>
#include <variant>
#include <vector>

namespace talur {

class SingleArray {
public:
    SingleArray() = default;
    SingleArray(std::vector<float> values, int lower = 0) : m_lower(lower), m_values(std::move(values)) {}
    SingleArray(std::initializer_list<float> values) : m_values(values) {}

    int lower() const { return m_lower; }
    int upper() const { return m_lower + static_cast<int>(m_values.size()) - 1; }
    bool empty() const { return m_values.empty(); }
    float& operator[](int index) { return m_values.at(static_cast<size_t>(index - m_lower)); }
    float operator[](int index) const { return m_values.at(static_cast<size_t>(index - m_lower)); }
    const std::vector<float>& values() const { return m_values; }
    std::vector<float>& values() { return m_values; }

private:
    int m_lower = 0;
    std::vector<float> m_values;
};

// An optional data argument of the scale routine: missing, a Single array, or some other value that a
// caller handed in by mistake (reported as a data error rather than drawn).
class SkalenFeld {
public:
    SkalenFeld() = default; // missing: counts as one value 0
    SkalenFeld(const SingleArray& values) : m_value(values) {}
    SkalenFeld(const std::vector<float>& values) : m_value(SingleArray(values)) {}
    SkalenFeld(const Variant& other) : m_value(other) {}

    bool missing() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isSingleArray() const { return std::holds_alternative<SingleArray>(m_value); }
    const SingleArray& array() const { return std::get<SingleArray>(m_value); }

private:
    std::variant<std::monostate, SingleArray, Variant> m_value;
};

} // namespace talur
