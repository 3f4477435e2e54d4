#pragma once
// Shared by the platform tests: a database with the column types the program uses, and readable variants.
#include "platform/core/Database.h"
#include "platform/core/RunError.h"
#include "platform/core/Variant.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <ostream>

namespace talur {

inline void PrintTo(const Variant& v, std::ostream* os) {
    static const char* const names[] = {"Empty",  "Null",   "Boolean", "Integer", "Long",
                                        "Single", "Double", "Date",    "String"};
    *os << names[int(v.type())];
    if (!v.isEmpty() && !v.isNull())
        *os << "(" << v.toText().toStdString() << ")";
}

} // namespace talur

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace talur::test {

// The RunError number a call throws, or 0 when it throws none.
template <typename F> int errorNumberOf(F&& call) {
    try {
        call();
    } catch (const RunError& e) {
        return e.number();
    }
    return 0;
}

// A project-like database in a temporary folder: E1 with four records, E3 with preloading stresses and a
// table T with one column of every declared type.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = folder.file(QStringLiteral("TALUR.db"));
        cnn.create(path);
        cnn.execute(QStringLiteral(
            "CREATE TABLE E1 (ID INTEGER, KEN TEXT(8), KOM TEXT(50), AKT BOOLEAN);"
            "CREATE TABLE E3 (ID INTEGER, I1 SMALLINT, SIV REAL);"
            "CREATE TABLE T (ID INTEGER, N SMALLINT, B BOOLEAN, S REAL, D DOUBLE, X TEXT, DT DATETIME,"
            " NN TEXT NOT NULL DEFAULT '');"
            "INSERT INTO E1 VALUES "
            "(1,'B1','erster',1),(2,'A2',NULL,0),(3,'C3','dritter',1),(0,'M','Muster',0);"
            "INSERT INTO E3 VALUES (7,2,0.2),(7,1,0.1),(7,3,0.4),(8,1,1.0);"));
        regionalSettings().decimalSeparator = QLatin1Char(',');
    }

    // The values of one column over all rows, in recordset order, as text.
    QStringList column(const QString& sql, const QString& name) {
        Recordset rs;
        rs.open(sql, cnn);
        QStringList out;
        for (; !rs.eof(); rs.moveNext())
            out << (rs.isNull(name) ? QStringLiteral("NULL") : rs.value(name).toText());
        return out;
    }

    TempFolder folder;
    QString path;
    Connection cnn;
};

} // namespace talur::test
