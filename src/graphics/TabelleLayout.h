#pragma once
// Arithmetic of clsTABELLE that does not touch a target: block heights, the window of body rows a
// scroll bar selects, the column statistics and the decimal-point placement.
#include <QChar>
#include <QString>
#include <optional>
#include <vector>

namespace talur::tabelle {

// Height of a block of `rows` text rows (at least one row's height, so an empty block keeps a frame).
double blockHeight(int rows, double erz, double eza, double ezh);

// Index of the last body row whose text line ends within `limit`, counting from the bottom of row 0
// at `firstBottom` in steps of `step`; -1 when not even row 0 fits. A row that ends exactly on the
// limit fits.
int lastFittingRow(double firstBottom, double step, double limit, int rows);

struct RowWindow {
    int first = 0; // EEZ
    int last = 0;  // ELZ
};
// The rows shown for a scroll position: `fraction` is value / (max - min), `lastFitting` the index
// from lastFittingRow (at least 0 is used), `rows` the number of body rows.
RowWindow scrolledWindow(double fraction, int lastFitting, int rows);

struct ColumnStatistics {
    bool complete = false; // false: the column had a 0 or a non-number before its end
    double mean = 0.0;
    double deviation = 0.0;
    std::optional<double> variation; // none where the mean is 0
};
// Mean, standard deviation and coefficient of variation of the values; `complete` only when every
// value is a number other than 0 and there is at least one.
ColumnStatistics statistics(const std::vector<std::optional<double>>& values);

// Left end of a cell string aligned on its decimal point: `pointWidth` is the width of the string up
// to and including its point (0 without one), `pattern` the column's format pattern.
double decimalAlignedLeft(double columnLeft, double columnWidth, double pointWidth, const QString& pattern);

// Length of the prefix of `text` up to and including its first decimal point ('.' or `separator`);
// 0 when it has none.
int decimalPrefixLength(const QString& text, QChar separator);

} // namespace talur::tabelle
