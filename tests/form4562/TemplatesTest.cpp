// The yearly templates the build makes: each holds its layout's fields in the order the field
// tables number them, named after the line they fill. The numbers are the layouts' own, written
// out here.
#include "form4562/FormPdf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::form4562 {
namespace {

TEST(TemplatesTest, FieldsStandInTheOrderOfTheirLayout) {
    const struct {
        const char* file;
        std::size_t highest; // the layout's highest field number
        std::vector<std::pair<int, const char*>> fields;
    } cases[] = {
        {"4562_09.pdf",
         203,
         {{3, "Name"},
          {5, "Id"},
          {6, "L2"},
          {21, "L13"},
          {26, "L18"},
          {59, "L19g_g"},
          {84, "L22"},
          {87, "L25"},
          {179, "L24a"},
          {185, "L36b"},
          {202, "L35b"},
          {203, "L39"}}},
        {"4562_10.pdf",
         265,
         {{5, "L1"},
          {25, "L13"},
          {49, "L19c_g"},
          {120, "L20c_d"},
          {125, "L22"},
          {127, "Id"},
          {129, "L25"},
          {193, "L30a"},
          {259, "L24a"},
          {265, "L41"}}},
        {"4562_11.pdf",
         265,
         {{6, "L1"},
          {26, "L13"},
          {50, "L19c_g"},
          {122, "L20c_d"},
          {126, "L22"},
          {259, "L24b"},
          {260, "L37"},
          {265, "L24a"}}},
        {"4562_12.pdf",
         290,
         {{6, "L1"},
          {26, "L13"},
          {50, "L19c_g"},
          {77, "L19h_c"},
          {97, "L19i_g"},
          {129, "L24a"},
          {130, "L24a_2"},
          {133, "L25"},
          {142, "L26r1_g"},
          {194, "L29"},
          {226, "L34a"},
          {227, "L34a_2"},
          {264, "L37"},
          {281, "L42r1_f"},
          {290, "L44"}}},
        // The real form: each question's two fields are its Yes box and its No box.
        {"4562_25.pdf",
         290,
         {{26, "L13"},
          {77, "L19h_c"},
          {129, "L24a_yes"},
          {130, "L24a_no"},
          {132, "L24b_no"},
          {133, "L25"},
          {226, "L34a_yes"},
          {227, "L34a_no"},
          {263, "L36f_no"},
          {264, "L37_yes"},
          {273, "L41_no"},
          {290, "L44"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<std::string> names = formFieldNames(std::string(QEL_FILES_DIR) + "/" + c.file);
        ASSERT_GE(names.size(), c.highest);
        for (const auto& [number, name] : c.fields)
            EXPECT_EQ(names.at(number - 1), name) << "field " << number;
    }
}

} // namespace
} // namespace qel::form4562
