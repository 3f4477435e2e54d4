#include "graphics/clsTABELLE.h"

#include "graphics/Markers.h"
#include "graphics/Markup.h"
#include "graphics/PolygonGeometry.h"
#include "graphics/TabelleLayout.h"
#include "platform/core/DialogService.h"
#include "platform/core/ErrorRunner.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RunError.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace talur {

namespace {

constexpr ColorRef rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// Fixed colours of the table's point symbols 0 to 7.
constexpr ColorRef kSymbolFarben[8] = {rgb(0, 0, 255),   rgb(0, 255, 0), rgb(0, 255, 255), rgb(255, 0, 0),
                                       rgb(255, 0, 255), rgb(0, 180, 0), rgb(0, 0, 180),   rgb(0, 0, 0)};

// The index of the last body row that fits on the screen, kept on the scroll bar for the printer.
const char* const kBalkenZeilen = "talurTabelleZeilen";

const QString kTextTitel = QStringLiteral("Sub TEXT, Klassenmodul clsGRAFIK");

template <typename T> T eintrag(const std::vector<T>& list, int index) {
    return index >= 0 && size_t(index) < list.size() ? list[size_t(index)] : T{};
}

const Variant& zelleVon(const clsTABELLE::Inhalt& inhalt, int column, int row) {
    static const Variant leer;
    if (column < 0 || size_t(column) >= inhalt.size())
        return leer;
    const auto& spalte = inhalt[size_t(column)];
    return row >= 0 && size_t(row) < spalte.size() ? spalte[size_t(row)] : leer;
}

int zeilenAnzahl(const clsTABELLE::Inhalt& inhalt, int n) {
    size_t rows = 0;
    for (int c = 0; c < n; ++c)
        rows = std::max(rows, inhalt[size_t(c)].size());
    return int(rows);
}

std::optional<double> zahl(const Variant& v) {
    if (v.isEmpty() || v.isNull())
        return std::nullopt;
    if (v.isNumeric())
        return v.toDouble();
    if (v.type() == Variant::Type::String && isNumeric(v.toText()))
        return v.toDouble();
    return std::nullopt;
}

// The cell's string: numbers in the column's pattern, anything else as its text.
QString zellenText(const Variant& v, const QString& format) {
    if (v.isEmpty() || v.isNull())
        return {};
    if (!format.isEmpty()) {
        if (const auto x = zahl(v))
            return formatNumber(*x, format);
    }
    return v.toText();
}

} // namespace

DrawTarget& clsTABELLE::target() const {
    if (!m_target)
        throw runError(err::ObjectNotSet);
    return *m_target;
}

void clsTABELLE::setEOBJEKT(DrawTarget* target) {
    m_target = target;
    if (!m_target)
        return;
    if (m_target->scaleWidth() != 0)
        m_ppuX = std::abs(m_target->pixelWidth() / m_target->scaleWidth());
    SCHRIFTEINSTELLUNGEN(QString(), 0, 0, 0, 0, 0);
}

void clsTABELLE::setELSB(float width) {
    setELSB(std::vector<float>{width});
}

void clsTABELLE::setELSB(std::vector<float> widths) {
    const size_t n = widths.size();
    m_ELSB = std::move(widths);
    m_ELGITLEER.assign(n > 0 ? n - 1 : 0, 0);
    m_ELGIT.assign(n, 0);
    m_ELMW.assign(n, 0);
}

void clsTABELLE::LINIENEINSTELLUNGEN(int16_t LINIENART, float LINIENBREITE, ColorRef FARBE) {
    ErrorRunner runner(QStringLiteral("Linieneinstellungen"));
    int width = 1;
    runner.run({
        [&] { target(); },
        [&] {
            if (LINIENBREITE != 0)
                width = std::max(1, polygon::roundHalfEven(LINIENBREITE * m_ppuX));
        },
        [&] { target().setDrawStyle(LINIENART); },
        [&] { target().setDrawWidth(width); },
        [&] { target().setDrawMode(13); },
        [&] { target().setForeColor(FARBE); },
    });
}

void clsTABELLE::SCHRIFTEINSTELLUNGEN(const QString& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                                      int16_t UNTERSTRICHEN, int16_t KURSIV, ColorRef FARBE) {
    ErrorRunner runner(QStringLiteral("Schrifteinstellungen"), ErrorPrefix::GermanNoBlank);
    if (!runner.step([&] {
            FontSpec f = target().font();
            f.name = SCHRIFTART.isEmpty() ? QStringLiteral("Arial") : SCHRIFTART;
            f.size = SCHRIFTGROESSE <= 0 ? 8.0 : SCHRIFTGROESSE;
            f.bold = FETT != 0;
            f.weight = f.bold ? 700 : 400;
            f.underline = UNTERSTRICHEN != 0;
            f.italic = KURSIV != 0;
            target().setFont(f);
        }))
        return;
    if (!runner.step([&] { target().setForeColor(FARBE <= 0 ? 0 : FARBE); }))
        return;
    for (int slot = 1; slot < FontSlots::kCount; ++slot)
        if (!runner.step([&] { m_slots.set(slot, FontSlots::derive(target().font(), slot)); }))
            return;
}

// ---- Layout helpers ---------------------------------------------------------------------------------

double clsTABELLE::spaltenBreite(int column) const {
    return eintrag(*m_ELSB, column);
}

double clsTABELLE::spaltenLinks(int column) const {
    double x = double(m_EXDL) + m_ERL;
    for (int c = 0; c < column; ++c)
        x += spaltenBreite(c);
    return x;
}

void clsTABELLE::text(const QString& label, double x, double y, int arx, int ary) {
    if (label.isEmpty())
        return;
    MarkupRenderer renderer(target(), m_slots, kTextTitel);
    QString copy = label;
    renderer.draw(copy, x, y, 0, arx, ary);
}

// Outline of a block (and a second one 0.5 mm outside it) with the column separators; in the head the
// separators leave out their ELGITLEER rows.
void clsTABELLE::rahmen(double top, double height, int n, int kopfZeilen) {
    DrawTarget& t = target();
    const double x0 = double(m_EXDL) + m_ERL;
    t.box(x0, top, x0 + m_W, top + height);
    t.box(x0 - 0.5, top - 0.5, x0 + m_W + 0.5, top + height + 0.5);
    const double zeile = double(m_EZA) * m_EZH;
    for (int i = 0; i + 1 < n; ++i) {
        double oben = top;
        if (kopfZeilen > 0) {
            const int leer = eintrag(m_ELGITLEER, i);
            if (leer >= kopfZeilen)
                continue;
            if (leer > 0) // half-way between the text of the last left-out row and the next one
                oben = std::clamp(top + m_ERZ + m_EZH / 2.0 + (leer - 0.5) * zeile - 1.5, top, top + height);
        }
        trennlinie(i, spaltenLinks(i + 1), oben, top + height);
    }
}

void clsTABELLE::trennlinie(int boundary, double x, double top, double bottom) {
    const int art = eintrag(m_ELGIT, boundary);
    if (art >= 1)
        target().line(x, top, x, bottom);
    if (art == 2)
        target().line(x + 0.5, top, x + 0.5, bottom);
}

void clsTABELLE::symbol(int number, double x, double y) {
    if (number < 0 || number > 7)
        return;
    DrawTarget& t = target();
    const ColorRef vorher = t.foreColor();
    t.setForeColor(kSymbolFarben[number]);
    if (number == 7)
        t.dot(x, y);
    else
        drawMarker(t, number, x, y, 0);
    t.setForeColor(vorher);
}

// One body or foot cell whose text line ends at `bottom`.
void clsTABELLE::zelle(const Variant& wert, int column, double left, double bottom) {
    const double width = spaltenBreite(column);
    const QString format = eintrag(m_ELFORMAT, column);
    if (format == QLatin1String("SYMBOL")) {
        if (const auto x = zahl(wert))
            symbol(polygon::roundHalfEven(*x), left + width / 2.0, bottom - m_EZH / 2.0);
        return;
    }
    const QString s = zellenText(wert, format);
    const double y = bottom - 1.0;
    switch (eintrag(m_ELA, column)) {
    case 1:
        text(s, left + width / 2.0, y, 1, 2);
        break;
    case 2:
        text(s, left + width - 1.5, y, 2, 2);
        break;
    case 3: {
        const int prefix = tabelle::decimalPrefixLength(s, regionalSettings().decimalSeparator);
        const double w = prefix > 0 ? target().textWidth(s.left(prefix)) : 0.0;
        text(s, tabelle::decimalAlignedLeft(left, width, w, format), y, 0, 2);
        break;
    }
    default:
        text(s, left + 1.5, y, 0, 2);
        break;
    }
}

// ---- Blocks -----------------------------------------------------------------------------------------

bool clsTABELLE::spalten(const Inhalt& inhalt, int& n) {
    if (!m_ELSB) {
        dialogs().message(QStringLiteral("Angabe der Spaltenbreiten in Objekt ") + target().name() +
                              QStringLiteral(" fehlt !"),
                          MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Tabelle"));
        return false;
    }
    n = int(std::min(m_ELSB->size(), inhalt.size()));
    m_W = 0;
    for (int c = 0; c < n; ++c)
        m_W += spaltenBreite(c);
    if (m_EZH <= 0)
        m_EZH = float(target().textHeight(QStringLiteral("X")));
    return true;
}

void clsTABELLE::kopf(const Inhalt& inhalt, int n) {
    const int rows = zeilenAnzahl(inhalt, n);
    const double y0 = double(m_EYDO) + m_ERO;
    m_hK = tabelle::blockHeight(rows, m_ERZ, m_EZA, m_EZH);
    rahmen(y0, m_hK, n, std::max(rows, 1));
    for (int r = 0; r < rows; ++r) {
        const double bottom = y0 + m_ERZ + m_EZH + r * double(m_EZA) * m_EZH;
        // Columns joined where a separator leaves this row out form one cell; its text is the first
        // non-empty one of the joined cells.
        for (int c = 0; c < n;) {
            int ende = c;
            while (ende + 1 < n && eintrag(m_ELGITLEER, ende) > r)
                ++ende;
            QString label;
            for (int j = c; j <= ende && label.isEmpty(); ++j)
                label = zellenText(zelleVon(inhalt, j, r), QString());
            const double left = spaltenLinks(c);
            const double right = spaltenLinks(ende) + spaltenBreite(ende);
            text(label, (left + right) / 2.0, bottom - 1.5, 1, 2);
            c = ende + 1;
        }
    }
}

void clsTABELLE::balkenPlatzieren(int lastFitting) {
    DrawTarget& t = target();
    const double pxX = t.scaleWidth() != 0 ? t.pixelWidth() / t.scaleWidth() : 1.0;
    const double pxY = t.scaleHeight() != 0 ? t.pixelHeight() / t.scaleHeight() : 1.0;
    const double top = double(m_EYDO) + m_ERO + m_hK + 0.5;
    const double left = double(m_EXDL) + m_ERL + m_W + 1.5;
    const double height = std::max(0.0, t.scaleHeight() - m_ERU - top);
    const QSignalBlocker still(m_yBalken); // the bar's owner redraws on changes; this is no change
    m_yBalken->setGeometry(int(std::lround((left - t.scaleLeft()) * pxX)),
                           int(std::lround((top - t.scaleTop()) * pxY)), int(std::lround(5.0 * pxX)),
                           int(std::lround(height * pxY)));
    m_yBalken->setRange(0, 10000);
    m_yBalken->setPageStep(2000);
    m_yBalken->setSingleStep(300);
    m_yBalken->setProperty(kBalkenZeilen, lastFitting);
    m_yBalken->show();
}

void clsTABELLE::zeilenfenster(int rows) {
    m_EEZ = 0;
    m_ELZ = int16_t(rows - 1);
    if (!m_yBalken || rows == 0)
        return;
    int k = 0;
    const TargetKind kind = target().kind();
    if (kind == TargetKind::PictureBox) {
        const double erste = double(m_ERO) + m_hK + m_ERZ + m_EZH;
        const double grenze = target().scaleHeight() - m_ERU;
        k = tabelle::lastFittingRow(erste, double(m_EZA) * m_EZH, grenze, rows);
        if (k >= rows - 1) {
            m_yBalken->hide();
            return;
        }
        balkenPlatzieren(k);
    } else if (kind == TargetKind::Printer) {
        // The printer takes the count of the screen: text heights differ a little between devices, and
        // the print must show the rows the user sees.
        QWidget* parent = m_yBalken->parentWidget();
        const bool sichtbar = parent ? m_yBalken->isVisibleTo(parent) : !m_yBalken->isHidden();
        const QVariant gezaehlt = m_yBalken->property(kBalkenZeilen);
        if (!sichtbar || !gezaehlt.isValid())
            return;
        k = gezaehlt.toInt();
        if (k >= rows - 1)
            return;
    } else {
        return;
    }
    const int spanne = m_yBalken->maximum() - m_yBalken->minimum();
    const double anteil = spanne != 0 ? double(m_yBalken->value()) / spanne : 0.0;
    const tabelle::RowWindow w = tabelle::scrolledWindow(anteil, k, rows);
    m_EEZ = int16_t(w.first);
    m_ELZ = int16_t(w.last);
}

void clsTABELLE::rumpf(const Inhalt& inhalt, int n) {
    const int rows = zeilenAnzahl(inhalt, n);
    const double y0 = double(m_EYDO) + m_ERO;
    zeilenfenster(rows);
    m_hR = tabelle::blockHeight(m_ELZ - m_EEZ + 1, m_ERZ, m_EZA, m_EZH);
    rahmen(y0 + m_hK + 0.5, m_hR, n, 0);
    for (int row = m_EEZ; row <= m_ELZ; ++row) {
        const double bottom = y0 + m_hK + m_ERZ + m_EZH + (row - m_EEZ) * double(m_EZA) * m_EZH;
        for (int c = 0; c < n; ++c)
            zelle(zelleVon(inhalt, c, row), c, spaltenLinks(c), bottom);
    }
    statistikBerechnen(inhalt, n);
}

void clsTABELLE::statistikBerechnen(const Inhalt& inhalt, int n) {
    m_statistik.assign(size_t(n), std::nullopt);
    const int rows = zeilenAnzahl(inhalt, n);
    const Variant strich(QStringLiteral("-"));
    for (int c = 0; c < n; ++c) {
        if (eintrag(m_ELMW, c) != 1)
            continue;
        std::vector<std::optional<double>> werte;
        for (int r = 0; r < rows; ++r)
            werte.push_back(zahl(zelleVon(inhalt, c, r)));
        const tabelle::ColumnStatistics s = tabelle::statistics(werte);
        Statistik out{strich, strich, strich};
        if (s.complete) {
            out.mittel = Variant(s.mean);
            out.abweichung = Variant(s.deviation);
            if (s.variation)
                out.variation = Variant(*s.variation);
        }
        m_statistik[size_t(c)] = out;
    }
}

std::optional<clsTABELLE::Statistik> clsTABELLE::statistik(int column) const {
    if (column < 0 || size_t(column) >= m_statistik.size())
        return std::nullopt;
    return m_statistik[size_t(column)];
}

void clsTABELLE::fuss(Inhalt& inhalt, int n) {
    for (int c = 0; c < n; ++c) {
        const auto s = statistik(c);
        if (!s || eintrag(m_ELMW, c) != 1)
            continue;
        auto& spalte = inhalt[size_t(c)];
        const Variant werte[3] = {s->mittel, s->abweichung, s->variation};
        for (size_t r = 0; r < 3 && r < spalte.size(); ++r)
            spalte[r] = werte[r];
    }
    const int rows = zeilenAnzahl(inhalt, n);
    const double y0 = double(m_EYDO) + m_ERO;
    m_hF = tabelle::blockHeight(rows, m_ERZ, m_EZA, m_EZH);
    rahmen(y0 + m_hK + m_hR + 1.0, m_hF, n, 0);
    for (int r = 0; r < rows; ++r) {
        // Half a millimetre lower than the body's rule would give, so that the foot's text keeps the
        // body's distance from its outline instead of touching it.
        const double bottom = y0 + m_hK + m_hR + 0.5 + m_ERZ + m_EZH + r * double(m_EZA) * m_EZH;
        for (int c = 0; c < n; ++c)
            zelle(zelleVon(inhalt, c, r), c, spaltenLinks(c), bottom);
    }
}

// ---- Public drawing ---------------------------------------------------------------------------------

void clsTABELLE::TABELLE(Inhalt& INHALT, int16_t POSITION) {
    ErrorRunner runner(QStringLiteral("Tabelle"));
    int n = 0;
    bool weiter = false;
    if (!runner.step([&] { weiter = spalten(INHALT, n); }) || !weiter)
        return;
    runner.step([&] {
        switch (POSITION) {
        case 0:
            kopf(INHALT, n);
            break;
        case 1:
            rumpf(INHALT, n);
            break;
        case 2:
            fuss(INHALT, n);
            break;
        default:
            break;
        }
    });
}

void clsTABELLE::TABELLE(const Inhalt& INHALT, int16_t POSITION) {
    Inhalt copy = INHALT;
    TABELLE(copy, POSITION);
}

void clsTABELLE::TITEL(const QString& TEXT) {
    ErrorRunner runner(QStringLiteral("Tabelle"));
    runner.step([&] { text(TEXT, double(m_EXDL) + m_ERL, double(m_EYDO) + m_ERO - m_ERZ - 1.5, 0, 2); });
}

void clsTABELLE::FUSSNOTE(const QString& TEXT) {
    ErrorRunner runner(QStringLiteral("Tabelle"));
    runner.step([&] {
        const double y = double(m_EYDO) + m_ERO + m_hK + m_hR + m_hF + m_ERZ + 1.5;
        text(TEXT, double(m_EXDL) + m_ERL + 1.5, y, 0, 0);
    });
}

} // namespace talur
