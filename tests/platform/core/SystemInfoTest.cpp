#include "platform/core/SystemInfo.h"
#include "CoreTestSupport.h"

#include <QFile>
#include <QSettings>

namespace talur::test {

// Settings go to a temporary folder, never to the user's own.
TEST(SystemInfo, SettingsStoreInGroupExtras) {
    TempFolder folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    EXPECT_EQ(sys::getSetting("Extras", "Datenbankpfad", "keiner"), QStringLiteral("keiner"));
    sys::saveSetting("Extras", "Datenbankpfad", "/daten/Orvalis");
    EXPECT_EQ(sys::getSetting("Extras", "Datenbankpfad"), QStringLiteral("/daten/Orvalis"));
    EXPECT_EQ(sys::getSetting("Andere", "Datenbankpfad"), QString());

    QFile file(folder.file(QStringLiteral("MERIDAN/MERIDAN.conf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Extras]\nDatenbankpfad=/daten/Orvalis")) << text.toStdString();
}

TEST(SystemInfo, UserNameWithTestHook) {
    qputenv("TALUR_USER", "mueller");
    EXPECT_EQ(sys::userName(), QStringLiteral("MUELLER"));
    qunsetenv("TALUR_USER");
    const QString name = sys::userName();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(name, name.toUpper());
}

TEST(SystemInfo, LocaleAndLanguageCode) {
    const struct {
        const char* locale;
        const char* language;
        const char* separator;
        int code;
    } cases[] = {
        {"de_DE", "de", ",", 3}, {"de_CH", "de", ".", 3}, {"en_US", "en", ".", 1},
        {"en_GB", "en", ".", 1}, {"fr_FR", "fr", ",", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        sys::overrideLocale(QString::fromUtf8(c.locale));
        const sys::LocaleInfo info = sys::systemLocale();
        EXPECT_EQ(info.language, QString::fromUtf8(c.language));
        EXPECT_EQ(info.decimalSeparator, QString::fromUtf8(c.separator));
        EXPECT_EQ(sys::languageCode(info.language), c.code);
    }
    sys::overrideLocale(QString());
    EXPECT_EQ(sys::systemLocale().decimalSeparator, QLocale().decimalPoint());
    EXPECT_EQ(sys::languageCode("EN"), 1);
    EXPECT_EQ(sys::languageCode(""), 3);
}

} // namespace talur::test
