#pragma once
// The output page window: a landscape page with header and footer and nine pictures in five picture
// boxes, shown as a child window of the main window's MDI area. The drawing itself is done by the
// page's AusgabeSeite on the picture boxes; the window adds layout, clicks, keys and colours.
//
// The main window connects the hooks of SeitenUmgebung; none is required.
#include "page/AusgabeSeite.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QScrollBar;

namespace talur {

class PictureBox;
class RunContext;

// What frmKONTEXT needs when the page is clicked outside its pictures.
struct KontextAnfrage {
    QString tagBOKF;  // "1" when header and footer are shown, else "0"
    QString tagBOKFS; // likewise for the page numbering
    ColorRef farbeSeite = 0xFFFFFF; // start colour of the first colour dialog: the page background
    ColorRef farbeBild = 0xFFFFFF;  // of the second: the background of the first picture box
};

struct SeitenUmgebung {
    std::function<void(int)> fortschritt;         // progress bar of the start screen, 0 ... 100
    std::function<void(int)> befehlsfeldKlick;    // the main window's panel-click handler (panel index)
    std::function<void()> beenden;                // the main menu's quit command (Alt+Q)
    std::function<void(int)> befehlsfeldVerbergen; // hide a status-bar panel (14 on every activation)
    std::function<void(const KontextAnfrage&)> seitenKontext; // click on the page: show frmKONTEXT modeless
    std::function<void(int)> bildKontext; // mouse down on picture 11 / 12: frmKONTEXT11 / 12, modal
};

class mdiSEITE1 : public QWidget {
    Q_OBJECT
public:
    explicit mdiSEITE1(RunContext& kontext, SeitenUmgebung umgebung = {}, QWidget* parent = nullptr);
    ~mdiSEITE1() override;

    // Lays out the picture boxes and loads the page of the current record (or the given one).
    void laden(std::optional<int32_t> datensatz = std::nullopt);

    // Page options from frmKONTEXT: page colour, picture colour, header/footer and numbering flags.
    void KONTEXT(bool HBOKF, bool HBOKFS, ColorRef FARBEMDI, ColorRef FARBEPIC);
    // Prints the page on the job's sheet and redraws the screen.
    bool DRUCKEN(const Druckauftrag& auftrag);
    // Picture 11 ... 19 on the screen (the display-options dialogs redraw through these).
    void BILD(int nummer) { m_seite->bild(nummer); }

    // Called by the main window when this child window becomes active.
    void aktiviert();

    AusgabeSeite& seite() { return *m_seite; }
    PictureBox* seitenflaeche() const { return m_flaeche; }
    PictureBox* bildfeld(int index) const { return m_bilder[static_cast<size_t>(index)]; } // 0 = picBILD11
    // The five picture boxes in the order of the page's controls (what the page transfers picture by
    // picture); the page surface is no picture box of the page although it draws like one.
    const std::array<PictureBox*, 5>& bildfelder() const { return m_bilder; }
    PictureBox* picBILD11() const { return m_bilder[0]; }
    PictureBox* picBILD12() const { return m_bilder[1]; }
    PictureBox* picBILD13() const { return m_bilder[2]; }
    PictureBox* picBILD14() const { return m_bilder[3]; }
    PictureBox* picBILD15() const { return m_bilder[4]; }
    QScrollBar* vscBILD15() const { return m_vscBILD15; }
    ColorRef seitenfarbe() const;
    ColorRef bildfarbe() const;
    void setVersionsinfo(const Versionsinfo& info) { m_seite->setVersionsinfo(info); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void anordnen();
    // Command panel of a page key (0: the quit command), none for other keys.
    static std::optional<int> tastenFeld(const QKeyEvent* event);
    bool taste(QEvent* event);
    void seiteGeklickt();
    void freigeben();

    RunContext& m_kontext;
    SeitenUmgebung m_umgebung;
    PictureBox* m_flaeche = nullptr;
    std::array<PictureBox*, 5> m_bilder{};
    QScrollBar* m_vscBILD15 = nullptr;
    std::unique_ptr<AusgabeSeite> m_seite;
};

} // namespace talur
