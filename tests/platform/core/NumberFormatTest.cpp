#include "platform/core/NumberFormat.h"
#include "CoreTestSupport.h"

#include <cfloat>

namespace talur::test {

namespace {

struct FormatCase {
    double value;
    const char* picture;
    const char* german;
    const char* english;
};

// Runs a check once with ',' and once with '.' as the regional decimal separator.
class NumberFormatTest : public ::testing::Test {
protected:
    void TearDown() override { regionalSettings().decimalSeparator = QLatin1Char(','); }
    template <typename F> void inBothLanguages(const char* german, const char* english, F&& format) {
        regionalSettings().decimalSeparator = QLatin1Char(',');
        EXPECT_EQ(format(), QString::fromUtf8(german)) << "German";
        regionalSettings().decimalSeparator = QLatin1Char('.');
        EXPECT_EQ(format(), QString::fromUtf8(english)) << "English";
    }
};

} // namespace

TEST_F(NumberFormatTest, Pictures) {
    const FormatCase cases[] = {
        {1.005, "#0.00", "1,01", "1.01"},
        {2.675, "#0.00", "2,68", "2.68"},
        {-0.001, "#0.00", "0,00", "0.00"},
        {-0.005, "#0.00", "-0,01", "-0.01"},
        {0.5, "#0", "1", "1"},
        {2.5, "#0", "3", "3"},
        {-2.5, "#0", "-3", "-3"},
        {-0.4, "#0", "0", "0"},
        {0.45, "#0.0", "0,5", "0.5"},
        {99.96, "#0.0", "100,0", "100.0"},
        {0.0005, "#0.000", "0,001", "0.001"},
        {1e-7, "#0.000", "0,000", "0.000"},
        {12345.6, "####0", "12346", "12346"},
        {7.0, "####0", "7", "7"},
        {0.125, "0.00", "0,13", "0.13"},
        {3.0, "0.00", "3,00", "3.00"},
        {1234567.891, "#,##0.00", "1.234.567,89", "1,234,567.89"},
        {-1234.5, "#,##0.00", "-1.234,50", "-1,234.50"},
        {123.0, "#,##0.00", "123,00", "123.00"},
        {0.0, "#,##0.00", "0,00", "0.00"},
        {1e20, "#0", "100000000000000000000", "100000000000000000000"},
        {1.5, "0.0#", "1,5", "1.5"},
        {1.234, "0.0#", "1,23", "1.23"},
        {0.5, "#.##", ",5", ".5"},
        {0.256, "0%", "26%", "26%"},
        {12.5, "#0.0 kN", "12,5 kN", "12.5 kN"},
        {1.5, "", "1,5", "1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " with \"" << c.picture << '"');
        inBothLanguages(c.german, c.english,
                        [&] { return formatNumber(c.value, QString::fromUtf8(c.picture)); });
    }
}

TEST_F(NumberFormatTest, GeneralFormOfDoubles) {
    const struct {
        double value;
        const char* german;
        const char* english;
    } cases[] = {
        {0.1, "0,1", "0.1"},
        {1e-5, "1E-05", "1E-05"},
        {0.0001, "0,0001", "0.0001"},
        {1e20, "1E+20", "1E+20"},
        {1e15, "1E+15", "1E+15"},
        {123456789012.0, "123456789012", "123456789012"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {-1.5e-7, "-1,5E-07", "-1.5E-07"},
        {1.0 / 3.0, "0,333333333333333", "0.333333333333333"},
        {2.0 / 3.0, "0,666666666666667", "0.666666666666667"},
        {0.0, "0", "0"},
        {-0.0, "0", "0"},
        {100.0, "100", "100"},
        {1.5e300, "1,5E+300", "1.5E+300"},
        {double(0.1f), "0,100000001490116", "0.100000001490116"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        inBothLanguages(c.german, c.english, [&] { return formatGeneral(c.value); });
    }
}

TEST_F(NumberFormatTest, GeneralFormOfSingles) {
    const struct {
        float value;
        const char* german;
        const char* english;
    } cases[] = {
        {0.1f, "0,1", "0.1"},      {1.0f / 3.0f, "0,3333333", "0.3333333"},
        {1e7f, "1E+07", "1E+07"},  {1234567.0f, "1234567", "1234567"},
        {1e-5f, "1E-05", "1E-05"}, {FLT_MAX, "3,402823E+38", "3.402823E+38"},
        {-2.5f, "-2,5", "-2.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        inBothLanguages(c.german, c.english, [&] { return formatGeneralSingle(c.value); });
    }
}

// What the general form writes, parseNumber reads back with the same separator.
TEST_F(NumberFormatTest, GeneralFormReadsBack) {
    for (QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        regionalSettings().decimalSeparator = separator;
        for (double v : {0.1, -1.5e-7, 1e20, 123456.789, 1.0 / 7.0}) {
            const auto back = parseNumber(formatGeneral(v));
            ASSERT_TRUE(back.has_value()) << formatGeneral(v).toStdString();
            EXPECT_NEAR(*back, v, std::abs(v) * 1e-14);
        }
    }
    EXPECT_EQ(parseNumber(QStringLiteral("1.5"), QLatin1Char('.')), 1.5);
    EXPECT_FALSE(parseNumber(QStringLiteral("1E999"), QLatin1Char('.')).has_value());
    EXPECT_EQ(groupSeparator(), QLatin1Char(','));
    regionalSettings().decimalSeparator = QLatin1Char(',');
    EXPECT_EQ(groupSeparator(), QLatin1Char('.'));
}

} // namespace talur::test
