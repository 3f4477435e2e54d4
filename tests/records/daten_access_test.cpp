// Connection switches, the statement's open result set, index ranges, record lists and deletion.
#include "records/clsDATEN.h"
#include "records/daten_support.h"

#include <QDir>

using namespace talur;
using talur::test::createDatabase;
using talur::test::DatenFixture;

namespace {

class DatenAccess : public DatenFixture {
protected:
    void SetUp() override {
        DatenFixture::SetUp();
        addRecord(3, "C", true);
        addRecord(1, "B", false);
        addRecord(2, "A", true);
        for (int i : {1, 2, 5})
            context.cnnX.execute(
                QStringLiteral("INSERT INTO [G0] ([ID],[IDOBJEKT],[OX]) VALUES (2,11,%1)").arg(i));
        context.cnnX.execute("INSERT INTO [G0] ([ID],[IDOBJEKT],[OX]) VALUES (2,12,40)");
        d = std::make_unique<clsDATEN>(context);
        d->setETABELLE("G0");
    }
    std::unique_ptr<clsDATEN> d;
};

} // namespace

TEST_F(DatenAccess, StatementHandsItsOpenResultSetToTheCaller) {
    EXPECT_EQ(d->ESPIDW(), 3) << "first active row in the table's order";
    d->setESPIDW(2);
    Recordset rs = d->DT("OX", {.SPI1 = "IDOBJEKT", .SPI1W = Variant(int16_t(11)), .SPI2 = "OX"});
    ASSERT_TRUE(rs.isOpen());
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.fieldName(1), "ID");
    rs.moveLast();
    EXPECT_EQ(rs.value(0).toInt16(), 5);
    rs.close();
    EXPECT_THROW(d->DT("NOPE"), RunError) << "errors reach the caller";
}

TEST_F(DatenAccess, IndexRanges) {
    d->setESPIDW(2);
    const struct {
        const char* what;
        GridSelection sel;
        int16_t mini, maxi, an;
    } cases[] = {
        {"rows 1, 2, 5", {.SPI1 = "IDOBJEKT", .SPI1W = Variant(int16_t(11)), .SPI2 = "OX"}, 1, 5, 3},
        {"no rows", {.SPI1 = "IDOBJEKT", .SPI1W = Variant(int16_t(13)), .SPI2 = "OX"}, 0, 0, 0},
        {"index column alone", {.SPI1 = "IDOBJEKT"}, 11, 12, 4},
    };
    for (const auto& c : cases) {
        int16_t mini = -1, maxi = -1, an = -1;
        d->INDEX(mini, maxi, an, c.sel);
        EXPECT_EQ(mini, c.mini) << c.what;
        EXPECT_EQ(maxi, c.maxi) << c.what;
        EXPECT_EQ(an, c.an) << c.what;

        int32_t miniL = -1, maxiL = -1, anL = -1;
        d->INDEXL(miniL, maxiL, anL, c.sel);
        EXPECT_EQ(miniL, c.mini) << c.what;
        EXPECT_EQ(maxiL, c.maxi) << c.what;
        EXPECT_EQ(anL, c.an) << c.what;

        Variant miniV, maxiV;
        int16_t anV = -1;
        d->INDEXV(miniV, maxiV, anV, c.sel);
        EXPECT_EQ(miniV.toInt16(), c.mini) << c.what;
        EXPECT_EQ(maxiV.toInt16(), c.maxi) << c.what;
        EXPECT_EQ(anV, c.an) << c.what;
    }
    Variant miniV;
    Variant maxiV;
    int16_t an = 0;
    d->INDEXV(miniV, maxiV, an, {.SPI1 = "IDOBJEKT"});
    EXPECT_EQ(miniV.type(), Variant::Type::Integer) << "INDEXV keeps the column's own type";
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenAccess, RecordListsByIdentifier) {
    const struct {
        bool active;
        std::vector<int32_t> ids;
        std::vector<QString> kens;
    } cases[] = {{true, {2, 3}, {"A", "C"}}, {false, {2, 1, 3}, {"A", "B", "C"}}};
    for (const auto& c : cases) {
        std::vector<int32_t> ids;
        std::vector<QString> kens;
        d->LID(ids, c.active);
        d->LKEN(kens, c.active);
        EXPECT_EQ(ids, c.ids);
        EXPECT_EQ(kens, c.kens);
    }
    context.cnnX.execute("DELETE FROM [E1]");
    std::vector<int32_t> ids{7};
    d->LID(ids, false);
    EXPECT_EQ(ids, std::vector<int32_t>{7}) << "no rows: the array stays";
}

TEST_F(DatenAccess, DeletionHonoursEveryPair) {
    d->setESPIDW(2);
    context.cnnX.execute("UPDATE [G0] SET [OY]=[OX] % 2");
    // The first three pairs select OX 1 and 5; the fourth narrows the deletion to OX 5.
    ASSERT_TRUE(d->LOESCHEN({.SPI1 = "IDOBJEKT",
                             .SPI1W = Variant(int16_t(11)),
                             .SPI2 = "OY",
                             .SPI2W = Variant(int16_t(1)),
                             .SPI3 = "IDOBJEKT",
                             .SPI3W = Variant(int16_t(11)),
                             .SPI4 = "OX",
                             .SPI4W = Variant(int16_t(5))}));
    EXPECT_EQ(rows("SELECT [OX] FROM [G0] ORDER BY [OX]"), (QStringList{"1", "2", "40"}));
    ASSERT_TRUE(d->LOESCHEN({.SPI1 = "IDOBJEKT", .SPI1W = Variant(int16_t(11))}));
    EXPECT_EQ(rows("SELECT [OX] FROM [G0]"), QStringList{"40"});
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenAccess, PresetsSwitchAndStandAloneMode) {
    const QString presets = folder.file("VORGABE.db");
    createDatabase(presets, "presets");
    context.cnnX_V.open(presets);
    context.cnnX_V.execute("INSERT INTO [TALUR_VE1] ([IDK],[AKVK]) VALUES (1,'Oedometer')");
    context.cnnX.execute("CREATE TABLE [TALUR_VE1] ([IDK] INTEGER, [AKVK] TEXT)");
    context.cnnX.execute("INSERT INTO [TALUR_VE1] ([IDK],[AKVK]) VALUES (1,'Arbeitskopie')");

    const struct {
        const char* programFolder;
        bool ebov;
        const char* expected;
    } cases[] = {
        {"/opt/talur/bin", true, "Oedometer"},
        {"/opt/talur/bin", false, "Arbeitskopie"},
        {"/home/x/Source/bin", true, "Arbeitskopie"},
    };
    for (const auto& c : cases) {
        context.setProgramFolder(c.programFolder);
        clsDATEN v(context);
        v.setEBOV(c.ebov);
        v.setETABELLE("TALUR_VE1");
        v.setESPID("IDK");
        v.setESPIDW(1);
        QString text;
        ASSERT_TRUE(v.DTVT("AKVK", text));
        EXPECT_EQ(text, c.expected) << c.programFolder << " " << c.ebov;
    }
}

TEST_F(DatenAccess, SeparateDatabaseInTheProjectFolder) {
    context.setProject(folder.path(), "P1", "");
    ASSERT_TRUE(QDir(folder.path()).mkpath("P1"));
    createDatabase(folder.path() + "/P1/MESS.db", "project");

    bool bomdb = true;
    d->setEMDB("FEHLT", bomdb);
    EXPECT_FALSE(bomdb);
    EXPECT_EQ(d->EMDB(), "FEHLT");
    int16_t mini = 0, maxi = 0, an = 0;
    d->setESPIDW(2);
    d->INDEX(mini, maxi, an, {.SPI1 = "OX"});
    EXPECT_EQ(an, 4) << "the previous connection stays";

    d->setEMDB("MESS", bomdb);
    EXPECT_TRUE(bomdb);
    d->INDEX(mini, maxi, an, {.SPI1 = "OX"});
    EXPECT_EQ(an, 0) << "now on the separate file";
    ASSERT_TRUE(d->DVTI("OX", 6));
    EXPECT_EQ(rows("SELECT COUNT(*) FROM [G0] WHERE [OX]=6"), QStringList{"0"});
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}
