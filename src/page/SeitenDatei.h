#pragma once
// The printed page of a record written to a file, without a window on the screen: .pdf (A4 landscape),
// .png (at the given resolution) or .svg. The page is loaded as the output page loads it and then drawn
// as printing draws it: header and footer and all nine pictures.
#include <QString>
#include <cstdint>

namespace talur {

class RunContext;
struct Druckauftrag;
class PrinterTarget;

struct SeitenDateiOptionen {
    double pngDpi = 150.0;
    int pdfDpi = 600;
};

// Throws RunError: 53 when the record does not exist, 5 for an unknown file extension, 75 when the file
// cannot be written. A record without graphic settings is drawn with the default settings (which are
// then stored, as the first evaluation would store them).
void renderPage(RunContext& kontext, int32_t datensatz, const QString& ausgabePfad,
                const SeitenDateiOptionen& optionen = {});

// The print job of a printer or PDF target: millimetres, end and kill of the document.
Druckauftrag druckauftrag(PrinterTarget& drucker);

} // namespace talur
