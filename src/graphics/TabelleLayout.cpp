#include "graphics/TabelleLayout.h"

#include "graphics/PolygonGeometry.h"

#include <algorithm>
#include <cmath>

namespace talur::tabelle {

namespace {
// Rows are counted against a limit that the layout itself produced; a hair of tolerance keeps a body
// that fits exactly from losing its last row to rounding.
constexpr double kFitTolerance = 1e-4;
} // namespace

double blockHeight(int rows, double erz, double eza, double ezh) {
    const int r = std::max(rows, 1);
    return 2.0 * erz + (r - 1) * eza * ezh + ezh;
}

int lastFittingRow(double firstBottom, double step, double limit, int rows) {
    int k = -1;
    for (int j = 0; j < rows; ++j) {
        if (firstBottom + j * step > limit + kFitTolerance)
            break;
        k = j;
    }
    return k;
}

RowWindow scrolledWindow(double fraction, int lastFitting, int rows) {
    const int k = std::max(lastFitting, 0);
    const double rounded = std::round(fraction * 1000.0) / 1000.0;
    int first = polygon::roundHalfEven(rounded * double(rows - k - 1));
    first = std::max(first, 0);
    const int last = std::min(first + k, rows - 1);
    return {first, last};
}

ColumnStatistics statistics(const std::vector<std::optional<double>>& values) {
    ColumnStatistics result;
    if (values.empty())
        return result;
    double sum = 0.0;
    double squares = 0.0;
    for (const auto& v : values) {
        if (!v || *v == 0.0)
            return result;
        sum += *v;
        squares += *v * *v;
    }
    const double n = double(values.size());
    result.complete = true;
    result.mean = sum / n;
    const double spread = squares - n * result.mean * result.mean;
    result.deviation = (spread > 0.0 && values.size() > 1) ? std::sqrt(spread / (n - 1.0)) : 0.0;
    if (result.mean != 0.0)
        result.variation = result.deviation / result.mean;
    return result;
}

double decimalAlignedLeft(double columnLeft, double columnWidth, double pointWidth, const QString& pattern) {
    const double half = columnWidth / 2.0;
    const int length = int(pattern.size());
    if (length == 0) // no pattern: the point sits on the column centre
        return columnLeft + half - pointWidth;
    const int p = int(pattern.indexOf(QLatin1Char('.'))) + 1;
    return columnLeft + half - pointWidth - (length / 2.0 - p) * (half - 1.5) / length;
}

int decimalPrefixLength(const QString& text, QChar separator) {
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('.') || text[i] == separator)
            return i + 1;
    }
    return 0;
}

} // namespace talur::tabelle
