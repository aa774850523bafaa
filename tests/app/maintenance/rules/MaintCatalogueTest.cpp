// The catalogue rows against the lists the data server gives: every field a row names (a check, a
// pick list, an id column, the method, the secret field) is a field of its table's list, so a
// list whose titles change cannot silently drop a check or a pick list.
#include "app/maintenance/rules/MaintCatalogue.h"

#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <set>

namespace qel {
namespace {

std::vector<std::string> namedFields(const MaintTable& t) {
    std::vector<std::string> out;
    for (const FieldCheck& c : t.checks)
        out.push_back(c.field);
    for (const PickList& p : t.pickLists)
        out.push_back(p.field);
    for (const IdColumn& id : t.idColumns)
        out.push_back(id.field);
    for (const std::string& f : {t.methodField, t.secretField})
        if (!f.empty())
            out.push_back(f);
    return out;
}

TEST(MaintCatalogue, EveryNamedFieldIsAFieldOfTheTablesList) {
    test::FreshDatabase fresh;
    std::set<std::string> keys;
    for (const MaintTable& t : maintTables()) {
        SCOPED_TRACE(t.key);
        EXPECT_TRUE(keys.insert(t.key).second) << "two rows of one key";
        EXPECT_EQ(findMaintTable(t.key), &t);
        EXPECT_EQ(findMaintTableByName(t.tableName), &t);
        const Recordset list = t.load(1);
        for (const std::string& field : namedFields(t)) {
            const int position = fieldPosition(list.fields(), field);
            EXPECT_GE(position, 0) << field;
            // The last field is the hidden key, which no edit field shows.
            EXPECT_LT(position + 1, static_cast<int>(list.fieldCount())) << field;
        }
    }
    EXPECT_EQ(keys.size(), 8u);
}

TEST(MaintCatalogue, FieldPositionsIgnoreTheTitlesPadding) {
    const std::vector<Field> fields = {{"Year  ", FieldType::Integer, 4}, {"Type", FieldType::Text, 20}};
    EXPECT_EQ(fieldPosition(fields, "Year"), 0);
    EXPECT_EQ(fieldPosition(fields, "Type"), 1);
    EXPECT_EQ(fieldPosition(fields, "Year  "), -1);
    EXPECT_EQ(fieldPosition(fields, ""), -1);
}

} // namespace
} // namespace qel
