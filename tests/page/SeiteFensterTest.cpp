// The page window: layout of the picture boxes, keys forwarded to the command panel, clicks that open
// the display options, activation, the scroll bar of the Coulomb table, colours, and closing.
#include "graphics/clsTABELLE.h"
#include "page/SeitenFixture.h"
#include "page/mdiSEITE1.h"
#include "platform/draw/PictureBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace talur::test {
namespace {

class SeiteFenster : public SeitenTest {
protected:
    void SetUp() override {
        SeitenTest::SetUp();
        Datensatz d;
        for (int i = 1; i <= 19; ++i)
            d.SIV.push_back(0.05f * i);
        anlegen(d);
        SeitenUmgebung u;
        u.befehlsfeldKlick = [this](int feld) { m_felder.push_back(feld); };
        u.beenden = [this] { ++m_beenden; };
        u.befehlsfeldVerbergen = [this](int feld) { m_verborgen.push_back(feld); };
        u.seitenKontext = [this](const KontextAnfrage& a) { m_anfragen.push_back(a); };
        u.bildKontext = [this](int bild) { m_bilder.push_back(bild); };
        m_fenster = std::make_unique<mdiSEITE1>(m_kontext, u);
        m_fenster->resize(1200, 800);
        m_fenster->laden();
    }

    static void klick(QWidget* w, QPoint wo = {5, 5}) {
        QMouseEvent druck(QEvent::MouseButtonPress, QPointF(wo), w->mapToGlobal(QPointF(wo)), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(w, &druck);
    }

    static void taste(QWidget* w, int key, Qt::KeyboardModifiers mods) {
        QKeyEvent e(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(w, &e);
    }

    std::unique_ptr<mdiSEITE1> m_fenster;
    std::vector<int> m_felder, m_verborgen, m_bilder;
    std::vector<KontextAnfrage> m_anfragen;
    int m_beenden = 0;
};

TEST_F(SeiteFenster, PictureBoxesSitWhereThePageLayoutPutsThem) {
    const double proMm = m_fenster->picBILD11()->logicalDpiX() / 25.4;
    struct Fall {
        int index;
        double links, oben, breite, hoehe; // mm
    } faelle[] = {{0, 15, 30, 115, 64}, {1, 15, 94, 115, 71}, {2, 135, 30, 120, 35}, {3, 135, 65, 120, 35},
                  {4, 135, 100, 120, 65}};
    for (const Fall& f : faelle) {
        const QRect g = m_fenster->bildfeld(f.index)->geometry();
        EXPECT_NEAR(g.x(), f.links * proMm, 1) << f.index;
        EXPECT_NEAR(g.y(), f.oben * proMm, 1) << f.index;
        EXPECT_NEAR(g.width(), f.breite * proMm, 1) << f.index;
        EXPECT_NEAR(g.height(), f.hoehe * proMm, 1) << f.index;
        EXPECT_EQ(m_fenster->bildfeld(f.index)->tag(), QStringLiteral("11"));
    }
    EXPECT_EQ(m_fenster->picBILD13()->objectName(), QStringLiteral("picBILD13"));
}

TEST_F(SeiteFenster, KeysGoToTheCommandPanelFirst) {
    struct Fall {
        int key;
        Qt::KeyboardModifiers mods;
        int feld; // 0: quit
    } faelle[] = {{Qt::Key_Escape, Qt::NoModifier, 15}, {Qt::Key_S, Qt::ControlModifier, 10},
                  {Qt::Key_P, Qt::ControlModifier, 11},  {Qt::Key_C, Qt::ControlModifier, 12},
                  {Qt::Key_W, Qt::ControlModifier, 13},  {Qt::Key_A, Qt::ControlModifier, 14},
                  {Qt::Key_Q, Qt::AltModifier, 0}};
    // The page sees the keys before its controls, also when the scroll bar has the focus.
    for (QWidget* empfaenger : {static_cast<QWidget*>(m_fenster.get()), static_cast<QWidget*>(m_fenster->vscBILD15())}) {
        for (const Fall& f : faelle) {
            m_felder.clear();
            m_beenden = 0;
            taste(empfaenger, f.key, f.mods);
            if (f.feld == 0) {
                EXPECT_EQ(m_beenden, 1);
                EXPECT_TRUE(m_felder.empty());
            } else {
                EXPECT_EQ(m_felder, std::vector<int>{f.feld}) << f.key;
            }
        }
    }
    // Shortcuts of the main window do not take the page's keys away: the page claims them.
    m_felder.clear();
    QKeyEvent anspruch(QEvent::ShortcutOverride, Qt::Key_P, Qt::ControlModifier);
    anspruch.ignore();
    QApplication::sendEvent(m_fenster->picBILD12(), &anspruch);
    EXPECT_TRUE(anspruch.isAccepted());
    EXPECT_TRUE(m_felder.empty());
    QKeyEvent fremd(QEvent::ShortcutOverride, Qt::Key_O, Qt::ControlModifier);
    fremd.ignore();
    QApplication::sendEvent(m_fenster.get(), &fremd);
    EXPECT_FALSE(fremd.isAccepted());

    taste(m_fenster.get(), Qt::Key_S, Qt::NoModifier);
    taste(m_fenster.get(), Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(m_felder.empty());
}

TEST_F(SeiteFenster, ClicksOpenTheDisplayOptions) {
    klick(m_fenster->seitenflaeche(), QPoint(2, 2));
    ASSERT_EQ(m_anfragen.size(), 1u);
    EXPECT_EQ(m_anfragen[0].tagBOKF, QStringLiteral("1"));
    EXPECT_EQ(m_anfragen[0].tagBOKFS, QStringLiteral("1"));
    EXPECT_EQ(m_anfragen[0].farbeSeite, m_fenster->seitenflaeche()->backColor());

    klick(m_fenster->picBILD11());
    klick(m_fenster->picBILD12());
    klick(m_fenster->picBILD13());
    EXPECT_EQ(m_bilder, (std::vector<int>{11, 12}));

    m_fenster->KONTEXT(false, false, 0xC0C0C0, 0xE0FFFF);
    klick(m_fenster->seitenflaeche(), QPoint(2, 2));
    ASSERT_EQ(m_anfragen.size(), 2u);
    EXPECT_EQ(m_anfragen[1].tagBOKF, QStringLiteral("0"));
    EXPECT_EQ(m_anfragen[1].tagBOKFS, QStringLiteral("0"));
    EXPECT_EQ(m_anfragen[1].farbeSeite, 0xC0C0C0);
    EXPECT_EQ(m_anfragen[1].farbeBild, 0xE0FFFF);
    // The new colours fill the pictures.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_fenster->bildfeld(i)->image().pixelColor(0, 0), QColor(0xFF, 0xFF, 0xE0)) << i;
}

TEST_F(SeiteFenster, ActivationHidesTheUnusedPanel) {
    QEvent aktiv(QEvent::WindowActivate);
    QApplication::sendEvent(m_fenster.get(), &aktiv);
    m_fenster->aktiviert();
    EXPECT_EQ(m_verborgen, (std::vector<int>{14, 14}));
}

TEST_F(SeiteFenster, ScrollingRedrawsTheThreeTablesOfTheLastBox) {
    QScrollBar* balken = m_fenster->vscBILD15();
    ASSERT_TRUE(balken->isVisibleTo(m_fenster->picBILD15()));
    const clsTABELLE* vorher17 = m_fenster->seite().tabellenObjekt(17);
    const clsTABELLE* vorher13 = m_fenster->seite().tabellenObjekt(13);
    balken->setValue(balken->maximum());
    EXPECT_NE(m_fenster->seite().tabellenObjekt(17), vorher17);
    EXPECT_EQ(m_fenster->seite().tabellenObjekt(13), vorher13);
    EXPECT_EQ(m_fenster->seite().tabellenObjekt(17)->ELZ(), 19);
    EXPECT_GT(m_fenster->seite().tabellenObjekt(17)->EEZ(), 0);
}

TEST_F(SeiteFenster, ClosingReleasesWhatThePageHolds) {
    ASSERT_NE(m_fenster->seite().grafik(11), nullptr);
    m_fenster->close();
    EXPECT_EQ(m_fenster->seite().grafik(11), nullptr);
    EXPECT_EQ(m_fenster->seite().grafik(12), nullptr);
    EXPECT_EQ(m_fenster->seite().kopffuss(), nullptr);
    for (int bild = 13; bild <= 19; ++bild)
        EXPECT_EQ(m_fenster->seite().tabellenObjekt(bild), nullptr) << bild;
}

} // namespace
} // namespace talur::test
