// Single values between a row and the form controls.
#include "records/DatenControls.h"
#include "records/clsDATEN.h"
#include "records/daten_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

using namespace talur;
using talur::test::DatenFixture;

namespace {

class DatenControls : public DatenFixture {
protected:
    void SetUp() override {
        DatenFixture::SetUp();
        context.cnnX.execute("CREATE TABLE [C1] ([ID] INTEGER, [T] TEXT, [I] SMALLINT, [B] BOOLEAN)");
        addRecord(5, "A", true);
        d = std::make_unique<clsDATEN>(context);
        d->setETABELLE("C1");
    }
    QString storedT() { return rows("SELECT [T] FROM [C1] WHERE [ID]=5").value(0); }
    QString storedI() { return rows("SELECT [I] FROM [C1] WHERE [ID]=5").value(0); }

    std::unique_ptr<clsDATEN> d;
};

} // namespace

TEST_F(DatenControls, EveryControlWritesItsProperty) {
    QCheckBox check("Kappa");
    check.setTristate(true);
    check.setCheckState(Qt::PartiallyChecked);
    QListWidget list;
    list.addItems({"0,2", "0,4", "0,6"});
    list.setCurrentRow(1);
    QListWidget unselected;
    unselected.addItems({"a"});
    QLabel label("Beschriftung");
    setControlIndex(label, 3);
    QComboBox combo;
    combo.addItems({"eins", "zwei"});
    combo.setCurrentIndex(1);
    QComboBox noEntry;
    QRadioButton option("Option");
    option.setChecked(true);
    QLineEdit text("Kies");

    const struct {
        const char* method;
        std::function<bool()> write;
        const char* column;
        const char* stored;
    } cases[] = {
        {"DFTC", [&] { return d->DFTC("I", check); }, "I", "2"},
        {"DFTCV", [&] { return d->DFTCV("I", check); }, "I", "2"},
        {"DFTCC", [&] { return d->DFTCC("T", check); }, "T", "Kappa"},
        {"DFTI", [&] { return d->DFTI("T", list); }, "T", "0,4"},
        {"DFTIS", [&] { return d->DFTIS("T", unselected); }, "T", "<null>"},
        {"DFTIL", [&] { return d->DFTIL("I", list); }, "I", "1"},
        {"DFTIL without selection", [&] { return d->DFTIL("I", unselected); }, "I", "-1"},
        {"DFTL", [&] { return d->DFTL("T", label); }, "T", "Beschriftung"},
        {"DFTLC", [&] { return d->DFTLC("T", label); }, "T", "Beschriftung"},
        {"DFTLI", [&] { return d->DFTLI("I", label); }, "I", "3"},
        {"DFTM", [&] { return d->DFTM("T", combo); }, "T", "zwei"},
        {"DFTMT", [&] { return d->DFTMT("T", combo); }, "T", "zwei"},
        {"DFTML", [&] { return d->DFTML("I", combo); }, "I", "1"},
        {"DFTMS", [&] { return d->DFTMS("T", combo); }, "T", "zwei"},
        {"DFTMS without entry", [&] { return d->DFTMS("T", noEntry); }, "T", "<null>"},
        {"DFTO", [&] { return d->DFTO("B", option); }, "B", "True"},
        {"DFTOV", [&] { return d->DFTOV("I", option); }, "I", "-1"},
        {"DFTOC", [&] { return d->DFTOC("T", option); }, "T", "Option"},
        {"DFTT", [&] { return d->DFTT("T", text); }, "T", "Kies"},
        {"DFTTT", [&] { return d->DFTTT("T", text); }, "T", "Kies"},
    };
    for (const auto& c : cases) {
        context.cnnX.execute("DELETE FROM [C1]");
        ASSERT_TRUE(c.write()) << c.method;
        EXPECT_EQ(rows(QStringLiteral("SELECT [%1] FROM [C1] WHERE [ID]=5").arg(c.column)),
                  QStringList{c.stored})
            << c.method;
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenControls, EveryControlReadsItsProperty) {
    context.cnnX.execute("INSERT INTO [C1] ([ID],[T],[I],[B]) VALUES (5,'zwei',1,1)");
    QCheckBox check;
    QListWidget list;
    list.addItems({"a", "b"});
    QLabel label;
    QComboBox combo;
    combo.addItems({"eins", "zwei"});
    QComboBox editable;
    editable.setEditable(true);
    QRadioButton option;
    QLineEdit text;

    ASSERT_TRUE(d->DTFC("I", check));
    EXPECT_EQ(check.checkState(), Qt::Checked);
    ASSERT_TRUE(d->DTFCC("T", check));
    EXPECT_EQ(check.text(), "zwei");
    ASSERT_TRUE(d->DTFIL("I", list));
    EXPECT_EQ(list.currentRow(), 1);
    ASSERT_TRUE(d->DTFI("T", list));
    EXPECT_EQ(list.item(2)->text(), "zwei");
    ASSERT_TRUE(d->DTFL("T", label));
    EXPECT_EQ(label.text(), "zwei");
    ASSERT_TRUE(d->DTFML("I", combo));
    EXPECT_EQ(combo.currentIndex(), 1);
    combo.setCurrentIndex(0);
    ASSERT_TRUE(d->DTFM("T", combo));
    EXPECT_EQ(combo.currentIndex(), 1);
    ASSERT_TRUE(d->DTFMS("T", editable));
    EXPECT_EQ(editable.itemText(0), "zwei");
    ASSERT_TRUE(d->DTFMT("T", editable));
    EXPECT_EQ(editable.currentText(), "zwei");
    ASSERT_TRUE(d->DTFO("B", option));
    EXPECT_TRUE(option.isChecked());
    ASSERT_TRUE(d->DTFOC("T", option));
    EXPECT_EQ(option.text(), "zwei");
    ASSERT_TRUE(d->DTFT("T", text));
    EXPECT_EQ(text.text(), "zwei");
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenControls, NullReadsGiveEmptyControls) {
    context.cnnX.execute("INSERT INTO [C1] ([ID],[T],[I],[B]) VALUES (5,NULL,NULL,NULL)");
    QCheckBox check;
    check.setChecked(true);
    QLineEdit text("alt");
    QRadioButton option;
    option.setChecked(true);
    ASSERT_TRUE(d->DTFCV("I", check));
    EXPECT_EQ(check.checkState(), Qt::Unchecked);
    ASSERT_TRUE(d->DTFTT("T", text));
    EXPECT_EQ(text.text(), "");
    ASSERT_TRUE(d->DTFOV("B", option));
    EXPECT_FALSE(option.isChecked()) << "even the checked button of an exclusive set";

    // A text box written empty stores NULL and reads back empty.
    text.setText("");
    ASSERT_TRUE(d->DFTT("T", text));
    EXPECT_EQ(storedT(), "<null>");
}

TEST_F(DatenControls, DropDownListsOnlySelectTheirOwnEntries) {
    context.cnnX.execute("INSERT INTO [C1] ([ID],[T]) VALUES (5,'drei')");
    QComboBox list;
    list.addItems({"eins", "zwei"});
    list.setCurrentIndex(1);
    ASSERT_TRUE(d->DTFMT("T", list));
    EXPECT_EQ(list.currentIndex(), 1) << "no equal entry: the selection stays";
    QComboBox editable;
    editable.setEditable(true);
    editable.addItems({"eins"});
    ASSERT_TRUE(d->DTFMT("T", editable));
    EXPECT_EQ(editable.currentText(), "drei");

    list.addItem("drei");
    ASSERT_TRUE(d->DTFMT("T", list));
    EXPECT_EQ(list.currentIndex(), 2);
}

TEST_F(DatenControls, IndexReadsIntoEmptyListsChangeNothing) {
    context.cnnX.execute("INSERT INTO [C1] ([ID],[I]) VALUES (5,4)");
    QListWidget list;
    QComboBox combo;
    ASSERT_TRUE(d->DTFIL("I", list));
    ASSERT_TRUE(d->DTFML("I", combo));
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_EQ(combo.currentIndex(), -1);

    // An index beyond the entries is a run-time error of the caller.
    list.addItems({"a", "b"});
    EXPECT_THROW(d->DTFIL("I", list), RunError);
}

TEST(DatenControlHelpers, ControlIndexAndCheckValues) {
    QLabel label;
    EXPECT_EQ(controlIndex(label), -1);
    setControlIndex(label, 2);
    EXPECT_EQ(controlIndex(label), 2);

    QCheckBox box;
    for (int16_t v : {int16_t(2), int16_t(1), int16_t(0)}) {
        setCheckBoxValue(box, v);
        EXPECT_EQ(checkBoxValue(box), v);
    }
    EXPECT_THROW(setCheckBoxValue(box, 3), RunError);
    QComboBox combo;
    EXPECT_TRUE(isDropDownList(combo));
    combo.setEditable(true);
    EXPECT_FALSE(isDropDownList(combo));
}
