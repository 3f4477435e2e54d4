#pragma once
// The printer page: an A4 landscape sheet in millimetres, printed on a QPrinter or written to a PDF file.
#include "platform/draw/PainterTarget.h"

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace talur {

class PrinterTarget : public PainterTarget {
public:
    // Writes a PDF file at the given resolution.
    explicit PrinterTarget(const QString& pdfPath, int dpi = 600);
    // Prints on a printer that the caller owns and has chosen (print dialog).
    explicit PrinterTarget(QPrinter* printer);
    ~PrinterTarget() override;

    TargetKind kind() const override { return TargetKind::Printer; }
    QString name() const override { return QStringLiteral("Printer"); }

    void newPage();
    // Ends the document: the file or the print job is complete.
    void endDoc();
    // Abandons the document: nothing is printed, a PDF file is removed.
    void killDoc();

    static constexpr double kPageWidthMm = 297.0;
    static constexpr double kPageHeightMm = 210.0;

protected:
    QPaintDevice* device() const override;
    double deviceWidthMm() const override { return kPageWidthMm; }
    double deviceHeightMm() const override { return kPageHeightMm; }
    double pixelsPerMm() const override { return m_dpi / 25.4; }

private:
    std::unique_ptr<QPdfWriter> m_pdf;
    QPrinter* m_printer = nullptr;
    QString m_pdfPath;
    double m_dpi;
    bool m_ended = false;
};

} // namespace talur
