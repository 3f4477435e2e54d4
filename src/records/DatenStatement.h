#pragma once
// The SELECT statements of the record data-access class, built from its key properties and a row selection.
#include "platform/core/Variant.h"

#include <QString>
#include <optional>

namespace talur {

// A row-selection argument value; nullopt is "missing", which differs from empty and from NULL.
using SelectionValue = std::optional<Variant>;

// The optional row-selection block of every transfer method. SPIk names an additional column (selected and
// sorted by); a supplied SPIkW adds the condition SPIk = SPIkW.
struct Selection {
    QString SPI1{};
    SelectionValue SPI1W{};
    QString SPI2{};
    SelectionValue SPI2W{};
    QString SPI3{};
    SelectionValue SPI3W{};
    QString SPI4{};
    SelectionValue SPI4W{};
};

// The block of the grid methods, DTFMM and the INDEX methods: SPI4 only extends the columns and the sort.
struct GridSelection {
    QString SPI1{};
    SelectionValue SPI1W{};
    QString SPI2{};
    SelectionValue SPI2W{};
    QString SPI3{};
    SelectionValue SPI3W{};
    QString SPI4{};

    Selection full() const { return {SPI1, SPI1W, SPI2, SPI2W, SPI3, SPI3W, SPI4, std::nullopt}; }
};

// The key properties of a data-access object that a statement depends on.
struct DatenKeys {
    QString ETABELLE = QStringLiteral("E1");
    QString ESPID = QStringLiteral("ID");
    int32_t ESPIDW = 0;
    QString ESPK[3];
    QString ESPKW[3];
};

// "SELECT [SPV],[ESPID],[SPI1].. FROM [table] WHERE [ESPID] = 7 AND [SPI1]=3 .. ORDER BY [SPI1],.."
QString selectStatement(const DatenKeys& keys, const QString& SPV, const Selection& sel);

// The statement of INDEX: the last named SPIk is the index column, the earlier pairs filter.
// A filter pair without a value throws RunError 13.
QString indexStatement(const DatenKeys& keys, const GridSelection& sel);

// A row-selection value as it is spliced into a statement: numbers with '.' as decimal point, Booleans as
// true/false, texts as SQL literals (a text that already is a well-formed literal, "'abc'", stays as it is).
QString selectionLiteral(const Variant& value);

// The value a row-selection argument stores into its column: a quoted literal loses its quotes.
Variant selectionStoredValue(const Variant& value);

} // namespace talur
