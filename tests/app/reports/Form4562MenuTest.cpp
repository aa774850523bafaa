// Form 4562 through the main window's menu, with the program's own steps.
#include "tests/app/reports/Form4562MenuTest.h"

#include "app/reports/Form4562Work.h"
#include "app/reports/UserDocuments.h"
#include "app/reports/rules/Form4562Questions.h"
#include "common/DocumentsFolder.h"
#include "form4562/Display4562.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/EnvironmentValue.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QTest>

#include <fstream>
#include <set>

namespace qel::test {
namespace {

namespace fs = std::filesystem;

const QString kFiftyYear =
    QStringLiteral("There are 50 year assets. Print 50 Year Report and include with return.");

// The names of the files directly in a folder.
std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

fs::path documents() {
    return fs::path(userDocumentsFolder());
}

// The user documents folder as the first run of Form 4562 leaves it.
void fillDocuments() {
    fs::create_directories(documents());
    fs::copy(QEL_FILES_DIR, documents(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

// Stores the company's miscellaneous Form 4562 data of the year.
void addMisc4562(const ReportsFixture& f, std::int32_t company, int year) {
    f.fresh.exec("INSERT INTO tblMisc4562Data (Company_Id, [Year]) VALUES (" + std::to_string(company) +
                 ", " + std::to_string(year) + ")");
}

} // namespace

void Form4562MenuTest::firstUseMakesTheFolderWithItsParentsAndFillsIt() {
    ReportsFixture f;
    // Without QEL_DOCUMENTS the folder is ~/Documents/Qel-Mgr, and not even ~/Documents is there.
    TempFolder home;
    EnvironmentValue homeValue("HOME", home.path().c_str());
    EnvironmentValue noOverride("QEL_DOCUMENTS", nullptr);
    const fs::path folder = home.path() / "Documents" / "Qel-Mgr";
    QVERIFY(!fs::exists(home.path() / "Documents"));

    f.choose("mnuForm4562_2", QString());
    QVERIFY(fs::is_directory(folder));
    QCOMPARE(fileNames(folder), fileNames(QEL_FILES_DIR));
    QVERIFY(fileNames(folder).count("4562_10.pdf") && fileNames(folder).count("4562_10.fdf"));
    // Then the year is asked as for any report.
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), 1u);
    QCOMPARE(f.ui.messages(), QStringList());
}

void Form4562MenuTest::anExistingFolderIsFilledAgain() {
    ReportsFixture f;
    fs::create_directories(documents());
    writeFile(documents() / "4562_10.pdf", "an old template");
    writeFile(documents() / "ImportLog.txt", "the user's own file");

    // The menu item fills only a folder that is missing.
    f.choose("mnuForm4562_2", QString());
    QCOMPARE(fs::file_size(documents() / "4562_10.pdf"), std::uintmax_t{15});

    QVERIFY(subsystems().reports->MovePdfFiles());
    QCOMPARE(f.ui.messages(), QStringList());
    QCOMPARE(fs::file_size(documents() / "4562_10.pdf"),
             fs::file_size(fs::path(QEL_FILES_DIR) / "4562_10.pdf"));
    QVERIFY(fs::exists(documents() / "4562_25.fdf"));
    QVERIFY(fs::exists(documents() / "ImportLog.txt"));
}

void Form4562MenuTest::aFolderThatCannotBeFilledIsToldAndTheItemGoesOn() {
    ReportsFixture f;
    TempFolder elsewhere;
    reports::programFilesFolder() = [&] { return elsewhere.path() / "Files"; };
    f.choose("mnuForm4562_2", QString());
    const QStringList shown = f.ui.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Error in MovePdfFiles Path not found: ")),
             qPrintable(shown[0]));
    QVERIFY2(shown[0].endsWith(QStringLiteral(" 76")), qPrintable(shown[0]));
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), 1u);
}

void Form4562MenuTest::aYearsMissingTemplateIsTakenFromTheProgramsFiles_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<bool>("markerBack"); // the marker is in the folder again
    QTest::addColumn<bool>("refilled");   // the whole folder was filled again
    // 2010 to 2012 typed exactly fill the whole folder again when their marker is gone.
    QTest::newRow("2011 without its marker") << "2011"
                                             << "4562_11.fdf" << true << true;
    QTest::newRow("2010 without its marker") << "2010"
                                             << "4562_10.fdf" << true << true;
    // Any other year takes its own files from the program's, and only those: a folder filled by an
    // earlier release gets the years added since.
    QTest::newRow("2011 typed with a blank") << " 2011"
                                             << "4562_11.fdf" << true << false;
    QTest::newRow("a later year") << "2013"
                                  << "4562_13.fdf" << true << false;
    QTest::newRow("a year the program has no form for") << "2030"
                                                        << "4562_30.fdf" << false << false;
}

void Form4562MenuTest::aYearsMissingTemplateIsTakenFromTheProgramsFiles() {
    QFETCH(QString, answer);
    QFETCH(QString, marker);
    QFETCH(bool, markerBack);
    QFETCH(bool, refilled);
    ReportsFixture f;
    fillDocuments();
    fs::remove(documents() / marker.toStdString());
    writeFile(documents() / "4562_12.pdf", "changed by hand");

    f.choose("mnuForm4562_2", answer);
    QCOMPARE(fs::exists(documents() / marker.toStdString()), markerBack);
    QCOMPARE(fs::file_size(documents() / "4562_12.pdf") == std::uintmax_t{15}, !refilled);
    // Without its files the form says that the year's template is missing.
    const std::vector<UiCall> boxes = f.ui.callsOf(UiCall::Message);
    QVERIFY(!boxes.empty());
    QCOMPARE(boxes.back().title == QStringLiteral("4562 Form Error"), !markerBack);
}

void Form4562MenuTest::theChecksCountPerCompanyAndYear_data() {
    QTest::addColumn<QString>("check");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("ok");
    QTest::newRow("misc data of the company and year") << "Misc4562OK" << 2010 << true;
    QTest::newRow("misc data of another year") << "Misc4562OK" << 2011 << false;
    QTest::newRow("misc data of another company only") << "Misc4562OK" << 2012 << false;
    QTest::newRow("179 limits of the year") << "Limit179OK" << 2010 << true;
    QTest::newRow("no 179 limits") << "Limit179OK" << 2030 << false;
    QTest::newRow("vehicle limits of the year") << "LimitAutoOK" << 2010 << true;
    QTest::newRow("no vehicle limits") << "LimitAutoOK" << 1997 << false;
}

void Form4562MenuTest::theChecksCountPerCompanyAndYear() {
    QFETCH(QString, check);
    QFETCH(int, year);
    QFETCH(bool, ok);
    ReportsFixture f;
    addMisc4562(f, f.company, 2010);
    addMisc4562(f, addCompany("Other Works"), 2012);
    reports::Form4562Steps& steps = *reports::form4562Steps();
    const auto y = static_cast<std::int16_t>(year);
    bool answer = !ok;
    if (check == QLatin1String("Misc4562OK"))
        answer = steps.Misc4562OK(y, f.company);
    else if (check == QLatin1String("Limit179OK"))
        answer = steps.Limit179OK(y);
    else
        answer = steps.LimitAutoOK(y);
    QCOMPARE(answer, ok);
    QCOMPARE(f.ui.messages(), QStringList());
}

void Form4562MenuTest::aFailedCheckIsToldAndCountsAsMissing() {
    ReportsFixture f;
    f.fresh.exec("DROP TABLE tblMisc4562Data");
    QVERIFY(!reports::form4562Steps()->Misc4562OK(2010, f.company));
    const QStringList shown = f.ui.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Error in Misc4562OK ")), qPrintable(shown[0]));
    QVERIFY2(shown[0].endsWith(QStringLiteral(" -2147352571")), qPrintable(shown[0]));
}

void Form4562MenuTest::theDesktopIsAskedForItsPdfViewer_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("viewer");
    QTest::newRow("a viewer") << "echo \"$@\" >&2; echo org.example.Viewer.desktop"
                              << "org.example.Viewer.desktop";
    QTest::newRow("none named") << "echo"
                                << "";
    QTest::newRow("a failed question") << "echo something; exit 1"
                                       << "";
    QTest::newRow("no xdg-mime") << ""
                                 << "";
}

void Form4562MenuTest::theDesktopIsAskedForItsPdfViewer() {
    QFETCH(QString, script);
    QFETCH(QString, viewer);
    ReportsFixture f;
    TempFolder bin;
    if (!script.isEmpty()) {
        const fs::path program = bin.path() / "xdg-mime";
        writeFile(program, "#!/bin/sh\n[ \"$*\" = \"query default application/pdf\" ] || exit 2\n" +
                               script.toStdString() + "\n");
        fs::permissions(program, fs::perms::owner_all);
    }
    EnvironmentValue path("PATH", bin.path().c_str());
    QCOMPARE(f.pdfViewer_(), viewer);
}

void Form4562MenuTest::whatIsMissingIsAskedBeforeTheForm() {
    ReportsFixture f;
    fillDocuments();
    // No viewer, no data of 2030: each question in turn, and No to the third ends the road.
    reports::pdfViewerQuery() = [] { return QString(); };
    f.ui.answerMessage(MsgResult::Yes);
    f.ui.answerMessage(MsgResult::Yes);
    f.ui.answerMessage(MsgResult::No);
    f.choose("mnuForm4562_2", QStringLiteral("2030"));
    QCOMPARE(f.ui.messages(), (QStringList{QString::fromStdString(reports::kReaderMissing),
                                           QString::fromStdString(reports::kMiscMissing),
                                           QString::fromStdString(reports::kLimit179Missing)}));
    for (const UiCall& box : f.ui.callsOf(UiCall::Message)) {
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::None);
        QCOMPARE(box.title, QString());
    }
    QCOMPARE(f.ui.callsOf(UiCall::Document).size(), 0u);
}

void Form4562MenuTest::theFormIsFilledAndOpened_data() {
    QTest::addColumn<bool>("viewerOpens");
    QTest::newRow("ViewerOpensIt") << true;
    // The desktop named a viewer that then fails, or none at all: the user learns where it is.
    QTest::newRow("NothingOpensIt") << false;
}

void Form4562MenuTest::theFormIsFilledAndOpened() {
    QFETCH(bool, viewerOpens);
    ReportsFixture f;
    addMisc4562(f, f.company, 2010);
    if (!viewerOpens)
        f.ui.refuseDocuments();
    f.choose("mnuForm4562_2", QStringLiteral("2010"));
    const fs::path output = documents() / ("4562_10_" + std::to_string(f.company) + ".pdf");
    QVERIFY(fs::exists(output));
    std::string head(5, '\0');
    std::ifstream(output).read(head.data(), 5);
    QCOMPARE(head, std::string("%PDF-"));
    const QString fullPath = QString::fromStdString(fs::absolute(output).string());
    QCOMPARE(f.ui.textsOf(UiCall::Document), QStringList{fullPath});
    std::vector<UiCall> boxes = f.ui.callsOf(UiCall::Message);
    if (!viewerOpens) {
        QVERIFY(!boxes.empty());
        QCOMPARE(boxes[0].text, QStringLiteral("Form 4562 is saved as ") + fullPath +
                                    QStringLiteral(". No PDF viewer could open it; open the file with a PDF "
                                                   "viewer of your choice."));
        QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
        QCOMPARE(boxes[0].icon, MsgIcon::Information);
        boxes.erase(boxes.begin());
    }
    // The Warehouse has a 50-year life: once the form is open, the notice alone in an OK box.
    QCOMPARE(boxes.size(), 1u);
    QCOMPARE(boxes[0].text, kFiftyYear);
    QCOMPARE(boxes[0].buttons, MsgButtons::Ok);
    QCOMPARE(boxes[0].icon, MsgIcon::None);
    QCOMPARE(boxes[0].title, QString());
    QVERIFY(f.reportWindows().isEmpty());
}

void Form4562MenuTest::theFormsErrorsAreShownAsTheySay_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("critical");
    QTest::newRow("13011: a year before 2009") << "2008"
                                               << "Form 4562 is only available for years greater then 2008."
                                               << "" << false;
    QTest::newRow("0x8004000D: no template of the year")
        << "2030"
        << "The 4562.Pdf file for year 2030 is missing. Get your update from www.qelcorvane.example."
        << "4562 Form Error" << true;
}

void Form4562MenuTest::theFormsErrorsAreShownAsTheySay() {
    QFETCH(QString, year);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(bool, critical);
    ReportsFixture f;
    fillDocuments();
    // The marker of 2008 lets the run reach the year gate.
    writeFile(documents() / "4562_08.fdf", "");
    f.choose("mnuForm4562_2", year);
    const std::vector<UiCall> boxes = f.ui.callsOf(UiCall::Message);
    QVERIFY(!boxes.empty());
    QCOMPARE(boxes.back().text, text);
    QCOMPARE(boxes.back().buttons, MsgButtons::Ok);
    QCOMPARE(boxes.back().title, title);
    QCOMPARE(boxes.back().icon, critical ? MsgIcon::Critical : MsgIcon::None);
    QCOMPARE(f.ui.callsOf(UiCall::Document).size(), 0u);
    QVERIFY(!fs::exists(documents() /
                        ("4562_" + year.right(2).toStdString() + "_" + std::to_string(f.company) + ".pdf")));
}

QEL_QTEST_REGISTER(Form4562MenuTest);

} // namespace qel::test
