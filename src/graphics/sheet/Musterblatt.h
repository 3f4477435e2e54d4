#pragma once
// The sample sheet: an A4 landscape page with a linear and a logarithmic diagram (curves, markers,
// arrowheads, rotated and Greek labels) and two tables (a scrolled body; spans, decimal points,
// symbols and column statistics). The same drawing goes to every target.
#include "platform/draw/DrawTarget.h"

#include <QString>

class QScrollBar;

namespace talur {
class RunContext;
}

namespace talur::sheet {

inline constexpr double kBlattBreite = 297.0; // mm
inline constexpr double kBlattHoehe = 210.0;

// Creates the project database of the sheet (one active record and the settings rows of its two
// diagrams) in `folder` and opens it as the context's working copy.
void projektAnlegen(RunContext& context, const QString& folder);

// Draws the whole sheet on the target (millimetres, origin at the page's top-left corner). `balken` is
// the scroll bar of the scrolled table: a sheet on a picture-like target places it, a printed sheet
// shows the rows it selects.
void zeichneMusterblatt(DrawTarget& target, RunContext& context, QScrollBar& balken);

// The two diagrams and the two tables (Diagramme.cpp, Tabellen.cpp).
void zeichneMohrDiagramm(DrawTarget& target, RunContext& context);
void zeichneDrucksetzung(DrawTarget& target, RunContext& context);
void zeichneTabellen(DrawTarget& target, QScrollBar& balken);

} // namespace talur::sheet
