// The painting targets: image, PDF/printer, SVG and the picture box. Checked on the pixels they produce.
#include "platform/draw/ImageTarget.h"
#include "platform/draw/PictureBox.h"
#include "platform/draw/PrinterTarget.h"
#include "platform/draw/SvgTarget.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QScrollBar>
#include <cmath>
#include <gtest/gtest.h>

namespace talur {
namespace {

constexpr double kDpi = 254.0; // 10 pixels per millimetre

bool dark(QRgb c) { return qGray(c) < 128; }

// Bounding box of the dark pixels, in millimetres.
QRectF darkBox(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (dark(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {};
    return QRectF(left / 10.0, top / 10.0, (right - left + 1) / 10.0, (bottom - top + 1) / 10.0);
}

FontSpec arial(double size) {
    FontSpec f;
    f.size = size;
    return f;
}

TEST(DrawImage, MillimetreScaleAndPixelSize) {
    ImageTarget t(40, 30, kDpi);
    EXPECT_EQ(t.pixelWidth(), 400);
    EXPECT_EQ(t.pixelHeight(), 300);
    EXPECT_DOUBLE_EQ(t.scaleWidth(), 40);
    EXPECT_NEAR(t.twipsWidth(), 40 * 56.7, 1e-9);
    EXPECT_EQ(t.image().width(), 400);
    EXPECT_EQ(t.kind(), TargetKind::Other);
}

TEST(DrawImage, LinesLandWhereTheScaleSays) {
    ImageTarget t(40, 30, kDpi);
    t.setForeColor(0x0000FF); // red
    t.line(5, 10, 35, 10);
    const QImage& img = t.image();
    const QColor on(img.pixel(200, 100));
    EXPECT_GT(on.red() - on.green(), 100); // red, on the row at 10 mm (smoothed over its edge)
    EXPECT_EQ(QColor(img.pixel(200, 120)), QColor(Qt::white));
    EXPECT_EQ(QColor(img.pixel(20, 100)), QColor(Qt::white)); // before the start
    // A user scale: the unit square fills the picture, y upward.
    ImageTarget u(40, 30, kDpi);
    u.setScale(0, 1, 1, -1);
    u.line(0.5, 0, 0.5, 1);
    EXPECT_TRUE(dark(u.image().pixel(200, 150)));
    EXPECT_DOUBLE_EQ(u.scaleWidth(), 1);
}

TEST(DrawImage, TextHangsFromItsCurrentPosition) {
    ImageTarget t(60, 30, kDpi);
    t.setFont(arial(20));
    t.setCurrentX(10);
    t.setCurrentY(10);
    const double w = t.textWidth(QStringLiteral("HgH"));
    const double h = t.textHeight(QStringLiteral("HgH"));
    t.print(QStringLiteral("HgH"));
    EXPECT_NEAR(t.currentX(), 10 + w, 1e-9);
    const QRectF box = darkBox(t.image());
    EXPECT_GE(box.top(), 10 - 0.1);
    EXPECT_LE(box.bottom(), 10 + h + 0.1);
    EXPECT_GT(box.height(), 0.6 * h); // the glyphs fill most of the cell
    EXPECT_NEAR(h, 20 * 25.4 / 72 * 1.15, 0.25); // Liberation Sans: the height of a 20-point cell
    EXPECT_GE(box.left(), 10 - 0.1);
    EXPECT_LE(box.right(), 10 + w + 0.1);
}

TEST(DrawImage, RotatedTextKeepsItsHeightAndReadsUpward) {
    ImageTarget flat(60, 60, kDpi);
    flat.setFont(arial(16));
    flat.setCurrentX(10);
    flat.setCurrentY(30);
    flat.print(QStringLiteral("HHHH"));
    const QRectF a = darkBox(flat.image());

    ImageTarget up(60, 60, kDpi);
    up.setFont(arial(16));
    up.setCurrentX(20);
    up.setCurrentY(50);
    up.print(QStringLiteral("HHHH"), 90);
    const QRectF b = darkBox(up.image());
    EXPECT_NEAR(b.width(), a.height(), 0.2);
    EXPECT_NEAR(b.height(), a.width(), 0.2);
    EXPECT_GE(b.left(), 20 - 0.1);             // the text's top faces left, so the glyphs lie right of x
    EXPECT_LE(b.bottom(), 50 + 0.1);           // and run upward from y
    EXPECT_NEAR(up.currentY(), 50 - up.textWidth(QStringLiteral("HHHH")), 1e-9);
}

TEST(DrawImage, SymbolFontDrawsGreek) {
    ImageTarget sym(30, 20, kDpi);
    FontSpec f = arial(20);
    f.name = QStringLiteral("Symbol");
    sym.setFont(f);
    ImageTarget greek(30, 20, kDpi);
    greek.setFont(arial(20));
    ImageTarget latin(30, 20, kDpi);
    latin.setFont(arial(20));
    EXPECT_DOUBLE_EQ(sym.textWidth(QStringLiteral("D")), greek.textWidth(QString::fromUtf8("Δ")));
    for (ImageTarget* t : {&sym, &greek, &latin}) {
        t->setCurrentX(5);
        t->setCurrentY(5);
    }
    sym.print(QStringLiteral("Ds"));
    greek.print(QString::fromUtf8("Δσ"));
    latin.print(QStringLiteral("Ds"));
    EXPECT_EQ(sym.image(), greek.image());
    EXPECT_NE(sym.image(), latin.image());
}

TEST(DrawImage, FillStylesClipAndClear) {
    ImageTarget t(40, 30, kDpi);
    t.setForeColor(0);
    t.circle(10, 10, 3); // transparent fill by default
    EXPECT_FALSE(dark(t.image().pixel(100, 100)));
    t.setFillStyle(0);
    t.setFillColor(0xFF0000); // blue
    t.circle(30, 10, 3);
    EXPECT_EQ(QColor(t.image().pixel(300, 100)), QColor(0, 0, 255));
    t.filledBox(2, 20, 6, 25, 0x00FF00);
    EXPECT_EQ(QColor(t.image().pixel(40, 220)), QColor(0, 255, 0));
    t.setClip(20, 15, 40, 30);
    t.line(0, 22, 40, 22);
    EXPECT_FALSE(dark(t.image().pixel(100, 220)));
    EXPECT_TRUE(dark(t.image().pixel(300, 220)));
    t.clearClip();
    t.setBackColor(0x00FFFF); // yellow
    t.clear();
    EXPECT_EQ(QColor(t.image().pixel(300, 220)), QColor(255, 255, 0));
    EXPECT_EQ(t.currentX(), 0);
}

TEST(DrawImage, PenWidthAndStyle) {
    ImageTarget t(40, 30, kDpi);
    t.setDrawWidth(9);
    t.line(5, 10, 35, 10);
    EXPECT_TRUE(dark(t.image().pixel(200, 104)));
    t.setDrawWidth(1);
    t.setDrawStyle(5); // transparent pen
    t.line(5, 20, 35, 20);
    EXPECT_FALSE(dark(t.image().pixel(200, 200)));
}

TEST(DrawPdf, WritesAnA4LandscapeDocumentAndKillsOne) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("seite.pdf"));
    {
        PrinterTarget pdf(path, 300);
        EXPECT_EQ(pdf.kind(), TargetKind::Printer);
        EXPECT_DOUBLE_EQ(pdf.scaleWidth(), 297);
        EXPECT_DOUBLE_EQ(pdf.scaleHeight(), 210);
        EXPECT_NEAR(pdf.twipsWidth(), 297 * 56.7, 1e-9);
        EXPECT_EQ(pdf.pixelWidth(), static_cast<int>(std::lround(297 * 300 / 25.4)));
        pdf.line(10, 10, 100, 100);
        pdf.setCurrentX(20);
        pdf.setCurrentY(20);
        pdf.print(QStringLiteral("Seite 1"));
        pdf.newPage();
        pdf.line(10, 10, 100, 10);
        pdf.endDoc();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_TRUE(data.contains("/Count 2"));
    EXPECT_TRUE(data.contains("/MediaBox [0 0 842")); // landscape: 297 mm wide in points

    const QString killed = folder.file(QStringLiteral("weg.pdf"));
    PrinterTarget gone(killed);
    gone.line(0, 0, 10, 10);
    gone.killDoc();
    EXPECT_FALSE(QFile::exists(killed));
}

TEST(DrawSvg, WritesTheDrawingAsSvg) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("bild.svg"));
    {
        SvgTarget svg(path, 80, 60);
        EXPECT_DOUBLE_EQ(svg.scaleWidth(), 80);
        svg.line(0, 0, 80, 60);
        svg.setCurrentX(10);
        svg.setCurrentY(10);
        svg.print(QStringLiteral("Text"));
        svg.finish();
        svg.line(0, 0, 1, 1); // after the end: ignored
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    EXPECT_TRUE(data.contains("<svg"));
    EXPECT_TRUE(data.contains(">Text<"));
    const int at = data.indexOf("width=\"");
    ASSERT_GE(at, 0);
    EXPECT_NEAR(data.mid(at + 7, data.indexOf("mm", at) - at - 7).toDouble(), 80.0, 0.2);
}

TEST(DrawPictureBox, KeepsItsDrawingAcrossRepaintsAndResizes) {
    PictureBox pic;
    pic.setObjectName(QStringLiteral("picBILD11"));
    pic.setTag(QStringLiteral("11"));
    pic.resize(200, 100);
    EXPECT_EQ(pic.kind(), TargetKind::PictureBox);
    EXPECT_EQ(pic.name(), QStringLiteral("picBILD11"));
    EXPECT_EQ(pic.tag(), QStringLiteral("11"));
    const double ppmm = pic.logicalDpiX() / 25.4;
    EXPECT_NEAR(pic.scaleWidth(), 200 / ppmm, 1e-9);
    EXPECT_EQ(pic.pixelWidth(), 200);
    EXPECT_NEAR(pic.twipsWidth(), 200 / ppmm * 56.7, 1e-6);

    pic.setForeColor(0x0000FF);
    pic.filledBox(1, 1, 5, 5);
    const int px = static_cast<int>(3 * ppmm);
    EXPECT_EQ(QColor(pic.grab().toImage().pixel(px, px)), QColor(255, 0, 0));
    pic.resize(300, 150); // growing keeps what was drawn
    EXPECT_EQ(QColor(pic.image().pixel(px, px)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(pic.grab().toImage().pixel(px, px)), QColor(255, 0, 0));
    EXPECT_EQ(pic.image().width(), 300);
    pic.clear();
    EXPECT_EQ(QColor(pic.image().pixel(px, px)), QColor(Qt::white));
}

TEST(DrawPictureBox, CarriesAVerticalScrollBarInsideItsRightEdge) {
    PictureBox pic;
    pic.resize(200, 100);
    EXPECT_FALSE(pic.hasVerticalBar());
    QScrollBar* bar = pic.verticalBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, pic.verticalBar());
    EXPECT_EQ(bar->parentWidget(), &pic);
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->geometry().right(), 199);
}

} // namespace
} // namespace talur
