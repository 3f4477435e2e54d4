// Menus, start screen and about box.
#include "ShellFixture.h"

#include "platform/core/SystemInfo.h"
#include "shell/MainMenu.h"
#include "shell/clsADRESSE.h"
#include "shell/frmINFO.h"
#include "shell/mdiAUTOSTART.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>

namespace talur::test {

TEST_F(ShellTest, MenuItemsExistWithTheirNamesCaptionsAndInitialStates) {
    ASSERT_EQ(start(), StartResult::Running);
    const MainMenu& menus = m_main->menus();
    struct Item {
        const char* name;
        const char* caption;
        bool enabled;
    } items[] = {
        {"mnuDATEI", "&Datei", true},
        {"mnuNEU", "&Neu", true},
        {"mnuOEFFNEN", "&Öffnen", true},
        {"mnuAUSWAHL", "&Auswahl", true},
        {"mnuEXPIMP", "&Export-Import", true},
        {"mnuEXPINF", "Export-&Inf.system", false},
        {"mnuLOESCHEN", "&Löschen", true},
        {"mnuSCHLIESSEN", "&Schließen", true},
        {"mnuSPEICHERN", "&Speichern", true},
        {"mnuBEENDEN", "&Beenden", true},
        {"mnuAUSWERTEN", "&Auswerten", true},
        {"mnuEINGABEGRAFIK", "&Eingabegrafik", false},
        {"mnuBERECHNEN", "&Berechnen", true},
        {"mnuMBERECHNEN", "&MBerechnen", false},
        {"mnuFBERECHNEN", "&FBerechnen", false},
        {"mnuNEUBERECHNEN", "&Neuberechnen", true},
        {"mnuEXTRAS", "E&xtras", true},
        {"mnuVVORGABEN", "&Vorgaben", false},
        {"mnuVEVORGABEN", "&Elektronikvorgaben", false},
        {"mnuWERKZEUGE", "&Werkzeuge", false},
        {"mnuTEXT", "&Text", true},
        {"mnuPOLYGON", "&Polygon", true},
        {"mnuKREIS", "&Kreisbogen", true},
        {"mnuKOMPRIMIEREN", "&Komprimieren", true},
        {"mnuFRAGEZEICHEN", "&?", true},
        {"mnuHILFE", "&Hilfe", true},
        {"mnuREADME", "&ReadMe", true},
        {"mnuHINWEISE", "Hin&weise", true},
        {"mnuINFO", "&Info", true},
    };
    EXPECT_EQ(menus.names().size(), qsizetype(std::size(items)));
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        const auto* action = m_main->findChild<QAction*>(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(action->isEnabled(), item.enabled);
    }
    // The four menus of the menu bar, in order.
    QStringList top;
    for (const QAction* action : m_main->menuBar()->actions())
        top << action->objectName();
    EXPECT_EQ(top, (QStringList{"mnuDATEI", "mnuAUSWERTEN", "mnuEXTRAS", "mnuFRAGEZEICHEN"}));
    // The graphic tools sit in their own sub-menu.
    EXPECT_EQ(menus.menu(QStringLiteral("mnuWERKZEUGE"))->actions().size(), 3);
}

TEST_F(ShellTest, EnglishMenuCaptions) {
    sys::overrideLocale(QStringLiteral("en_US"));
    ASSERT_EQ(start(), StartResult::Running);
    const MainMenu& menus = m_main->menus();
    const QPair<const char*, const char*> items[] = {
        {"mnuSCHLIESSEN", "&Done"},
        {"mnuEINGABEGRAFIK", "&Graphics of Input Data"},
        {"mnuNEUBERECHNEN", "Calculate &First"},
        {"mnuFBERECHNEN", "Calculate &Next"},
        {"mnuEXTRAS", "Tools"},
        {"mnuWERKZEUGE", "Grafic Tools"},
        {"mnuKREIS", "Circle"},
        {"mnuKOMPRIMIEREN", "Compact Database"},
        {"mnuHILFE", "Help"},
        {"mnuREADME", "&ReadMe"},
        {"mnuEXPINF", "Export-&Inf.system"},
        {"mnuINFO", "&Info"},
    };
    for (const auto& [name, caption] : items)
        EXPECT_EQ(menus.action(QString::fromLatin1(name))->text(), QString::fromUtf8(caption)) << name;
}

TEST_F(ShellTest, StartScreenIsAMaximisedChildWithTitleVersionAndHiddenProgressBar) {
    ASSERT_EQ(start(), StartResult::Running);
    mdiAUTOSTART* screen = m_main->startScreen();
    ASSERT_NE(screen, nullptr);
    const QList<QMdiSubWindow*> children = m_main->mdiArea()->subWindowList();
    ASSERT_EQ(children.size(), 1);
    EXPECT_TRUE(children[0]->isMaximized());
    EXPECT_EQ(screen->title(), QStringLiteral("Verolan"));
    EXPECT_EQ(screen->subtitle(), QStringLiteral("Sedimo"));
    EXPECT_EQ(screen->version(), QStringLiteral("Version Februar 2002"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("lblKOPF_0"))->text(),
              QStringLiteral("Quenvarra-Stiftung für Geotechnik"));
    EXPECT_EQ(screen->findChild<QLabel*>(QStringLiteral("lblKOPF_2"))->text(),
              QStringLiteral("Vorsitzender: Prof. Dr.-Ing. Erika Mustermann"));
    EXPECT_TRUE(screen->findChild<QLabel*>(QStringLiteral("lblKOPF_3"))
                    ->text()
                    .startsWith(QStringLiteral("Telefon: ")));

    EXPECT_FALSE(screen->progressShown());
    screen->showProgress();
    screen->setProgress(40);
    EXPECT_TRUE(screen->progressShown());
    EXPECT_EQ(screen->progress(), 40);
    screen->setProgress(140);
    EXPECT_EQ(screen->progress(), 100);
    screen->hideProgress();
    EXPECT_FALSE(screen->progressShown());
}

TEST(StartScreen, LayoutFollowsTheWindowSize) {
    mdiAUTOSTART screen(1);
    screen.resize(1200, 800);
    screen.show();
    const int W = screen.width();
    const int H = screen.height();
    const auto twips = [&screen](double t) { return qRound(t * screen.logicalDpiY() / 1440.0); };
    const auto* frame = screen.findChild<QFrame*>(QStringLiteral("fraKOPF"));
    EXPECT_NEAR(frame->width(), 0.98 * W, 1.0);
    EXPECT_NEAR(frame->x() + frame->width() / 2.0, W / 2.0, 1.0);
    const auto* logo = screen.findChild<QLabel*>(QStringLiteral("imgZANT"));
    EXPECT_NEAR(logo->height(), 0.85 * frame->height(), 1.0);
    EXPECT_LE(logo->x() + logo->width(), frame->width());
    const auto* title = screen.findChild<QLabel*>(QStringLiteral("lblTITEL"));
    EXPECT_NEAR(title->x() + title->width() / 2.0, W / 2.0, 1.0);
    EXPECT_NEAR(title->y(), (H - title->height()) / 2.75, 1.0);
    const auto* subtitle = screen.findChild<QLabel*>(QStringLiteral("lblUNTERTITEL"));
    EXPECT_GT(subtitle->y(), title->y());
    const auto* version = screen.findChild<QLabel*>(QStringLiteral("lblVERSION"));
    EXPECT_EQ(version->text(), QStringLiteral("Version February 2002"));
    EXPECT_EQ(version->y(), H - twips(1000));
    EXPECT_EQ(version->x(), twips(200));
    const auto* bar = screen.findChild<QProgressBar*>(QStringLiteral("pgbBERECHNEN"));
    EXPECT_EQ(bar->width(), W / 4);
    EXPECT_EQ(bar->y(), version->y() - 3 * bar->height());
    EXPECT_TRUE(bar->isHidden());
    const auto* diagram = screen.findChild<QLabel*>(QStringLiteral("imgDIA"));
    EXPECT_EQ(diagram->x() + diagram->width(), W - twips(1000));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("lblKOPF_2"))->text().left(16),
              QStringLiteral("Head of Found.: "));
}

TEST(AboutBox, TextsInBothLanguages) {
    struct Case {
        int sprache;
        const char* caption;
        const char* button;
        const char* chair;
        const char* phone;
        const char* developers;
    } cases[] = {
        {3, "Info zu TALUR", "Schließen", "Vorsitzender: ", "Telefon: ", "Programmentwicklung: "},
        {1, "Info of TALUR", "Done", "Head of Found.: ", "Phone: ", "Program developed by: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sprache);
        frmINFO info(c.sprache);
        const clsADRESSE address(c.sprache);
        EXPECT_EQ(info.windowTitle(), QString::fromLatin1(c.caption));
        EXPECT_EQ(info.buttonCaption(), QString::fromUtf8(c.button));
        EXPECT_EQ(info.lblORB(0), address.FIRMA1());
        EXPECT_EQ(info.lblORB(1), address.FIRMA2());
        EXPECT_EQ(info.lblORB(2), address.STR() + QStringLiteral(", ") + address.PLZ());
        EXPECT_EQ(info.lblORB(3), QString::fromLatin1(c.chair) + address.VORSITZ());
        EXPECT_EQ(info.lblORB(4), QString::fromLatin1(c.phone) + address.TEL());
        EXPECT_EQ(info.lblORB(5), QStringLiteral("Fax: ") + address.FAX());
        EXPECT_EQ(info.lblORB(6), QStringLiteral("E-Mail: ") + address.EMAIL());
        EXPECT_EQ(info.lblORB(7), QStringLiteral("Internet: ") + address.URL());
        EXPECT_EQ(info.lblINFO(0), QStringLiteral("Orvalis"));
        EXPECT_EQ(info.lblINFO(1), QStringLiteral("Verolan"));
        EXPECT_EQ(info.lblINFO(2), QStringLiteral("Sedimo"));
        EXPECT_TRUE(info.lblINFO(4).startsWith(QStringLiteral("Version ")));
        EXPECT_TRUE(info.lblINFO(5).contains(QStringLiteral("Quenvarra")));
        EXPECT_TRUE(info.lblINFO(6).startsWith(QString::fromLatin1(c.developers)));
    }
}

TEST(AboutBox, DeveloperNamesAreCutAfterTheCommaAtOrBeyondPositionFifty) {
    const QString fifty = QString(49, QLatin1Char('x')); // a comma right after this is at position 50
    struct Case {
        QString names;
        QString shown;
    } cases[] = {
        {QStringLiteral("A. Alpha, B. Beta"), QStringLiteral("A. Alpha, B. Beta")},
        {fifty + QStringLiteral(", B"), fifty + QStringLiteral(", ...")},
        {QStringLiteral("A, ") + fifty + QStringLiteral(", C"),
         QStringLiteral("A, ") + fifty + QStringLiteral(", ...")},
        {QString(60, QLatin1Char('y')), QString(60, QLatin1Char('y'))}, // long, no comma: unchanged
        {QString(50, QLatin1Char('z')) + QStringLiteral(",z"),
         QString(50, QLatin1Char('z')) + QStringLiteral(", ...")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmINFO::developerText(c.names), c.shown) << c.names.toStdString();
}

TEST(Address, LanguageDependentLinesAreEmptyForOtherLanguages) {
    const clsADRESSE german(3), english(1), other(2);
    EXPECT_EQ(german.FIRMA1(), QStringLiteral("Quenvarra-Stiftung für Geotechnik"));
    EXPECT_EQ(english.FIRMA1(), QStringLiteral("Quenvarra Foundation for Geotechnics"));
    EXPECT_TRUE(other.FIRMA1().isEmpty());
    EXPECT_TRUE(other.FIRMA2().isEmpty());
    EXPECT_TRUE(other.PLZ().isEmpty());
    EXPECT_EQ(other.STR(), german.STR());
    EXPECT_TRUE(german.EMAIL().endsWith(QStringLiteral(".example")));
    EXPECT_TRUE(german.URL().endsWith(QStringLiteral(".example")));
}

TEST_F(ShellTest, StartScreenStaysBehindOtherChildWindows) {
    ASSERT_EQ(start(), StartResult::Running);
    auto* page = new QWidget;
    QMdiSubWindow* pageWindow = m_main->mdiArea()->addSubWindow(page);
    pageWindow->show();
    m_main->mdiArea()->setActiveSubWindow(pageWindow);
    QMdiSubWindow* startWindow = m_main->mdiArea()->subWindowList().first();
    m_main->mdiArea()->setActiveSubWindow(startWindow);
    EXPECT_EQ(m_main->mdiArea()->activeSubWindow(), pageWindow);
}

} // namespace talur::test
