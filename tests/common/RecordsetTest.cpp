#include "common/Recordset.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

Recordset twoRows() {
    Recordset rs({{"Asset", FieldType::Integer, 4}, {"Address         ", FieldType::Text, 50}});
    rs.addRow({1, "Main St"});
    rs.addRow({2, "Elm St"});
    return rs;
}

TEST(RecordsetTest, EmptyIsAtBothEnds) {
    Recordset rs({{"a", FieldType::Integer, 4}});
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(rs.RecordCount(), 0u);
    EXPECT_THROW(rs[0], ServerError);
}

TEST(RecordsetTest, WalksRowsAndFindsFieldsIgnoringCase) {
    Recordset rs = twoRows();
    EXPECT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs["asset"].toInt32(), 1);
    EXPECT_EQ(rs["ADDRESS         "].toString(), "Main St");
    EXPECT_EQ(rs.indexOf("Address"), Recordset::npos) << "trailing blanks are part of the name";
    rs.MoveNext();
    EXPECT_EQ(rs[1].toString(), "Elm St");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.MoveFirst();
    EXPECT_EQ(rs[0].toInt32(), 1);
    EXPECT_THROW(rs["nope"], ServerError);
}

} // namespace
} // namespace qel
