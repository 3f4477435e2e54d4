#pragma once
// A run-time error with the classic error number, thrown by the platform layer and by computations.
// Error numbers: 5 invalid procedure call, 6 overflow, 9 subscript out of range, 11 division by zero,
// 13 type mismatch, 53 file not found, 70 permission denied, 75 path/file access error, 76 path not found,
// 91 object not set, 94 invalid use of Null, 380 invalid property value, 3021 no current record,
// 3265 item not found in collection, 3704 recordset closed, 3709 connection closed, 3705 already open,
// 3251 operation not supported, 3219 operation not allowed, -2147217900 SQL statement error,
// -2147467259 database engine error, 32755 dialog cancelled.
#include <QString>
#include <stdexcept>

namespace talur {

class RunError : public std::runtime_error {
public:
    RunError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int InvalidUseOfNull = 94;
inline constexpr int FileNotFound = 53;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int ObjectNotSet = 91;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int NoCurrentRecord = 3021;
inline constexpr int ItemNotFound = 3265;
inline constexpr int ObjectClosed = 3704;
inline constexpr int AlreadyOpen = 3705;
inline constexpr int ConnectionClosed = 3709;
inline constexpr int NotAllowed = 3219;
inline constexpr int NotSupported = 3251;
inline constexpr int SqlError = -2147217900;
inline constexpr int EngineError = -2147467259;
inline constexpr int DialogCancelled = 32755;
} // namespace err

// The runtime's own German description of an error number ("Typen unverträglich" for 13);
// an empty text for numbers without one.
QString standardDescription(int number);
// A RunError with the standard description of its number.
RunError runError(int number);

// Line break inside message texts.
inline const QString kLineBreak = QStringLiteral("\n");

} // namespace talur
