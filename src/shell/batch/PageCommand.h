#pragma once
// `talur-batch page`: the printed output page of one record as a PDF (A4 landscape), PNG or SVG file,
// drawn on a working copy of the project database. The database given is never written. Needs a
// QApplication (the page is laid out as on the screen), but no display.
#include <QStringList>
#include <ostream>

namespace talur::batch {

// The arguments after "page". Nothing goes to `out`; one-line errors and the texts of boxes that are not
// errors go to `err`.
int runPageCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace talur::batch
