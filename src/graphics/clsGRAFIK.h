#pragma once
// The drawing object of one picture: the target (picture box or printer page), the drawing area in
// millimetres, the persisted settings row of the picture in G0, line and font settings, the axis
// scales and the world-to-millimetre mapping. The mapping is valid after SKALEN has run (or after a
// caller set the row with setZeile).
//
// Flags are 16-bit integers: -1 true, 0 false.
//
// Drawing routines are spread over several files of this folder:
//   clsGRAFIK.cpp          properties, target measuring, line and font settings, coordinate mapping
//   clsGRAFIK_SKALEN.cpp   SKALEN with TEILUNG, MASSSTAB, scroll bars and the axis drawing
//   clsGRAFIK_TEXT.cpp     TEXT (markup through MarkupRenderer)
//   clsGRAFIK_POLYGON.cpp  POLYGON, LINIE, PFEIL, RICHTUNG
// Derived routines reach the state through the public getters below (zeile(), plotBox(), xOffset(),
// yOffset(), schriften(), EOBJEKT(), EPTYP() ...); no friend access is needed.
#include "graphics/FontSlots.h"
#include "graphics/SingleArray.h"
#include "graphics/Teilung.h"
#include "platform/draw/DrawTarget.h"

#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

class QScrollBar;

namespace talur {

class RunContext;
class clsDATEN;

// The values of the picture's settings row in G0 (bounds as decimal logarithms on a logarithmic axis
// once SKALEN has drawn).
struct G0Zeile {
    int16_t OX = 1; // 1: world x grows to the right
    int16_t OY = 1; // 1: world y grows upward
    float RL = 0, RR = 0, RO = 0, RU = 0;
    float XMIN = 0, XMAX = 0, YMIN = 0, YMAX = 0;
    float MYMX = 0;
    float MX = 0, MY = 0; // world units per millimetre
};

class clsGRAFIK {
public:
    // Takes EID from the first active record of E1 (0 when there is none).
    explicit clsGRAFIK(RunContext& context);
    ~clsGRAFIK();
    clsGRAFIK(const clsGRAFIK&) = delete;
    clsGRAFIK& operator=(const clsGRAFIK&) = delete;

    // ---- Properties ---------------------------------------------------------------------------------
    // The record key is a 32-bit key like every ID of the project tables.
    int32_t EID() const { return m_EID; }
    void setEID(int32_t id) { m_EID = id; }
    int16_t EIDOBJEKT() const { return m_EIDOBJEKT; }
    void setEIDOBJEKT(int16_t picture) { m_EIDOBJEKT = picture; }

    // Assigning measures the target (pixels per unit), sets ELX/ELY from its outer size and applies
    // the default font. The object does not own the target.
    DrawTarget* EOBJEKT() const { return m_target; }
    void setEOBJEKT(DrawTarget* target);
    QScrollBar* EXBALKEN() const { return m_xBalken; }
    void setEXBALKEN(QScrollBar* bar) { m_xBalken = bar; }
    QScrollBar* EYBALKEN() const { return m_yBalken; }
    void setEYBALKEN(QScrollBar* bar) { m_yBalken = bar; }

    float EXDL() const { return m_EXDL; }
    void setEXDL(float mm) { m_EXDL = mm; }
    float EYDO() const { return m_EYDO; }
    void setEYDO(float mm) { m_EYDO = mm; }
    // Assigning ELX resets ELXMIN to (0, ELX), ELXDIFF to (ELX), ELXIT to (1), ELXGIT and ELXZL to (0);
    // ELY does the same for the y lists.
    float ELX() const { return m_ELX; }
    void setELX(float mm);
    float ELY() const { return m_ELY; }
    void setELY(float mm);

    int16_t EAXEX() const { return m_EAXEX; }
    void setEAXEX(int16_t v) { m_EAXEX = v; }
    int16_t EAXEY() const { return m_EAXEY; }
    void setEAXEY(int16_t v) { m_EAXEY = v; }
    int16_t ESKTX() const { return m_ESKTX; }
    void setESKTX(int16_t v) { m_ESKTX = v; }
    int16_t ESKTY() const { return m_ESKTY; }
    void setESKTY(int16_t v) { m_ESKTY = v; }
    int16_t EBOXMIN() const { return m_EBOXMIN; }
    void setEBOXMIN(int16_t v) { m_EBOXMIN = v; }
    int16_t EBOXMAX() const { return m_EBOXMAX; }
    void setEBOXMAX(int16_t v) { m_EBOXMAX = v; }
    int16_t EBOYMIN() const { return m_EBOYMIN; }
    void setEBOYMIN(int16_t v) { m_EBOYMIN = v; }
    int16_t EBOYMAX() const { return m_EBOYMAX; }
    void setEBOYMAX(int16_t v) { m_EBOYMAX = v; }

    // Lists; an empty bound list means "no list" (the axis keeps the stored bounds undivided).
    const std::vector<double>& ELXMIN() const { return m_ELXMIN; }
    void setELXMIN(std::vector<double> v) { m_ELXMIN = std::move(v); }
    const std::vector<double>& ELXDIFF() const { return m_ELXDIFF; }
    void setELXDIFF(std::vector<double> v) { m_ELXDIFF = std::move(v); }
    const std::vector<int>& ELXIT() const { return m_ELXIT; }
    void setELXIT(std::vector<int> v) { m_ELXIT = std::move(v); }
    const std::vector<int>& ELXGIT() const { return m_ELXGIT; }
    void setELXGIT(std::vector<int> v); // also assigns ELXZL
    const std::vector<int>& ELXZL() const { return m_ELXZL; }
    void setELXZL(std::vector<int> v) { m_ELXZL = std::move(v); }
    const std::vector<double>& ELYMIN() const { return m_ELYMIN; }
    void setELYMIN(std::vector<double> v) { m_ELYMIN = std::move(v); }
    const std::vector<double>& ELYDIFF() const { return m_ELYDIFF; }
    void setELYDIFF(std::vector<double> v) { m_ELYDIFF = std::move(v); }
    const std::vector<int>& ELYIT() const { return m_ELYIT; }
    void setELYIT(std::vector<int> v) { m_ELYIT = std::move(v); }
    const std::vector<int>& ELYGIT() const { return m_ELYGIT; }
    void setELYGIT(std::vector<int> v); // also assigns ELYZL
    const std::vector<int>& ELYZL() const { return m_ELYZL; }
    void setELYZL(std::vector<int> v) { m_ELYZL = std::move(v); }

    const QString& ETEXTX() const { return m_ETEXTX; }
    void setETEXTX(const QString& v) { m_ETEXTX = v; }
    const QString& ETEXTY() const { return m_ETEXTY; }
    void setETEXTY(const QString& v) { m_ETEXTY = v; }
    const QString& ESKZX() const { return m_ESKZX; }
    void setESKZX(const QString& v) { m_ESKZX = v; }
    const QString& ESKZY() const { return m_ESKZY; }
    void setESKZY(const QString& v) { m_ESKZY = v; }
    // Assigned from a Single and rounded (halves to even).
    int16_t EXYIT() const { return m_EXYIT; }
    void setEXYIT(float v);
    int16_t EPTYP() const { return m_EPTYP; }
    void setEPTYP(int16_t v) { m_EPTYP = v; }

    // ---- Settings -----------------------------------------------------------------------------------
    // Pen: style (0 solid, 1 dash, 2 dot ...), width in mm (0: one pixel), colour (0: black).
    void LINIENEINSTELLUNGEN(int16_t LINIENART, float LINIENBREITE, ColorRef FARBE);
    // Target font ("" -> "Arial", size <= 0 -> 8) and fore colour, then the derived font slots 1..5.
    void SCHRIFTEINSTELLUNGEN(const QString& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                              int16_t UNTERSTRICHEN, int16_t KURSIV, ColorRef FARBE);

    // ---- Coordinate mapping -------------------------------------------------------------------------
    // World to target millimetres (logarithmic axes: X, Y already decimal logarithms). A failed x
    // computation (MX = 0) leaves XP unchanged and y is still computed.
    void KOORDTRANS(float X, float Y, float& XP, float& YP);
    // Target millimetres to world; SKTX/SKTY = 1 raise the result to the power of ten.
    void KOORDTRANSINV(float XP, float YP, float& X, float& Y, int16_t SKTX, int16_t SKTY);

    // ---- Drawing ------------------------------------------------------------------------------------
    // Axis scales. NR 1: start the bound search and store the bounds; 2: continue it and store; other
    // values draw (-1: single data set, the search starts from the data). X, Y: the data of one curve.
    void SKALEN(int16_t NR, const SkalenFeld& X = {}, const SkalenFeld& Y = {});
    // Markup label. KO 1 world point (clipped to the plot box), 2 millimetres from the drawing area's
    // top-left corner, other values target millimetres. AL degrees counter-clockwise; ARX 0/1/2
    // start/centre/end; ARY 0/1/2 top/centre/bottom. A numeric label with an exponent is rewritten
    // ("2E+05" -> "2*10{h,3}+05") and handed back in TEXT.
    void TEXT(float X, float Y, QString& TEXT, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY);
    void TEXT(float X, float Y, const QString& TEXT, int16_t KO, int16_t AL, int16_t ARX, int16_t ARY);

    // Polyline of one data series in the coordinate system of SKALEN; line type EPTYP. On a logarithmic
    // axis the caller's arrays are replaced by their decimal logarithms. BOL: optional segment mask.
    void POLYGON(SingleArray& X, SingleArray& Y, int16_t PSIT, int16_t PSTYP, int16_t PNR, QString& TEXT,
                 int16_t LAGETEXT, int16_t LAGEPFEIL, int16_t FARBEN, const std::vector<int16_t>* BOL = nullptr);
    // The part of a segment (target mm) inside the closed plot box; FB 0: a line in the fore colour,
    // other: the filled axis-parallel rectangle of the clipped piece in colour FB.
    void LINIE(float X1, float Y1, float X2, float Y2, ColorRef FB);
    // Arrowhead at (PX2, PY2) for a line from (PX1, PY1), target mm.
    void PFEIL(float PX1, float PY1, float PX2, float PY2);
    // Direction angle in [0, 2π) of the vector from (x1, y1) to (x2, y2) in target coordinates.
    static double RICHTUNG(double x1, double y1, double x2, double y2);

    // Arcs (KREIS) belong here, next to the polylines.

    // The engineering-symbol methods (GELAENDESCHRAFFUR, KOTENDREIECK, LASTFLAECHEN, SCHNITTKRAFT)
    // belong here.

    // ---- State for the drawing routines -------------------------------------------------------------
    RunContext& context() const { return m_context; }
    // The settings row as loaded by SKALEN; setZeile lets a caller fix the mapping without SKALEN.
    const G0Zeile& zeile() const { return m_zeile; }
    void setZeile(const G0Zeile& zeile) { m_zeile = zeile; }
    // Scroll offsets in mm (0 unless a scroll bar is in use).
    float xOffset() const { return m_xOffset; }
    float yOffset() const { return m_yOffset; }
    void setOffsets(float x, float y) {
        m_xOffset = x;
        m_yOffset = y;
    }
    // Plot box on the target in mm, without scroll offsets: left = EXDL + RL, top = EYDO + RO,
    // right = EXDL + ELX - RR, bottom = EYDO + ELY - RU.
    QRectF plotBox() const;
    // Pixels per scale unit of the target, measured when EOBJEKT was assigned.
    double pixelsPerUnitX() const { return m_ppuX; }
    double pixelsPerUnitY() const { return m_ppuY; }
    FontSlots& schriften() { return m_slots; }
    const FontSlots& schriften() const { return m_slots; }
    const AchsenTeilung& xTeilung() const { return m_xTeilung; }
    const AchsenTeilung& yTeilung() const { return m_yTeilung; }

    // Decimal logarithm, 0 for arguments <= 0 (as the curve models take it).
    static double LG(double x);

private:
    // Scale routine parts (clsGRAFIK_SKALEN.cpp).
    bool leseZeile(clsDATEN& daten);
    bool leseMassstab(clsDATEN& daten);
    void schreibeWert(clsDATEN& daten, const QString& column, float value);
    void TEILUNG(int16_t NR, bool xAchse, int16_t loFlag, int16_t hiFlag, const SingleArray& data);
    void gleicheMassstaebe(const SingleArray& xs, const SingleArray& ys);
    void speichereGrenzen(clsDATEN& daten);
    void MASSSTAB();
    void rollbalken();
    bool balkenSichtbar() const;
    void zeichneXAchse(float xa, float ya, float xb, float yb);
    void zeichneYAchse(float xa, float ya, float xb, float yb);
    void achsenText(float x, float y, const QString& text, int16_t angle, int16_t ary);
    int32_t ersteAktiveId() const;

    RunContext& m_context;
    int32_t m_EID = 0;
    int16_t m_EIDOBJEKT = 11;
    DrawTarget* m_target = nullptr;
    QScrollBar* m_xBalken = nullptr;
    QScrollBar* m_yBalken = nullptr;
    float m_EXDL = 0, m_EYDO = 0, m_ELX = 0, m_ELY = 0;
    int16_t m_EAXEX = 1, m_EAXEY = 1, m_ESKTX = 0, m_ESKTY = 0;
    int16_t m_EBOXMIN = 0, m_EBOXMAX = 0, m_EBOYMIN = 0, m_EBOYMAX = 0;
    std::vector<double> m_ELXMIN, m_ELXDIFF, m_ELYMIN, m_ELYDIFF;
    std::vector<int> m_ELXIT, m_ELXGIT, m_ELXZL, m_ELYIT, m_ELYGIT, m_ELYZL;
    QString m_ETEXTX, m_ETEXTY;
    QString m_ESKZX = QStringLiteral("####0");
    QString m_ESKZY = QStringLiteral("####0");
    int16_t m_EXYIT = 0;
    int16_t m_EPTYP = 0;

    double m_ppuX = 1, m_ppuY = 1;
    G0Zeile m_zeile;
    float m_xOffset = 0, m_yOffset = 0;
    FontSlots m_slots;
    AchsenTeilung m_xTeilung, m_yTeilung;
};

} // namespace talur
