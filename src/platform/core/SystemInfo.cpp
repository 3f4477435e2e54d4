#include "SystemInfo.h"

#include <QLocale>
#include <QSettings>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace talur::sys {

namespace {

QString& localeOverride() {
    static QString name;
    return name;
}

QString settingsKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

} // namespace

QString getSetting(const QString& section, const QString& key, const QString& defaultValue) {
    QSettings settings(QStringLiteral("MERIDAN"), QStringLiteral("MERIDAN"));
    return settings.value(settingsKey(section, key), defaultValue).toString();
}

void saveSetting(const QString& section, const QString& key, const QString& value) {
    QSettings settings(QStringLiteral("MERIDAN"), QStringLiteral("MERIDAN"));
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
}

QString userName() {
    const QString forced = qEnvironmentVariable("TALUR_USER").trimmed();
    if (!forced.isEmpty())
        return forced.toUpper();
#ifdef Q_OS_UNIX
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name).toUpper();
#else
    const QString name = qEnvironmentVariable("USERNAME");
    if (!name.isEmpty())
        return name.toUpper();
#endif
    return QStringLiteral("UNBEK.");
}

LocaleInfo systemLocale() {
    const QLocale locale = localeOverride().isEmpty() ? QLocale() : QLocale(localeOverride());
    LocaleInfo info;
    info.language = locale.name().section(QLatin1Char('_'), 0, 0);
    info.decimalSeparator = locale.decimalPoint();
    return info;
}

void overrideLocale(const QString& name) {
    localeOverride() = name;
}

int languageCode(const QString& isoLanguage) {
    return isoLanguage.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ? 1 : 3;
}

} // namespace talur::sys
