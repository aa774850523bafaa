// Display4562.Do4562Form on a fresh database copy: the amounts of a small company, the carryover,
// the year gate, the errors, and the filled PDF read back with libqpdf and pdftotext.
#include "form4562/Display4562.h"

#include "common/DocumentsFolder.h"
#include "form4562/FormPdf.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace qel {
namespace {

namespace fs = std::filesystem;

class Form4562Test : public ::testing::Test {
protected:
    void SetUp() override {
        // The program copies the Files folder into the user documents folder before the run.
        docs_ = userDocumentsFolder();
        fs::create_directories(docs_);
        for (const auto& file : fs::directory_iterator(QEL_FILES_DIR))
            fs::copy_file(file.path(), docs_ / file.path().filename());
        company_ = test::addCompany("Fixture Works");
        fresh_.exec("UPDATE tblCompany SET Owner = 'Pat Fixture', [Tax Id] = '12-3456789' WHERE id = " +
                    std::to_string(company_));
    }

    // The worked example of Part I: maximum amount 500, threshold 800, two section 179 assets
    // of the year costing 600 and 300 with 300 and 150 elected, a carryover of 10 from the prior
    // year and a business income limit of 300.
    void arrangeSection179(int year) {
        fresh_.exec("DELETE FROM tblMax179 WHERE [Year] = " + std::to_string(year));
        fresh_.exec("INSERT INTO tblMax179 ([Year], [Maximum Amount], [Threshold Cost]) VALUES (" +
                    std::to_string(year) + ", 500, 800)");
        const std::string placed = std::to_string(year) + "-03-01";
        for (const auto& [name, cost, elected] : {std::tuple{"Press", 600.0, 300.0}, {"Lathe", 300.0, 150.0}})
            test::addAsset({.name = name,
                            .company = company_,
                            .method = test::kMacrs,
                            .cost = cost,
                            .section179 = elected,
                            .business = 1,
                            .type179 = true,
                            .placed = placed,
                            .life = 7,
                            .convention = test::kHalfYear,
                            .caption = "200 DB"});
        // A run of the year before may have stored this year's carryover already.
        fresh_.exec("DELETE FROM tblMisc4562Data WHERE [Year] = " + std::to_string(year));
        fresh_.exec(
            "INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover], [179 Income Limit]) VALUES (" +
            std::to_string(company_) + ", " + std::to_string(year) + ", 10, 300)");
    }

    // Runs the form; the opened paths are kept.
    std::string run(int year) {
        Display4562 form([this](const std::string& path) { opened_.push_back(path); });
        return form.Do4562Form(static_cast<std::int16_t>(year), company_);
    }

    // Runs the form and expects it to fail with `number`; the error.
    ServerError runFails(int year, std::int32_t number) {
        try {
            run(year);
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), number) << e.description();
            return e;
        }
        ADD_FAILURE() << "the run did not fail";
        return ServerError(0, "", "", ErrorKind::Io);
    }

    Variant carryover(int year) const {
        return fresh_.value("SELECT [179 Carryover] FROM tblMisc4562Data WHERE Company_Id = " +
                            std::to_string(company_) + " AND [Year] = " + std::to_string(year));
    }

    test::FreshDatabase fresh_;
    fs::path docs_;
    std::int32_t company_ = 0;
    std::vector<std::string> opened_;
};

// The first line of `text` that holds `caption`.
std::string lineWith(const std::string& text, const std::string& caption) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.find(caption) != std::string::npos)
            return line;
    return {};
}

TEST_F(Form4562Test, SectionOneSeventyNineWorkedExampleAndItsCarryover) {
    arrangeSection179(2012);

    const std::string output = run(2012);

    EXPECT_EQ(output, (docs_ / "4562_12_").string() + std::to_string(company_) + ".pdf");
    EXPECT_EQ(opened_, std::vector<std::string>{output});
    const std::vector<std::string> fields = form4562::formFieldValues(output);
    const struct {
        const char* line;
        int field; // of the 2012 layout
        const char* text;
    } cases[] = {
        {"name", 3, "Pat Fixture"},
        {"business", 4, "Fixture Works"},
        {"identifying number", 5, "12-3456789"},
        {"1", 6, "500"},
        {"2", 7, "900"},
        {"3", 8, "800"},
        {"4", 9, "100"},
        {"5", 10, "400"},
        {"6 row 1 (a)", 13, "  Press"},
        {"6 row 2 (c)", 19, "150"},
        {"7", 20, "0"},
        {"8", 21, "450"},
        {"9", 22, "400"},
        {"10", 23, "10"},
        {"11", 24, "300"},
        {"12", 25, "300"},
        {"13", 26, "110"},
        {"22", 126, "300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("line ") + c.line);
        EXPECT_EQ(fields.at(c.field - 1), c.text);
    }
    EXPECT_EQ(fields.at(0), "") << "fields 1 and 2 are never set";
    EXPECT_EQ(carryover(2013), Variant(110.0));
}

TEST_F(Form4562Test, EachTemplateYearHoldsTheAmountsAtItsFieldNumbers) {
    const struct {
        int year;
        int line5, line8, line13, identifier; // field numbers of the year's layout
    } cases[] = {
        {2009, 8, 16, 21, 5},  {2010, 9, 20, 25, 127}, {2011, 10, 21, 26, 5},
        {2019, 10, 21, 26, 5}, {2025, 10, 21, 26, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        arrangeSection179(c.year);
        const std::vector<std::string> fields = form4562::formFieldValues(run(c.year));
        EXPECT_EQ(fields.at(c.line5 - 1), "400");
        EXPECT_EQ(fields.at(c.line8 - 1), "450");
        EXPECT_EQ(fields.at(c.line13 - 1), "110");
        EXPECT_EQ(fields.at(c.identifier - 1), "12-3456789");
        EXPECT_EQ(carryover(c.year + 1), Variant(110.0));
    }
}

TEST_F(Form4562Test, TheFilledFormShowsTheAmountsBesideTheirCaptions) {
    for (int year : {2012, 2025}) {
        SCOPED_TRACE(year);
        arrangeSection179(year);
        const std::string text = test::pdfText(run(year));
        const struct {
            const char* caption;
            const char* amount;
        } cases[] = {
            {"Maximum amount", "500"},
            {"Reduction in limitation", "100"},
            {"Tentative deduction", "400"},
            {"Section 179 expense deduction", "300"},
            {"Add lines 9 and 10, less line 12", "110"},
        };
        for (const auto& c : cases) {
            const std::string line = lineWith(text, c.caption);
            EXPECT_NE(line.find(c.amount), std::string::npos) << c.caption << ": \"" << line << '"';
        }
        EXPECT_NE(lineWith(text, "Pat Fixture").find("Fixture Works"), std::string::npos);
    }
}

// The real 2025 form has a Yes box and a No box for each question (lines 24a, 24b, 34 to 36 for
// each vehicle, 37 to 41): each answer marks its own box and leaves the other empty; a vehicle
// column without a vehicle marks neither.
TEST_F(Form4562Test, On2025EachAnswerMarksItsOwnBox) {
    const std::string company = std::to_string(company_);
    fresh_.exec(
        "INSERT INTO tblMisc4562Data (Company_Id, [Year], [Listed Claim], [Listed Evidence]) VALUES (" +
        company + ", 2025, 'Yes', 'no')");
    const struct {
        int vehicle;
        double business;
        const char* answers; // lines 34, 35 and 36 as 1 (Yes) or 0 (No)
    } vehicles[] = {{1, 0.9, "1, 0, 1"}, {2, 0.8, "0, 1, 0"}};
    for (const auto& v : vehicles) {
        const std::int32_t asset = test::addAsset({.name = "Car " + std::to_string(v.vehicle),
                                                   .company = company_,
                                                   .method = test::kListed,
                                                   .cost = 30000,
                                                   .business = v.business,
                                                   .placed = "2025-03-01",
                                                   .life = 5,
                                                   .convention = test::kHalfYear,
                                                   .vehicle = v.vehicle,
                                                   .caption = "200 DB"});
        test::addDepr(company_, test::kFederal, asset, 2025, 2000, 2000);
        fresh_.exec(
            "INSERT INTO tblAutoUse (Company_Id, [year], [Vehicle #], [Business Miles], [Commuting Miles],"
            " [Personal Miles], [Available Personal Use off Hours], [Driver 5 percent Owner],"
            " [Another Car Available], bpercent, asset_id) VALUES (" +
            company + ", 2025, " + std::to_string(v.vehicle) + ", 9000, 500, 500, " + v.answers + ", " +
            std::to_string(v.business) + ", " + std::to_string(asset) + ")");
    }
    fresh_.exec("INSERT INTO tblAutoQuestions (Company_Id, [year], [No Personal Use], [Commuting Allowed],"
                " [All Personal Use], [More 5 Cars & keep Track], [Meet Requirements]) VALUES (" +
                company + ", 2025, 1, 0, 1, 0, 1)");

    const std::string output = run(2025);

    const std::vector<std::string> shown = form4562::formAppearanceStates(output);
    const std::vector<std::string> values = form4562::formFieldValues(output);
    const struct {
        const char* question;
        int yesBox; // field number; the No box follows it
        const char* answer;
    } cases[] = {
        {"24a", 129, "Yes"},
        {"24b", 131, "No"},
        {"34 (a)", 226, "Yes"},
        {"34 (b)", 228, "No"},
        {"34 (c), no vehicle", 230, ""},
        {"35 (a)", 239, "No"},
        {"35 (b)", 241, "Yes"},
        {"36 (a)", 252, "Yes"},
        {"36 (b)", 254, "No"},
        {"36 (f), no vehicle", 262, ""},
        {"37", 264, "Yes"},
        {"38", 266, "No"},
        {"39", 268, "Yes"},
        {"40", 270, "No"},
        {"41", 272, "Yes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("line ") + c.question);
        const std::string answer = c.answer;
        const std::string yes = answer == "Yes" ? "Yes" : "Off";
        const std::string no = answer == "No" ? "No" : "Off";
        EXPECT_EQ(shown.at(c.yesBox - 1), yes);
        EXPECT_EQ(shown.at(c.yesBox), no);
        EXPECT_EQ(values.at(c.yesBox - 1), yes);
        EXPECT_EQ(values.at(c.yesBox), no);
    }
}

TEST_F(Form4562Test, AMissingMarkerFailsBeforeAnyQuery) {
    fs::remove(docs_ / "4562_12.fdf");
    gConn().reset(); // any query would now fail as "not connected"

    const ServerError e = runFails(2012, Display4562::kErrTemplateMissing);

    EXPECT_EQ(e.description(),
              "The 4562.Pdf file for year 2012 is missing. Get your update from www.qelcorvane.example.");
    EXPECT_TRUE(opened_.empty());
}

TEST_F(Form4562Test, AMissingDocumentsFolderIsPathNotFound) {
    fs::remove_all(docs_);
    runFails(2012, 76);
}

TEST_F(Form4562Test, AYearBefore2009StoresTheCarryoverAndMakesNoForm) {
    std::ofstream(docs_ / "4562_08.fdf") << "marker";
    arrangeSection179(2008);

    const ServerError e = runFails(2008, Display4562::kErrYearTooEarly);

    EXPECT_EQ(e.description(), "Form 4562 is only available for years greater then 2008.");
    EXPECT_EQ(carryover(2009), Variant(110.0));
    EXPECT_FALSE(fs::exists(Display4562::OutputPath(2008, company_)));
    EXPECT_TRUE(opened_.empty());
}

TEST_F(Form4562Test, AMissingOrUnreadableTemplateFailsAfterTheCarryover) {
    for (const char* name : {"missing", "no PDF"}) {
        SCOPED_TRACE(name);
        fs::remove(docs_ / "4562_12.pdf");
        if (std::string(name) == "no PDF")
            std::ofstream(docs_ / "4562_12.pdf") << "not a PDF";
        arrangeSection179(2012);

        runFails(2012, Display4562::kErrTemplateMissing);

        EXPECT_EQ(carryover(2013), Variant(110.0));
        EXPECT_FALSE(fs::exists(Display4562::OutputPath(2012, company_)));
        fresh_.exec("DELETE FROM tblAssets");
        fresh_.exec("DELETE FROM tblMisc4562Data");
    }
}

TEST_F(Form4562Test, FiftyYearPropertyGivesTheFormThenTheNotice) {
    const std::int32_t asset = test::addAsset({.name = "Dam",
                                               .company = company_,
                                               .method = test::kMacrs,
                                               .cost = 50000,
                                               .business = 1,
                                               .placed = "2012-01-01",
                                               .life = 50,
                                               .convention = test::kMidMonth,
                                               .caption = "S/L"});
    test::addDepr(company_, test::kFederal, asset, 2012, 960, 960);

    const ServerError e = runFails(2012, Display4562::kErrFiftyYearAssets);

    EXPECT_EQ(e.description(), "There are 50 year assets. Print 50 Year Report and include with return.");
    const std::string output = Display4562::OutputPath(2012, company_);
    EXPECT_EQ(opened_, std::vector<std::string>{output});
    EXPECT_EQ(form4562::formFieldValues(output).at(126 - 1), "960 *") << "line 22 with the 50-year mark";
}

TEST_F(Form4562Test, ASecondRunReplacesTheForm) {
    arrangeSection179(2012);
    run(2012);
    fresh_.exec("UPDATE tblCompany SET Owner = 'New Owner' WHERE id = " + std::to_string(company_));

    const std::string output = run(2012);

    EXPECT_EQ(form4562::formFieldValues(output).at(2), "New Owner");
    EXPECT_FALSE(fs::exists(output + ".tmp"));
}

TEST_F(Form4562Test, EmptyHeadingAndYearlyDataDoNotStopTheRun) {
    fresh_.exec("UPDATE tblCompany SET Owner = NULL, [Tax Id] = NULL WHERE id = " + std::to_string(company_));
    fresh_.exec("INSERT INTO tblMisc4562Data (Company_Id, [Year], [Other Depr], [Group Assets]) VALUES (" +
                std::to_string(company_) + ", 2012, NULL, NULL)");

    const std::vector<std::string> fields = form4562::formFieldValues(run(2012));

    EXPECT_EQ(fields.at(3 - 1), "");
    EXPECT_EQ(fields.at(5 - 1), "");
    EXPECT_EQ(fields.at(29 - 1), "") << "line 16: no other depreciation";
    EXPECT_EQ(fields.at(31 - 1), "") << "line 18: the slash alone, without it";
}

} // namespace
} // namespace qel
