#pragma once
// Per-user settings store, user name and locale of the process.
#include <QString>

namespace talur::sys {

// Settings store: QSettings with organisation and application "MERIDAN", one group per section
// (the database folder is section "Extras", key "Datenbankpfad").
QString getSetting(const QString& section, const QString& key, const QString& defaultValue = {});
void saveSetting(const QString& section, const QString& key, const QString& value);

// Login name of the effective user in upper case; "UNBEK." when it cannot be had.
// Test hook: a non-empty environment variable TALUR_USER takes the place of the login name.
QString userName();

struct LocaleInfo {
    QString language; // ISO 639, e.g. "de"
    QString decimalSeparator;
};
LocaleInfo systemLocale();                // QLocale() unless overridden; language "C" for the C locale
void overrideLocale(const QString& name); // tests: "de_DE", "en_US", "fr_FR"; empty restores
// 1 English, 3 German (anything else).
int languageCode(const QString& isoLanguage);

// Warning beep: nothing to switch on this platform.
inline void switchOffWarningBeep() {}

} // namespace talur::sys
