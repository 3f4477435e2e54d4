// The users' rows of ADMIN in the archive database.
#include "records/DbAdmin.h"
#include "records/DbSchema.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace talur::test {

class DbAdminTest : public ::testing::Test {
protected:
    void SetUp() override {
        DbSchema::create(m_folder.file(QStringLiteral("ARCHIV.db")), DbKind::Archive);
        m_archive.open(m_folder.file(QStringLiteral("ARCHIV.db")));
    }
    TempFolder m_folder;
    Connection m_archive;
};

TEST_F(DbAdminTest, StoreAddsThenUpdatesTheUsersRow) {
    DbAdmin admin(m_archive);
    EXPECT_FALSE(admin.read(QStringLiteral("ANNA")));
    admin.store({QStringLiteral("ANNA"), QStringLiteral("MERIDAN"), QStringLiteral("/p"),
                 QStringLiteral("P1"), QStringLiteral("A. B.")});
    admin.store(
        {QStringLiteral("BERT"), QStringLiteral("MERIDAN"), QStringLiteral("/q"), QStringLiteral("Q1"), {}});
    admin.store({QStringLiteral("ANNA"), QStringLiteral("MERIDAN"), QStringLiteral("/p"),
                 QStringLiteral("P2"), QStringLiteral("A. B.")});
    const auto anna = admin.read(QStringLiteral("ANNA"));
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->PROJEKT, QStringLiteral("P2"));
    EXPECT_EQ(anna->PROJEKTSPFAD, QStringLiteral("/p"));
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [ADMIN]"), m_archive);
    EXPECT_EQ(rs.recordCount(), 2);
}

TEST_F(DbAdminTest, WriteProgChangesOnlyTheGivenUser) {
    DbAdmin admin(m_archive);
    admin.store({QStringLiteral("ANNA"), QStringLiteral("MERIDAN"), {}, {}, {}});
    admin.store({QStringLiteral("BERT"), QStringLiteral("MERIDAN"), {}, {}, {}});
    EXPECT_TRUE(admin.writeProg(QStringLiteral("ANNA"), QStringLiteral("TALUR")));
    EXPECT_FALSE(admin.writeProg(QStringLiteral("CARL"), QStringLiteral("TALUR")));
    EXPECT_EQ(admin.read(QStringLiteral("ANNA"))->PROG, QStringLiteral("TALUR"));
    EXPECT_EQ(admin.read(QStringLiteral("BERT"))->PROG, QStringLiteral("MERIDAN"));
}

TEST_F(DbAdminTest, UserNamesWithQuotesAndNullColumns) {
    m_archive.execute(QStringLiteral("INSERT INTO [ADMIN] ([BENUTZER]) VALUES ('O''NEIL')"));
    DbAdmin admin(m_archive);
    const auto row = admin.read(QStringLiteral("O'NEIL"));
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->PROJEKT.isEmpty());
    EXPECT_TRUE(row->PROG.isEmpty());
    EXPECT_TRUE(admin.writeProg(QStringLiteral("O'NEIL"), QStringLiteral("TALUR")));
    EXPECT_EQ(admin.read(QStringLiteral("O'NEIL"))->PROG, QStringLiteral("TALUR"));
    EXPECT_FALSE(admin.read(QStringLiteral("' OR ''='")));
}

} // namespace talur::test
