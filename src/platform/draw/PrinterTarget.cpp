#include "platform/draw/PrinterTarget.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace talur {

namespace {

QPageLayout a4Landscape() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

} // namespace

PrinterTarget::PrinterTarget(const QString& pdfPath, int dpi)
    : m_pdf(std::make_unique<QPdfWriter>(pdfPath)), m_pdfPath(pdfPath), m_dpi(dpi) {
    m_pdf->setResolution(dpi);
    m_pdf->setPageLayout(a4Landscape());
    m_pdf->setCreator(QStringLiteral("TALUR"));
}

PrinterTarget::PrinterTarget(QPrinter* printer) : m_printer(printer), m_dpi(printer ? printer->resolution() : 600) {
    if (m_printer) {
        m_printer->setFullPage(true);
        m_printer->setPageLayout(a4Landscape());
    }
}

PrinterTarget::~PrinterTarget() {
    if (!m_ended)
        endDoc();
}

QPaintDevice* PrinterTarget::device() const {
    if (m_ended)
        return nullptr;
    if (m_pdf)
        return m_pdf.get();
    return m_printer;
}

void PrinterTarget::newPage() {
    QPainter* p = painter(); // a page break needs the document begun
    if (!p)
        return;
    if (m_pdf)
        m_pdf->newPage();
    else if (m_printer)
        m_printer->newPage();
}

void PrinterTarget::endDoc() {
    // An untouched document still becomes one (empty) page, as a printed job would.
    painter();
    flush();
    m_ended = true;
}

void PrinterTarget::killDoc() {
    if (m_printer && !m_ended)
        m_printer->abort();
    flush();
    m_ended = true;
    if (m_pdf) {
        m_pdf.reset();
        QFile::remove(m_pdfPath);
    }
}

} // namespace talur
