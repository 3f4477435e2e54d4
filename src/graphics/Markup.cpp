#include "graphics/Markup.h"

#include "graphics/Markers.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RunError.h"
#include "platform/draw/TextMapping.h"

#include <algorithm>
#include <cmath>

namespace talur {

namespace {

constexpr double kRadPerDegree = 0.017453292;

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

} // namespace

MarkupRenderer::MarkupRenderer(DrawTarget& target, FontSlots& fontSlots, QString errorTitle, ErrorPrefix prefix)
    : m_target(target), m_slots(fontSlots), m_runner(std::move(errorTitle), prefix) {}

QString MarkupRenderer::rewriteNumeric(const QString& label) {
    if (!isNumeric(label))
        return label;
    const int e = label.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    if (e < 0)
        return label;
    const QString tail = label.mid(e + 1);
    return label.left(e) + QStringLiteral("*10{h,") + QString::number(tail.size()) + QLatin1Char('}') + tail;
}

QString MarkupRenderer::stripMarkup(const QString& label) {
    QString s = label;
    for (;;) {
        const int open = s.indexOf(QLatin1Char('{'));
        if (open < 0)
            break;
        const int close = s.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            break;
        s = s.left(open) + s.mid(close + 1);
    }
    return s;
}

double MarkupRenderer::leadingValue(const QString& text) {
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < n && text[i].isDigit()) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit()) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    return text.mid(start, i - start).toDouble();
}

int MarkupRenderer::slotFor(const QString& command) {
    if (command == QLatin1String("g"))
        return 3;
    if (command == QLatin1String("t") || command == QLatin1String("h"))
        return 4;
    if (command == QLatin1String("gt") || command == QLatin1String("gh"))
        return 5;
    if (command == QLatin1String("c"))
        return 2;
    return -1;
}

QList<MarkupSegment> MarkupRenderer::segments(const QString& label) {
    QList<MarkupSegment> out;
    const int n = static_cast<int>(label.size());
    int pos = 0;          // characters consumed
    bool afterPlain = false; // the previous segment was plain text (the start counts as a command)
    while (pos < n) {
        const int open = label.indexOf(QLatin1Char('{'), pos);
        MarkupSegment seg;
        if (open < 0) {
            seg.text = label.mid(pos);
            pos = n;
            out.append(seg);
            break;
        }
        if (!afterPlain && open != 0) {
            seg.text = label.mid(pos, open - pos);
            pos = open;
            afterPlain = true;
            out.append(seg);
            continue;
        }
        const int close = label.indexOf(QLatin1Char('}'), open);
        const int comma = label.indexOf(QLatin1Char(','), open);
        // A block without "," (or with it outside the block) ends the output.
        if (comma < 0 || close < 0 || comma > close)
            break;
        seg.command = label.mid(open + 1, comma - open - 1);
        const int count = roundHalfEven(leadingValue(label.mid(comma + 1, close - comma - 1)));
        if (seg.command == QLatin1String("c")) {
            seg.kind = MarkupSegment::Kind::Character;
            seg.value = count;
            if (count >= 0 && count <= 255)
                seg.text = QString(windows1252ToUnicode(count));
            pos = close + 1;
        } else {
            pos = std::min(close + 1 + std::max(count, 0), n);
            seg.text = label.mid(close + 1, pos - close - 1);
            if (seg.command == QLatin1String("s")) {
                seg.kind = MarkupSegment::Kind::Marker;
                seg.value = roundHalfEven(leadingValue(seg.text));
            } else {
                seg.kind = MarkupSegment::Kind::Command;
            }
        }
        afterPlain = false;
        out.append(seg);
    }
    return out;
}

MarkupExtent MarkupRenderer::measure(const QString& label) const {
    const QString plain = stripMarkup(label);
    return {m_target.textWidth(plain), m_target.textHeight(plain)};
}

QPointF MarkupRenderer::startPoint(double x, double y, const MarkupExtent& e, int angleDegrees, int arx, int ary) {
    const double a = angleDegrees * kRadPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    double x0 = x;
    double y0 = y;
    if (arx == 1) {
        x0 = x - e.width * c / 2;
        y0 = y + e.width * s / 2;
    } else if (arx == 2) {
        x0 = x - e.width * c;
        y0 = y + e.width * s;
    }
    if (ary == 1) {
        x0 -= e.height * s / 2;
        y0 -= e.height * c / 2;
    } else if (ary == 2) {
        x0 -= e.height * s;
        y0 -= e.height * c;
    }
    return {x0, y0};
}

void MarkupRenderer::saveTargetFont() { m_slots.set(0, m_target.font()); }

void MarkupRenderer::selectSlot(int slot) {
    if (!m_slots.has(slot))
        m_slots.set(slot, FontSlots::derive(m_slots.has(0) ? m_slots.at(0) : m_target.font(), slot));
    m_target.setFont(m_slots.at(slot));
}

double MarkupRenderer::shiftFor(const MarkupSegment& seg) const {
    const QString& c = seg.command;
    if (c == QLatin1String("g"))
        return 0.1 * m_target.textHeight(QStringLiteral("g"));
    if (c == QLatin1String("t") || c == QLatin1String("gt"))
        return -0.35 * m_target.textHeight(seg.text);
    if (c == QLatin1String("h") || c == QLatin1String("gh"))
        return 0.25 * m_target.textHeight(seg.text);
    if (c == QLatin1String("s"))
        return -0.5 * m_target.textHeight(QStringLiteral("s"));
    return 0.0;
}

void MarkupRenderer::output(const MarkupSegment& seg, double px, double py, int angleDegrees) {
    if (seg.kind == MarkupSegment::Kind::Marker) {
        drawMarker(m_target, seg.value, px + 0.5 * std::cos(angleDegrees * kRadPerDegree), py);
        return;
    }
    if (seg.kind == MarkupSegment::Kind::Character && seg.text.isEmpty())
        throw runError(err::InvalidCall);
    if (seg.text.isEmpty())
        return;
    if (angleDegrees != 0) {
        // Rotated segments are printed at a whole point size.
        FontSpec f = m_target.font();
        f.size = std::nearbyint(f.size);
        m_target.setFont(f);
    }
    m_target.setCurrentX(px);
    m_target.setCurrentY(py);
    m_target.print(seg.text, angleDegrees);
}

bool MarkupRenderer::drawSegments(const QString& label, double x0, double y0, int angleDegrees) {
    const double a = angleDegrees * kRadPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    int slot = 0;
    for (const MarkupSegment& seg : segments(label)) {
        const bool drawn = m_runner.step([&] {
            const int wanted = seg.kind == MarkupSegment::Kind::Plain ? 2 : slotFor(seg.command);
            if (wanted >= 0)
                slot = wanted;
            selectSlot(slot);
            const double d = shiftFor(seg);
            output(seg, x0 - d * s, y0 - d * c, angleDegrees);
        });
        if (!drawn)
            return false;
        const bool advanced = m_runner.step([&] {
            const double w = m_target.textWidth(seg.text);
            m_target.setFont(m_slots.at(0));
            x0 += w * c;
            y0 -= w * s;
        });
        if (!advanced)
            return false;
    }
    return true;
}

bool MarkupRenderer::draw(QString& label, double x, double y, int angleDegrees, int arx, int ary) {
    if (label.isEmpty())
        return true;
    MarkupExtent extent;
    QPointF start;
    const bool ok = m_runner.run({
        [&] { saveTargetFont(); },
        [&] { label = rewriteNumeric(label); },
        [&] { extent = measure(label); },
        [&] { start = startPoint(x, y, extent, angleDegrees, arx, ary); },
    });
    if (!ok)
        return false;
    return drawSegments(label, start.x(), start.y(), angleDegrees);
}

} // namespace talur
