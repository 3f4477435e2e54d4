#pragma once
// A framed table of text and numbers on a picture box or the printer page, in millimetres: a head
// block (titles and units), a body block (values) and optionally a foot block, each with a double
// outline, column separators, per-column alignment and number format; a title above and a footnote
// below. A body that does not fit into its picture box is scrolled with a vertical scroll bar, and the
// printer shows the same rows. Texts use the markup of the graphic object's labels.
#include "graphics/FontSlots.h"
#include "platform/core/Variant.h"
#include "platform/draw/DrawTarget.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class QScrollBar;

namespace talur {

class clsTABELLE {
public:
    // Table content indexed (column, row), both from 0.
    using Inhalt = std::vector<std::vector<Variant>>;

    clsTABELLE() = default;
    clsTABELLE(const clsTABELLE&) = delete;
    clsTABELLE& operator=(const clsTABELLE&) = delete;

    // Assigning records the target's pixels per unit and applies the default font (Arial 8, black).
    // The object does not own the target.
    DrawTarget* EOBJEKT() const { return m_target; }
    void setEOBJEKT(DrawTarget* target);
    // Scroll bar of the body rows (a child of the picture box); not owned.
    QScrollBar* EYBALKEN() const { return m_yBalken; }
    void setEYBALKEN(QScrollBar* bar) { m_yBalken = bar; }

    float EXDL() const { return m_EXDL; }
    void setEXDL(float mm) { m_EXDL = mm; }
    float EYDO() const { return m_EYDO; }
    void setEYDO(float mm) { m_EYDO = mm; }
    float ERL() const { return m_ERL; }
    void setERL(float mm) { m_ERL = mm; }
    float ERO() const { return m_ERO; }
    void setERO(float mm) { m_ERO = mm; }
    float ERU() const { return m_ERU; }
    void setERU(float mm) { m_ERU = mm; }
    float ERZ() const { return m_ERZ; }
    void setERZ(float mm) { m_ERZ = mm; }
    float EZA() const { return m_EZA; }
    void setEZA(float factor) { m_EZA = factor; }
    // Text line height; 0 or less: the target's height of "X" at the first TABELLE call.
    float EZH() const { return m_EZH; }
    void setEZH(float mm) { m_EZH = mm; }

    // Column widths. A single number gives one column. Assigning resizes ELGITLEER to one entry less
    // than the number of widths and ELGIT and ELMW to the number of widths, all entries 0.
    const std::optional<std::vector<float>>& ELSB() const { return m_ELSB; }
    void setELSB(float width);
    void setELSB(std::vector<float> widths);
    // Per column boundary i (after column i): 0 none, 1 single line, 2 double line.
    const std::vector<int16_t>& ELGIT() const { return m_ELGIT; }
    void setELGIT(std::vector<int16_t> v) { m_ELGIT = std::move(v); }
    // Per column boundary: head rows the separator leaves out (the cells beside it form one cell there).
    const std::vector<int16_t>& ELGITLEER() const { return m_ELGITLEER; }
    void setELGITLEER(std::vector<int16_t> v) { m_ELGITLEER = std::move(v); }
    // Per column: 0 left, 1 centred, 2 right, 3 on the decimal point.
    const std::vector<int16_t>& ELA() const { return m_ELA; }
    void setELA(std::vector<int16_t> v) { m_ELA = std::move(v); }
    // Per column: number format pattern ("#0.00"), "" plain text, "SYMBOL" a point symbol.
    const std::vector<QString>& ELFORMAT() const { return m_ELFORMAT; }
    void setELFORMAT(std::vector<QString> v) { m_ELFORMAT = std::move(v); }
    // Per column: 1 computes mean, standard deviation and coefficient of variation for the foot.
    const std::vector<int16_t>& ELMW() const { return m_ELMW; }
    void setELMW(std::vector<int16_t> v) { m_ELMW = std::move(v); }

    // First and last body row drawn by the latest body block.
    int16_t EEZ() const { return m_EEZ; }
    int16_t ELZ() const { return m_ELZ; }

    // POSITION 0 head, 1 body, 2 foot (head before body before foot). For the foot, the statistics
    // of the ELMW columns are written into rows 0 to 2 of the content before it is drawn.
    void TABELLE(Inhalt& INHALT, int16_t POSITION);
    void TABELLE(const Inhalt& INHALT, int16_t POSITION);
    void TITEL(const QString& TEXT);
    void FUSSNOTE(const QString& TEXT);

    void LINIENEINSTELLUNGEN(int16_t LINIENART, float LINIENBREITE, ColorRef FARBE);
    void SCHRIFTEINSTELLUNGEN(const QString& SCHRIFTART, int16_t SCHRIFTGROESSE, int16_t FETT,
                              int16_t UNTERSTRICHEN, int16_t KURSIV, ColorRef FARBE);

    // Heights of the blocks drawn so far and the table width (mm).
    double hoeheKopf() const { return m_hK; }
    double hoeheRumpf() const { return m_hR; }
    double hoeheFuss() const { return m_hF; }
    double breite() const { return m_W; }

    // Cell texts of the statistics of one body column ("-" where the column was not complete).
    struct Statistik {
        Variant mittel;
        Variant abweichung;
        Variant variation;
    };
    std::optional<Statistik> statistik(int column) const;

private:
    bool spalten(const Inhalt& inhalt, int& n);
    void kopf(const Inhalt& inhalt, int n);
    void rumpf(const Inhalt& inhalt, int n);
    void fuss(Inhalt& inhalt, int n);
    void zeilenfenster(int rows);
    void balkenPlatzieren(int lastFitting);
    void rahmen(double top, double height, int n, int leerZeilen);
    void trennlinie(int boundary, double x, double top, double bottom);
    void zelle(const Variant& wert, int column, double left, double bottom);
    void symbol(int number, double x, double y);
    void text(const QString& label, double x, double y, int arx, int ary);
    void statistikBerechnen(const Inhalt& inhalt, int n);
    double spaltenLinks(int column) const;
    double spaltenBreite(int column) const;
    DrawTarget& target() const;

    DrawTarget* m_target = nullptr;
    QScrollBar* m_yBalken = nullptr;
    double m_ppuX = 1.0;
    FontSlots m_slots;

    float m_EXDL = 0, m_EYDO = 0;
    float m_ERL = 2.5f, m_ERO = 2.5f, m_ERU = 2.5f, m_ERZ = 1.5f, m_EZA = 1.0f, m_EZH = 0.0f;
    std::optional<std::vector<float>> m_ELSB;
    std::vector<int16_t> m_ELGIT, m_ELGITLEER, m_ELA, m_ELMW;
    std::vector<QString> m_ELFORMAT;
    int16_t m_EEZ = 0, m_ELZ = 0;

    double m_W = 0, m_hK = 0, m_hR = 0, m_hF = 0;
    std::vector<std::optional<Statistik>> m_statistik;
};

} // namespace talur
