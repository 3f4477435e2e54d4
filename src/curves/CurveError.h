#pragma once
// An arithmetic failure or a refused input inside a curve computation. It carries the classic error
// number, so the caller's error box shows the same text as for any other run-time error.
#include <stdexcept>
#include <string>

namespace talur {

class CurveError : public std::runtime_error {
public:
    CurveError(int number, const std::string& description) : std::runtime_error(description), m_number(number) {}
    int number() const { return m_number; }

    static constexpr int InvalidCall = 5;
    static constexpr int Overflow = 6;
    static constexpr int DivisionByZero = 11;

private:
    int m_number;
};

} // namespace talur
