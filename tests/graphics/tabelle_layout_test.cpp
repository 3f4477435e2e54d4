// Blocks, outlines, separators, spans and text placement of the table object.
#include "tabelle_fixture.h"

namespace talur::test {
namespace {

bool isBox(const Primitive& p, double x1, double y1, double x2, double y2) {
    return std::fabs(p.x1 - x1) < 1e-4 && std::fabs(p.y1 - y1) < 1e-4 && std::fabs(p.x2 - x2) < 1e-4 &&
           std::fabs(p.y2 - y2) < 1e-4;
}

// Vertical lines at x (within 1e-4), as (top, bottom) pairs.
std::vector<std::pair<double, double>> verticalsAt(const RecordingTarget& t, double x) {
    std::vector<std::pair<double, double>> out;
    for (const Primitive& p : t.lines())
        if (std::fabs(p.x1 - x) < 1e-4 && std::fabs(p.x2 - x) < 1e-4)
            out.emplace_back(p.y1, p.y2);
    return out;
}

TEST_F(TabelleFixture, AssigningWidthsResizesTheColumnLists) {
    tab.setELSB({10, 15, 15});
    tab.setELGIT({2, 1});
    tab.setELSB({10, 15, 15, 20});
    EXPECT_EQ(tab.ELGIT(), (std::vector<int16_t>{0, 0, 0, 0}));
    EXPECT_EQ(tab.ELMW(), (std::vector<int16_t>{0, 0, 0, 0}));
    EXPECT_EQ(tab.ELGITLEER(), (std::vector<int16_t>{0, 0, 0}));
    tab.setELSB(20.0f);
    ASSERT_TRUE(tab.ELSB().has_value());
    EXPECT_EQ(*tab.ELSB(), (std::vector<float>{20.0f}));
    EXPECT_TRUE(tab.ELGITLEER().empty());
}

TEST_F(TabelleFixture, MissingWidthsAreReportedAndNothingIsDrawn) {
    tab.TABELLE(kopf(2), 0);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    const DialogRecord& box = dialogs.transcript()[0];
    EXPECT_EQ(box.title, "Tabelle");
    EXPECT_EQ(box.text, "Angabe der Spaltenbreiten in Objekt picBILD15 fehlt !");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(target.primitives().isEmpty());
}

TEST_F(TabelleFixture, HeadBlockWithDoubleOutlineAndCentredTexts) {
    tab.setELSB({10, 20});
    tab.TABELLE(kopf(2), 0);
    // 2 rows: 2 * 1.5 + 1 * 1.5 * 3 + 3 = 10.5 high, 30 wide at (2.5, 7)
    EXPECT_DOUBLE_EQ(tab.hoeheKopf(), 10.5);
    const auto boxes = target.primitives(Primitive::Kind::Box);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(isBox(boxes[0], 2.5, 7, 32.5, 17.5));
    EXPECT_TRUE(isBox(boxes[1], 2.0, 6.5, 33.0, 18.0));
    EXPECT_EQ(texts(), (QStringList{"K0", "K1", "E0", "E1"}));
    // row 0 ends at 7 + 1.5 + 3 = 11.5, text bottom 1.5 mm above it; row 1 ends 4.5 mm lower
    const Primitive* k1 = text("K1");
    ASSERT_TRUE(k1);
    EXPECT_NEAR(k1->x1, 22.5 - tabTextW("K1") / 2, 1e-6);
    EXPECT_NEAR(k1->y1, 10.0 - kTabTextH, 1e-6);
    const Primitive* e0 = text("E0");
    ASSERT_TRUE(e0);
    EXPECT_NEAR(e0->x1, 7.5 - tabTextW("E0") / 2, 1e-6);
    EXPECT_NEAR(e0->y1, 14.5 - kTabTextH, 1e-6);
}

TEST_F(TabelleFixture, OnlyColumnsWithAWidthAreDrawn) {
    tab.setELSB({10, 15});
    tab.TABELLE(inhalt({{Variant("a")}, {Variant("b")}, {Variant("c")}}), 0);
    EXPECT_EQ(texts(), (QStringList{"a", "b"}));
    EXPECT_DOUBLE_EQ(tab.breite(), 25.0);
    ASSERT_FALSE(target.primitives(Primitive::Kind::Box).isEmpty());
    EXPECT_NEAR(target.primitives(Primitive::Kind::Box)[0].x2, 27.5, 1e-6);
}

TEST_F(TabelleFixture, SingleWidthMeansOneColumn) {
    tab.setELSB(12.0f);
    tab.TABELLE(inhalt({{Variant("a")}, {Variant("b")}}), 0);
    EXPECT_EQ(texts(), (QStringList{"a"}));
    EXPECT_DOUBLE_EQ(tab.breite(), 12.0);
}

TEST_F(TabelleFixture, BodyAlignmentsAndPlacementBelowTheHead) {
    tab.setELSB({20, 20, 20});
    tab.setELA({0, 1, 2});
    tab.TABELLE(kopf(3), 0);
    target.reset();
    tab.TABELLE(inhalt({{Variant("ab")}, {Variant("ab")}, {Variant("ab")}}), 1);
    // body top 7 + 10.5 + 0.5; row 0 ends at 7 + 10.5 + 1.5 + 3 = 22, text bottom 1 mm above
    const auto boxes = target.primitives(Primitive::Kind::Box);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(isBox(boxes[0], 2.5, 18, 62.5, 24));
    const auto t = target.texts();
    ASSERT_EQ(t.size(), 3);
    const double w = tabTextW("ab");
    EXPECT_NEAR(t[0].x1, 2.5 + 1.5, 1e-6);
    EXPECT_NEAR(t[1].x1, 32.5 - w / 2, 1e-6);
    EXPECT_NEAR(t[2].x1, 62.5 - 1.5 - w, 1e-6);
    for (const Primitive& p : t)
        EXPECT_NEAR(p.y1, 21.0 - kTabTextH, 1e-6);
}

TEST_F(TabelleFixture, SeparatorsSingleAndDoubleInHeadAndBody) {
    tab.setELSB({10, 10, 10});
    tab.setELGIT({2, 1});
    tab.TABELLE(kopf(3), 0);
    tab.TABELLE(inhalt({{Variant(1.0)}, {Variant(2.0)}, {Variant(3.0)}}), 1);
    // head 7..17.5, body 18..24
    EXPECT_EQ(verticalsAt(target, 12.5), (std::vector<std::pair<double, double>>{{7, 17.5}, {18, 24}}));
    EXPECT_EQ(verticalsAt(target, 13.0), (std::vector<std::pair<double, double>>{{7, 17.5}, {18, 24}}));
    EXPECT_EQ(verticalsAt(target, 22.5), (std::vector<std::pair<double, double>>{{7, 17.5}, {18, 24}}));
    EXPECT_TRUE(verticalsAt(target, 23.0).empty());
}

TEST_F(TabelleFixture, LeftOutHeadRowsJoinTheCellsBesideTheSeparator) {
    struct Case {
        int16_t leer;
        std::vector<std::pair<double, double>> separator; // boundary 0 at x = 12.5
    };
    // Half-way between the text of head row 0 (bottom 10) and of row 1 (top 14.5 - 3 = 11.5).
    const Case cases[] = {{0, {{7, 17.5}, {18, 24}}}, {1, {{10.75, 17.5}, {18, 24}}}, {2, {{18, 24}}}};
    for (const Case& c : cases) {
        target.reset();
        tab.setELSB({10, 10, 10});
        tab.setELGIT({1, 1});
        tab.setELGITLEER({c.leer, 0});
        tab.TABELLE(inhalt({{Variant("Titel"), Variant("a")},
                            {Variant(""), Variant("b")},
                            {Variant("c"), Variant("d")}}),
                    0);
        tab.TABELLE(inhalt({{Variant(1.0)}, {Variant(2.0)}, {Variant(3.0)}}), 1);
        EXPECT_EQ(verticalsAt(target, 12.5), c.separator) << "ELGITLEER " << c.leer;
        EXPECT_EQ(verticalsAt(target, 22.5), (std::vector<std::pair<double, double>>{{7, 17.5}, {18, 24}}));
        const Primitive* titel = text("Titel");
        ASSERT_TRUE(titel);
        const double centre = c.leer > 0 ? 12.5 : 7.5; // over columns 0 and 1 when joined
        EXPECT_NEAR(titel->x1, centre - tabTextW("Titel") / 2, 1e-6) << "ELGITLEER " << c.leer;
        const Primitive* b = text("b");
        if (c.leer < 2) {
            ASSERT_TRUE(b);
            EXPECT_NEAR(b->x1, 17.5 - tabTextW("b") / 2, 1e-6) << "row 1 is not joined";
        } else {
            EXPECT_FALSE(b) << "row 1 is joined as well; its text is the first one, \"a\"";
            ASSERT_TRUE(text("a"));
            EXPECT_NEAR(text("a")->x1, 12.5 - tabTextW("a") / 2, 1e-6);
        }
    }
}

TEST_F(TabelleFixture, HeadTextsUseTheMarkup) {
    tab.setELSB(20.0f);
    tab.TABELLE(inhalt({{Variant("{g,1}s{t,1}v")}}), 0);
    const auto t = target.texts();
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[0].shown, QStringLiteral("σ"));
    EXPECT_EQ(t[1].text, "v");
    EXPECT_LT(t[1].font.size, t[0].font.size);
}

TEST_F(TabelleFixture, FootBlockTitleAndFootnotePositions) {
    tab.setELSB({10, 10});
    tab.TABELLE(kopf(2), 0);
    tab.TABELLE(inhalt({{Variant(1.0), Variant(2.0)}, {Variant(3.0), Variant(4.0)}}), 1);
    EXPECT_DOUBLE_EQ(tab.hoeheRumpf(), 3 + 4.5 + 3);
    target.reset();
    tab.TABELLE(inhalt({{Variant("f")}, {Variant("g")}}), 2);
    // foot outline at 7 + 10.5 + 10.5 + 1 = 29, one row: 6 high
    const auto boxes = target.primitives(Primitive::Kind::Box);
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(isBox(boxes[0], 2.5, 29, 22.5, 35));
    const Primitive* f = text("f");
    ASSERT_TRUE(f);
    // the text keeps the distance from the outline that body texts have (body: outline 18, text line 22)
    EXPECT_NEAR(f->y1, 29 + (22 - 18) - 1 - kTabTextH, 1e-6);

    target.reset();
    tab.TITEL(QStringLiteral("Titel"));
    tab.FUSSNOTE(QStringLiteral("Fußnote"));
    const auto t = target.texts();
    ASSERT_EQ(t.size(), 2);
    EXPECT_NEAR(t[0].x1, 2.5, 1e-6);
    EXPECT_NEAR(t[0].y1, 7 - 1.5 - 1.5 - kTabTextH, 1e-6); // bottom of the title 3 mm above the table
    EXPECT_NEAR(t[1].x1, 4.0, 1e-6);
    EXPECT_NEAR(t[1].y1, 7 + 10.5 + 10.5 + 6 + 1.5 + 1.5, 1e-6); // top of the footnote below the foot
}

TEST_F(TabelleFixture, LineHeightComesFromTheTargetWhenNotSet) {
    tab.setEZH(0);
    tab.setELSB(10.0f);
    tab.TABELLE(kopf(1), 0);
    EXPECT_NEAR(tab.EZH(), kTabTextH, 1e-6);
    EXPECT_NEAR(tab.hoeheKopf(), 3 + 1.5 * kTabTextH + kTabTextH, 1e-5);
}

TEST_F(TabelleFixture, LineAndFontSettings) {
    tab.LINIENEINSTELLUNGEN(2, 0.5f, 0x00FF00);
    EXPECT_EQ(target.drawStyle(), 2);
    EXPECT_EQ(target.drawWidth(), 2); // 0.5 mm at 96 dpi
    EXPECT_EQ(target.drawMode(), 13);
    EXPECT_EQ(target.foreColor(), 0x00FF00);
    tab.LINIENEINSTELLUNGEN(0, 0, 0);
    EXPECT_EQ(target.drawWidth(), 1);
    EXPECT_EQ(target.foreColor(), 0);

    tab.SCHRIFTEINSTELLUNGEN(QString(), 9, -1, 0, 0, 0);
    EXPECT_EQ(target.font().name, "Arial");
    EXPECT_EQ(target.font().size, 9.0);
    EXPECT_TRUE(target.font().bold);
    target.reset();
    tab.setELSB(20.0f);
    tab.TABELLE(inhalt({{Variant("{t,1}x")}}), 0);
    ASSERT_EQ(target.texts().size(), 1);
    EXPECT_EQ(target.texts()[0].font.size, 8.0); // 9 / 1.175 = 7.66
    EXPECT_TRUE(target.texts()[0].font.bold);
}

} // namespace
} // namespace talur::test
