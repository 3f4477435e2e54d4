#include "shell/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace talur::pictures {

namespace {

const QColor kInk(30, 52, 86);
const QColor kClay(160, 110, 70);
const QColor kSand(214, 182, 120);
const QColor kSilt(120, 128, 120);

QPixmap blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Soil layers inside a circle, with the tail of a "Q" across the lower right.
void drawEmblem(QPainter& p, const QRectF& box) {
    QPainterPath circle;
    circle.addEllipse(box);
    p.save();
    p.setClipPath(circle);
    const QColor layers[] = {kSand, kClay, kSilt, kInk};
    const double band = box.height() / 4.0;
    for (int i = 0; i < 4; ++i) {
        QPainterPath wave;
        const double top = box.top() + i * band;
        wave.moveTo(box.left(), top + band * 0.15);
        wave.cubicTo(box.left() + box.width() * 0.35, top - band * 0.25, box.left() + box.width() * 0.65,
                     top + band * 0.55, box.right(), top + band * 0.1);
        wave.lineTo(box.right(), box.bottom());
        wave.lineTo(box.left(), box.bottom());
        wave.closeSubpath();
        p.fillPath(wave, layers[i]);
    }
    p.restore();
    const double pen = box.width() * 0.07;
    p.setPen(QPen(kInk, pen, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    p.drawLine(QPointF(box.left() + box.width() * 0.62, box.top() + box.height() * 0.66),
               QPointF(box.right(), box.bottom()));
}

} // namespace

QPixmap publisherLogo(int height) {
    QPixmap pixmap = blank(QSize(height, height));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = height * 0.06;
    drawEmblem(p, QRectF(margin, margin, height - 2 * margin, height - 2 * margin));
    return pixmap;
}

QPixmap institutionLogo(int height) {
    const int width = int(height * 2.6);
    QPixmap pixmap = blank(QSize(width, height));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A footing on layered ground beside the short name.
    const double unit = height / 10.0;
    p.fillRect(QRectF(unit, unit * 6.5, unit * 8, unit * 1.2), kSand);
    p.fillRect(QRectF(unit, unit * 7.7, unit * 8, unit * 1.3), kClay);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(unit * 3.2, unit * 1.2, unit * 3.6, unit * 4.2));
    p.drawRect(QRectF(unit * 2.2, unit * 5.4, unit * 5.6, unit * 1.1));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(int(unit * 3.4));
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(unit * 10, 0, width - unit * 10, unit * 6.2), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("IGB"));
    font.setBold(false);
    font.setPixelSize(int(unit * 1.6));
    p.setFont(font);
    p.drawText(QRectF(unit * 10, unit * 6.4, width - unit * 10, unit * 3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Quenhausen"));
    return pixmap;
}

QPixmap diagram(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(size.width() * 0.12, size.height() * 0.08, size.width() * 0.8, size.height() * 0.78);
    // Log grid of stress over one and a half decades, strain downwards.
    p.setPen(QPen(QColor(215, 220, 228), 1));
    for (int decade = 0; decade < 2; ++decade)
        for (int k = 1; k <= 9; ++k) {
            const double x = plot.left() + plot.width() * (decade + std::log10(double(k))) / 2.0;
            p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
    for (int k = 1; k < 5; ++k) {
        const double y = plot.top() + plot.height() * k / 5.0;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const auto point = [&plot](double logStress, double strain) {
        return QPointF(plot.left() + plot.width() * logStress / 2.0, plot.top() + plot.height() * strain);
    };
    // First loading and two unloading branches.
    QPainterPath loading;
    for (int i = 0; i <= 40; ++i) {
        const double s = 2.0 * i / 40.0;
        const double strain = 0.05 + 0.85 * std::pow(s / 2.0, 1.6);
        i == 0 ? loading.moveTo(point(s, strain)) : loading.lineTo(point(s, strain));
    }
    p.setPen(QPen(kInk, 2));
    p.drawPath(loading);
    p.setPen(QPen(kClay, 1.5));
    for (double preload : {1.2, 1.7}) {
        const double end = 0.05 + 0.85 * std::pow(preload / 2.0, 1.6);
        QPainterPath branch;
        branch.moveTo(point(preload, end));
        branch.cubicTo(point(preload * 0.7, end - 0.02), point(preload * 0.35, end - 0.07),
                       point(0.0, end - 0.1));
        p.drawPath(branch);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(9, size.height() / 18));
    p.setFont(font);
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), size.height() - plot.bottom() - 2),
               Qt::AlignCenter, QStringLiteral("σ' [MN/m²]"));
    p.save();
    p.translate(size.width() * 0.05, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -size.width() * 0.05, plot.height(), size.width() * 0.1),
               Qt::AlignCenter, QStringLiteral("ε [%]"));
    p.restore();
    return pixmap;
}

} // namespace talur::pictures
