// The failure messages of the record data-access class: text, title, icon, buttons, OK and Cancel.
#include "platform/grid/GridControl.h"
#include "records/DatenControls.h"
#include "records/clsDATEN.h"
#include "records/daten_support.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>

using namespace talur;
using talur::test::DatenFixture;

namespace {

class DatenMessages : public DatenFixture {
protected:
    void SetUp() override {
        DatenFixture::SetUp();
        addRecord(7, "A", true);
        for (int i = 1; i <= 4; ++i)
            context.cnnX.execute(
                QStringLiteral("INSERT INTO [E3] ([ID],[I1],[SIV]) VALUES (7,%1,%1)").arg(i));
        d = std::make_unique<clsDATEN>(context);
    }
    void expectBox(const QString& text, MsgButtons buttons,
                   const QString& title = QStringLiteral("Datenfehler")) {
        const DialogRecord box = onlyBox();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.buttons, buttons);
        dialogs.clearTranscript();
    }
    std::unique_ptr<clsDATEN> d;
};

} // namespace

TEST_F(DatenMessages, SingleValueAndArrayFailures) {
    d->setETABELLE("E2");
    EXPECT_FALSE(d->DVTT("N", "viel"));
    expectBox("Wert viel kann nicht in die Spalte N der Tabelle E2 gespeichert werden!", MsgButtons::Ok);
    EXPECT_EQ(rows("SELECT * FROM [E2]").size(), 0) << "the failing row is not stored";

    EXPECT_FALSE(d->DVTTF("N", {"x"}));
    expectBox("Werte können nicht in Spalte N der Tabelle E2 gespeichert werden!", MsgButtons::Ok);

    QLabel outsideArray("x"); // no index to store
    EXPECT_FALSE(d->DFTLI("N", outsideArray));
    expectBox("Wert  kann nicht in die Spalte N der Tabelle E2 gespeichert werden!", MsgButtons::Ok);

    QString text;
    EXPECT_FALSE(d->DTVT("NOPE", text));
    expectBox("Wert  kann nicht aus der Spalte NOPE der Tabelle E2 eingelesen werden!", MsgButtons::Ok);
}

TEST_F(DatenMessages, ArrayReadReportsEachExcessRowAndCancelStops) {
    d->setETABELLE("E3");
    const QString text =
        QStringLiteral("Werte der Spalte SIV der Tabelle E3 können nicht aus der Spalte SIV eingelesen "
                       "werden!\nVB-Error: 9\nIndex außerhalb des gültigen Bereichs");
    std::vector<float> three(3, 0.0f);
    EXPECT_TRUE(d->DTVSF("SIV", three, {.SPI1 = "I1"})) << "OK continues";
    expectBox(text, MsgButtons::OkCancel);
    EXPECT_EQ(three, (std::vector<float>{1, 2, 3}));

    std::vector<float> two(2, 0.0f);
    dialogs.queueAnswer(MsgAnswer::Ok);
    EXPECT_TRUE(d->DTVSF("SIV", two, {.SPI1 = "I1"}));
    EXPECT_EQ(dialogs.transcript().size(), 2) << "each further excess row reports again";
    dialogs.clearTranscript();

    dialogs.queueAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(d->DTVSF("SIV", two, {.SPI1 = "I1"}));
    EXPECT_EQ(dialogs.transcript().size(), 1);
}

TEST_F(DatenMessages, GridWriteReportsARowAndOkGoesOn) {
    d->setETABELLE("E3");
    GridControl grid;
    setControlIndex(grid, 2);
    grid.setRows(4);
    for (int r = 1; r <= 3; ++r)
        grid.setText(r, 1, r == 2 ? "zwei" : QString::number(r * 10));
    EXPECT_TRUE(d->DFTF("SIV", grid, "1", {.SPI1 = "I1"}));
    expectBox("Werte der Spalte SIV der Tabelle E3 können nicht in die Spalte 1\nder FlexGrid-Tabelle 2 "
              "geschrieben "
              "werden!\nVB-Error: 13\nTypen unverträglich",
              MsgButtons::OkCancel);
    EXPECT_EQ(rows("SELECT [SIV] FROM [E3] WHERE [ID]=7 ORDER BY [I1]"), (QStringList{"10", "2", "30"}))
        << "row 2 keeps its value, row 4 is surplus";

    dialogs.queueAnswer(MsgAnswer::Cancel);
    grid.setText(1, 1, "eins");
    grid.setText(3, 1, "99");
    EXPECT_FALSE(d->DFTFM("SIV", grid, "1", {.SPI1 = "I1"}));
    EXPECT_EQ(rows("SELECT [SIV] FROM [E3] WHERE [ID]=7 ORDER BY [I1]"), (QStringList{"10", "2", "30"}));
}

TEST_F(DatenMessages, AGridThatCannotBeReadDeletesNothing) {
    d->setETABELLE("E3");
    GridControl grid;
    grid.setRows(2);
    EXPECT_FALSE(d->DFTF("SIV", grid, "7", {.SPI1 = "I1"})) << "OK does not go on with no values";
    expectBox(
        "Werte der Spalte SIV der Tabelle E3 können nicht in die Spalte 7\nder FlexGrid-Tabelle  geschrieben "
        "werden!\nVB-Error: 380\nUnzulässiger Eigenschaftswert",
        MsgButtons::OkCancel);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM [E3] WHERE [ID]=7"), QStringList{"4"});
}

TEST_F(DatenMessages, AnEnabledGridWithoutDataRowsDeletesNothing) {
    // Only a disabled grid stands for a record without rows; an enabled one whose fixed rows fill it is
    // a grid that could not be read.
    d->setETABELLE("E3");
    GridControl grid;
    setControlIndex(grid, 0);
    grid.setRows(grid.fixedRows());
    ASSERT_TRUE(grid.enabled());
    EXPECT_FALSE(d->DFTF("SIV", grid, "1", {.SPI1 = "I1"}));
    expectBox("Werte der Spalte SIV der Tabelle E3 können nicht in die Spalte 1\nder FlexGrid-Tabelle 0 "
              "geschrieben werden!\nVB-Error: 9\nIndex außerhalb des gültigen Bereichs",
              MsgButtons::OkCancel);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM [E3] WHERE [ID]=7"), QStringList{"4"});
}

TEST_F(DatenMessages, GridReadAndListFill) {
    d->setETABELLE("E3");
    GridControl grid; // not in a control array: no index in the text
    dialogs.queueAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(d->DTFFM("SIV", grid, "5", {.SPI1 = "I1"}));
    expectBox(
        "Werte der Spalte SIV der Tabelle E3 können nicht in die Spalte 5\nder FlexGrid-Tabelle  eingelesen "
        "werden!\nVB-Error: 380\nUnzulässiger Eigenschaftswert",
        MsgButtons::OkCancel);

    QComboBox box;
    dialogs.queueAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(d->DTFMM("NOPE", box));
    expectBox("Werte der Spalte NOPE der Tabelle E3 können nicht aus der Spalte NOPE eingelesen werden!",
              MsgButtons::OkCancel);
}

TEST_F(DatenMessages, IndexListsDeletionInitialisationAndSeparateDatabase) {
    d->setETABELLE("E3");
    int16_t mini = 9, maxi = 9, an = 9;
    dialogs.queueAnswer(MsgAnswer::Cancel);
    d->INDEX(mini, maxi, an, {.SPI1 = "I1", .SPI2 = "SIV"});
    expectBox("VB-Error: 13\nTypen unverträglich", MsgButtons::OkCancel, "Index");
    EXPECT_EQ(an, 9) << "Cancel leaves the outputs as they were";

    context.cnnX.close();
    clsDATEN closed(context);
    expectBox("VB-Error: 3709\n" + standardDescription(err::ConnectionClosed), MsgButtons::OkCancel);
    EXPECT_EQ(closed.ESPIDW(), 0);

    std::vector<int32_t> ids{1};
    closed.LID(ids, true);
    expectBox("VB-Error: 3709\n" + standardDescription(err::ConnectionClosed), MsgButtons::OkCancel);
    EXPECT_EQ(ids, std::vector<int32_t>{1});
    dialogs.queueAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(closed.LOESCHEN());
    expectBox("VB-Error: 3709\n" + standardDescription(err::ConnectionClosed), MsgButtons::OkCancel);

    // A file of that name that is no database.
    context.setProject(folder.path(), "P1", "");
    QDir(folder.path()).mkpath("P1");
    QFile junk(folder.path() + "/P1/MESS.db");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    bool bomdb = true;
    closed.setEMDB("MESS", bomdb);
    const DialogRecord box = onlyBox();
    EXPECT_EQ(box.title, "Datenzugriff - Datenbank MESS");
    EXPECT_TRUE(box.text.startsWith("VB-Error: -2147467259\n")) << box.text.toStdString();
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_FALSE(bomdb) << "no connection, whatever the answer";
}
