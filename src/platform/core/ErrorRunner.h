#pragma once
// Routines made of steps: a step that throws shows the error box (OK and Cancel, exclamation icon, the
// routine's title); OK goes on with the next step, Cancel leaves the routine. A RunError shows its number and
// description; std::bad_alloc shows 7 "Nicht genügend Speicher"; any other std::exception 5 with its what().
#include <QString>
#include <functional>
#include <initializer_list>

namespace talur {

enum class ErrorPrefix { German, English, GermanNoBlank }; // "VB-Fehler: ", "VB-Error: ", "VB-Fehler:"

// The text of the error box: prefix, number, line break, description.
QString errorBoxText(ErrorPrefix prefix, int number, const QString& description);

class ErrorRunner {
public:
    explicit ErrorRunner(QString title, ErrorPrefix prefix = ErrorPrefix::German);
    // Runs the steps in order; returns false when the user cancelled after an error.
    bool run(std::initializer_list<std::function<void()>> steps);
    // Runs one step; returns false when it failed and the user chose Cancel.
    bool step(const std::function<void()>& body);
    bool failed() const { return m_failed; } // some step threw, whatever the answer

private:
    QString m_title;
    ErrorPrefix m_prefix;
    bool m_failed = false;
};

} // namespace talur
