#pragma once
// Contents and placement of the seven parameter tables of the output page (pictures 13 to 19): title,
// column widths, separators, formats, the two head rows (symbol, unit) and the body rows.
#include "curves/Mohr.h"
#include "page/SeitenDaten.h"
#include "platform/core/Variant.h"

#include <QString>
#include <optional>
#include <vector>

namespace talur {

struct TabellenInhalt {
    int bild = 0; // 13 ... 19
    std::optional<float> ERL; // left edge; none keeps the table's default
    float ERO = 0;
    std::optional<float> ERU; // bottom margin; none keeps the default
    std::vector<float> ELSB;
    std::vector<int> ELGIT;
    std::vector<QString> ELFORMAT;
    QString titel; // empty: no title
    // Rows of cells, [row][column]; head: symbol row and unit row.
    std::vector<std::vector<Variant>> kopf;
    std::vector<std::vector<Variant>> koerper;

    int spalten() const { return static_cast<int>(ELSB.size()); }
};

// What the tables show besides the record's parameters: the stress limits that picture 12 used and
// the Coulomb lines of its latest run.
struct TabellenErgebnisse {
    float SI1 = 0;
    float SI2 = 0;
    CoulombLine E;
    CoulombLine R;
    std::vector<CoulombLine> zweige; // one per preloading-stress row
};

// Table 13 ... 19.
TabellenInhalt tabellenInhalt(int bild, const SeitenDaten& daten, const TabellenErgebnisse& ergebnisse);

// Text shown for a Coulomb value that this run did not fit.
inline const QString kNichtBerechnet = QStringLiteral("-");

} // namespace talur
