#pragma once
// The result of `talur-batch curves` as JSON (one object) or CSV (the grid series, then each branch).
#include "curves/io/RecordCurves.h"

#include <QStringList>
#include <string>

namespace talur::batch {

// messages: the texts of the boxes the computation would have shown, in order.
std::string curvesJson(const RecordCurves& curves, const QStringList& messages);
std::string curvesCsv(const RecordCurves& curves);

} // namespace talur::batch
