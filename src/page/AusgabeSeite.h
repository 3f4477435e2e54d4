#pragma once
// The output page without its window: the record it shows, the header and footer, the nine pictures
// and printing. Every picture routine draws onto a DrawTarget — a picture box of the page on the screen,
// or the printed sheet — so screen, printer, PDF, image, SVG and the recording target of the tests all
// go through the same code. The window (mdiSEITE1) supplies its picture boxes as the screen surfaces.
#include "curves/Compression.h"
#include "curves/Mohr.h"
#include "curves/io/DialogCurveSink.h"
#include "page/SeitenDaten.h"
#include "page/SeitenTabellen.h"
#include "page/Versionsinfo.h"
#include "platform/draw/DrawTarget.h"

#include <QDateTime>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QScrollBar;

namespace talur {

class RunContext;
class clsDATEN;
class clsGRAFIK;
class clsKOPFFUSS;
class clsTABELLE;

// The screen surfaces of the page.
struct SeitenFlaechen {
    DrawTarget* seite = nullptr;          // the page's own drawing (header and footer)
    const DrawTarget* rahmen = nullptr;   // its extent defines the page for the header; nullptr: seite
    std::array<DrawTarget*, 5> bilder{};  // picBILD11 ... picBILD15
    QScrollBar* vscBILD15 = nullptr;      // scrolls the rows of the Coulomb table
};

// A print job on one sheet: its drawing target and the job operations of the printer.
struct Druckauftrag {
    DrawTarget* ziel = nullptr;
    std::function<void()> einrichten; // millimetres, A4, landscape
    std::function<void()> beenden;    // end of document
    std::function<void()> abbrechen;  // kill the document
};

inline constexpr int16_t kBildschirm = 0;
inline constexpr int16_t kDrucker = 1;

class AusgabeSeite {
public:
    AusgabeSeite(RunContext& kontext, SeitenFlaechen flaechen);
    ~AusgabeSeite();
    AusgabeSeite(const AusgabeSeite&) = delete;
    AusgabeSeite& operator=(const AusgabeSeite&) = delete;

    void setFortschritt(std::function<void(int)> fortschritt) { m_fortschritt = std::move(fortschritt); }
    void setVersionsinfo(const Versionsinfo& info) { m_version = info; }
    // Date and time of the footer; the default is the clock.
    void setJetzt(std::function<QDateTime()> jetzt) { m_jetzt = std::move(jetzt); }
    // Treat the record as to be reset (BONEU) whatever A1 says; for a headless rendering of a record that
    // has no graphic settings yet.
    void setBONEUErzwingen(bool erzwingen) { m_boneuErzwingen = erzwingen; }

    // Reads the record (the current record, or the given key), draws header, footer and the nine pictures
    // on the screen surfaces and advances the progress from 5 to 100.
    void laden(std::optional<int32_t> datensatz = std::nullopt);

    // Header and footer: 0 on the page, 1 on the printer of the running print job.
    void RAHMEN(int16_t ziel);
    // One picture: target 0 screen, 1 printer; offsets of the printed sheet in mm (printer only).
    void BILD11(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0);
    void BILD12(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0);
    void BILD13(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(13, ziel, EXDL, EYDO); }
    void BILD14(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(14, ziel, EXDL, EYDO); }
    void BILD15(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(15, ziel, EXDL, EYDO); }
    void BILD16(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(16, ziel, EXDL, EYDO); }
    void BILD17(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(17, ziel, EXDL, EYDO); }
    void BILD18(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(18, ziel, EXDL, EYDO); }
    void BILD19(int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0) { tabelle(19, ziel, EXDL, EYDO); }
    // Picture 11 ... 19 by number.
    void bild(int nummer, int16_t ziel = kBildschirm, float EXDL = 0, float EYDO = 0);

    // The page options: stores both flags, clears the page and redraws frame and pictures. The colours
    // belong to the window (mdiSEITE1::KONTEXT).
    void KONTEXT(bool HBOKF, bool HBOKFS);
    // Prints the page on the job's sheet, then redraws the screen. False when the user cancelled after an
    // error (the job was killed and the screen is not redrawn).
    bool DRUCKEN(const Druckauftrag& auftrag);
    // Only the printed sheet: frame (when shown) and the nine pictures, then the end of the document.
    // No screen redraw; for headless rendering.
    bool druckblatt(const Druckauftrag& auftrag);

    // Releases the data-access objects, the header/footer object, the graphic and the table objects.
    void freigeben();

    // ---- State ----------------------------------------------------------------------------------------
    RunContext& kontext() const { return m_kontext; }
    const SeitenFlaechen& flaechen() const { return m_flaechen; }
    const SeitenDaten& daten() const { return m_daten; }
    bool BONEU() const { return m_BONEU; }
    // Loaded and not yet released.
    bool geladen() const { return m_geladen; }
    bool HBOKF() const { return m_HBOKF; }
    bool HBOKFS() const { return m_HBOKFS; }
    float XMAX11() const { return m_XMAX11; }
    const CompressionResult& kompression() const { return m_kompression; }
    const MohrResult& mohr() const { return m_mohr; }
    TabellenErgebnisse tabellenErgebnisse() const;
    clsGRAFIK* grafik(int bild) const; // 11 or 12, nullptr before the first drawing
    clsTABELLE* tabellenObjekt(int bild) const; // 13 ... 19
    clsKOPFFUSS* kopffuss() const { return m_kopffuss.get(); }

private:
    void datenLesen(std::optional<int32_t> datensatz);
    void weiter(int fortschritt);
    DrawTarget* bildschirm(int feld) const;
    DrawTarget* zielFuer(int16_t ziel, int feld) const;
    void tabelle(int bild, int16_t ziel, float EXDL, float EYDO);
    // The drawing routines proper: target nullptr is reported as an unset object.
    void zeichneBild11(DrawTarget* ziel, bool drucker, float EXDL, float EYDO);
    void zeichneBild12(DrawTarget* ziel, bool drucker, float EXDL, float EYDO);
    void zeichneTabelle(int bild, DrawTarget* ziel, bool drucker, float EXDL, float EYDO);
    void zeichneRahmen(DrawTarget* ziel, const DrawTarget* rahmen, bool drucker);
    bool drucken(const Druckauftrag& auftrag, bool bildschirmNeu);
    CompressionInput kompressionsEingabe(float SIMAX) const;
    MohrInput mohrEingabe() const;

    RunContext& m_kontext;
    SeitenFlaechen m_flaechen;
    std::function<void(int)> m_fortschritt;
    std::function<QDateTime()> m_jetzt;
    Versionsinfo m_version;
    DialogCurveSink m_meldungen;
    bool m_boneuErzwingen = false;

    std::unique_ptr<clsDATEN> m_e1, m_e2, m_e3, m_a1, m_g0;
    std::unique_ptr<clsKOPFFUSS> m_kopffuss;
    std::unique_ptr<clsGRAFIK> m_grafik11, m_grafik12;
    std::array<std::unique_ptr<clsTABELLE>, 7> m_tabellen;
    DrawTarget* m_drucker = nullptr; // sheet of the running print job

    SeitenDaten m_daten;
    bool m_BONEU = false;
    bool m_geladen = false;
    bool m_HBOKF = true;
    bool m_HBOKFS = true;
    float m_XMAX11 = 0;
    float m_SI1 = 0;
    float m_SI2 = 0;
    CompressionResult m_kompression;
    bool m_kompressionGueltig = false;
    MohrResult m_mohr;
};

} // namespace talur
