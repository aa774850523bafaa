// The maintenance window opened from the real main window's menus on a database copy: each of
// the eight tables with its caption, help topic, columns, edit fields and pick lists (also when
// opened twice), nothing cut off and the window wide enough for its list, the layout of the section 179 list,
// the companies' width, masked passwords, an empty table, sorting by a header and closing.
#include "tests/app/maintenance/MaintWindowTest.h"

#include "app/maintenance/rules/MaintCatalogue.h"
#include "app/shell/Startup.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/maintenance/MaintFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include <algorithm>

namespace qel::test {

QEL_QTEST_REGISTER(MaintWindowTest);

namespace {

// Two accounts, so that the class account list has entries to offer.
void addAccounts(MaintFixture& f) {
    f.fresh.exec("INSERT INTO tblAccounts (Id_acct, [Account Descr], [Capital Account], [Accum Acct], "
                 "[Depr Account], [Gain Loss Acct]) VALUES (5, 'Vehicles', '1600', '1650', '6100', '7000'), "
                 "(3, 'Furniture', '1500', '1550', '6100', '7000')");
}

// The pick lists of a window as "position:entry|entry", with "=data" after an entry that has one.
QStringList pickLists(const FrmMaint& w) {
    QStringList out;
    for (const auto& [position, combo] : w.editControls().cboEdit) {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i) {
            const QVariant data = combo->itemData(i, kItemDataRole);
            entries << combo->itemText(i) + (data.isValid() ? "=" + data.toString() : QString());
        }
        out << QString::number(position) + ":" + entries.join('|');
    }
    return out;
}

QStringList headers(const FrmMaint& w) {
    QStringList out;
    const QAbstractItemModel& m = *const_cast<FrmMaint&>(w).lvMain().model();
    for (int c = 0; c < m.columnCount(); ++c)
        out << m.headerData(c, Qt::Horizontal).toString();
    return out;
}

} // namespace

void MaintWindowTest::eachItemOpensItsTable_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("helpId");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("picks");
    const QString noYes = "No|Yes";
    QTest::newRow("Misc4562Data") << "mnuMisc4562Data"
                                  << "Miscellanous 4562 Data" << 590
                                  << QStringList{"Year  ",
                                                 "179 Carryover",
                                                 "179 Income Limit",
                                                 "Listed Claim",
                                                 "Listed Evidence",
                                                 "Group Assets",
                                                 "168 Property",
                                                 "Other Depr",
                                                 "263A Cost",
                                                 "Exclude 179",
                                                 "ID"}
                                  << QStringList{"3:" + noYes, "4:" + noYes, "5:" + noYes, "9:" + noYes};
    QTest::newRow("179Rates") << "mnu179"
                              << "179 Limits" << 600
                              << QStringList{"Year  ", "Maximum Amount", "Threshold Cost", "ID"}
                              << QStringList{};
    QTest::newRow("AutoRates") << "MnuAutoMax"
                               << "Automobile Maximum Limits" << 600
                               << QStringList{"Year  ",     "Type",       "Yr 1 + 30%",
                                              "Yr 1 + 50%", "Max Year 1", "Max Year 2",
                                              "Max Year 3", "Max Year 4", "ID"}
                               << QStringList{"1:Electric|Gas|Truck/Van"};
    QTest::newRow("Accounts") << "mnuAccounts"
                              << "G\\L Accounts" << 600
                              << QStringList{"Account Descr      ", "Capital Account", "Accum Acct",
                                             "Depr Account",        "Gain Loss Acct",  "ID_acct"}
                              << QStringList{};
    QTest::newRow("Users") << "mnuUsers"
                           << "User Maintenance" << 600
                           << QStringList{"UserId       ", "Password    ", "UserLevel", "PwdID"}
                           << QStringList{"2:User|Admin"};
    QTest::newRow("Locations") << "mnuLocation"
                               << "Locations" << 600
                               << QStringList{"Short Location", "Long Location", "Location_ID"}
                               << QStringList{};
    QTest::newRow("AssetClasses") << "mnuClassMaint"
                                  << "Asset Classes" << 600
                                  << QStringList{"Method",     "Description               ",
                                                 "Life    ",   "If Auto - Type",
                                                 "Amortize #", "Account Descr",
                                                 "ID"}
                                  << QStringList{"0:ADS=2|Amortize=3|Listed=9|MACRS=1|MACRS 150=11",
                                                 "3:N/A=1|Gas=2|Electric=3|Truck/Van=4",
                                                 "5:Furniture=3|Vehicles=5"};
    QTest::newRow("Companies") << "mnuCompanyMaint"
                               << "Companies" << 600 << QStringList{"Company Name",
                                                                    "Owner",
                                                                    "Address         ",
                                                                    "Address 2",
                                                                    "City",
                                                                    "State  ",
                                                                    "Zip Code ",
                                                                    "Tax Id",
                                                                    "Year End Month",
                                                                    "AMT Book",
                                                                    "State Book",
                                                                    "Other Book",
                                                                    "id"}
                               << QStringList{"9:" + noYes, "10:" + noYes, "11:" + noYes};
}

void MaintWindowTest::eachItemOpensItsTable() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(int, helpId);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, picks);
    MaintFixture f;
    addAccounts(f);
    // Another table first, so that the window is prepared again for this one.
    QVERIFY(f.open("mnuLocation"));
    for (int opening = 1; opening <= 2; ++opening) {
        FrmMaint* w = f.open(item.toUtf8().constData());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->property("HelpContextID").toInt(), helpId);
        QCOMPARE(headers(*w), columns);
        QCOMPARE(pickLists(*w), picks);
        const int rows = w->lvMain().model()->rowCount();
        QCOMPARE(w->lblStatusBar->text(), QString::number(rows) + " Items displayed.");
        // One edit field and caption per column but the hidden key.
        QCOMPARE(static_cast<int>(w->editControls().mskEdit.size()), columns.size() - 1);
        QCOMPARE(w->lblEdit.front()->text(), columns.front().trimmed() + ": ");
        auto& view = dynamic_cast<QTableView&>(w->lvMain());
        QVERIFY(view.isColumnHidden(columns.size() - 1));
        QCOMPARE(cutOffTexts(*w), QStringList());
        // The window is wide enough for every column of its list, or as wide as the main
        // window allows.
        QMdiSubWindow* frame = f.window->childWindows().find("frmMaint");
        QVERIFY(view.horizontalHeader()->length() <= view.viewport()->width() ||
                qRound(windowTwips(*frame).width) == qRound(windowTwips(*f.window).width - 500));
        for (const QString& pick : picks) {
            const int position = pick.section(':', 0, 0).toInt();
            QVERIFY(w->editControls().mskEdit.at(static_cast<std::size_t>(position))->isHidden());
            QComboBox* combo = w->editControls().cboEdit.at(position);
            QVERIFY(!combo->isHidden());
            // A screen reader names the list by its field's label (a drop-down list's own name
            // is its entry).
            QLabel* label = w->lblEdit.at(static_cast<std::size_t>(position));
            QCOMPARE(label->buddy(), combo);
            const auto labels = QAccessible::queryAccessibleInterface(combo)->relations(QAccessible::Label);
            QVERIFY(std::any_of(labels.begin(), labels.end(),
                                [label](const auto& r) { return r.first->object() == label; }));
        }
    }
    QCOMPARE(f.window->childWindows().list().size(), 1);
}

void MaintWindowTest::theSection179ListIsLaidOutFromItsFields() {
    MaintFixture f;
    FrmMaint* w = f.open("mnu179");
    QVERIFY(w);
    auto& view = dynamic_cast<QTableView&>(w->lvMain());
    // The columns are as wide as their fields ask, or as their titles need where that is more.
    const int widths[] = {700, 1500, 1500};
    const QStringList titles{"Year", "Maximum Amount", "Threshold Cost"};
    for (int c = 0; c < 3; ++c) {
        const int title = view.horizontalHeader()->fontMetrics().horizontalAdvance(titles[c]);
        QCOMPARE(view.columnWidth(c),
                 std::max(twipsToPixelsX(view, widths[c]),
                          title + 2 * view.horizontalHeader()->fontMetrics().averageCharWidth()));
    }
    const QAbstractItemModel& m = *view.model();
    QCOMPARE(m.index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft, int(Qt::AlignLeft));
    QCOMPARE(m.index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));

    const auto& fields = w->editControls().mskEdit;
    const char* captions[] = {"Year: ", "Maximum Amount: ", "Threshold Cost: "};
    const int editWidths[] = {910, 1950, 1950};
    const int lengths[] = {8, 16, 16}; // an integer's defined size is 4, doubled as for every number
    for (std::size_t i = 0; i < 3; ++i) {
        QCOMPARE(w->lblEdit[i]->text(), QString(captions[i]));
        QCOMPARE(fields[i]->width(), twipsToPixelsX(*fields[i], editWidths[i]));
        QCOMPARE(fields[i]->maxLength(), lengths[i]);
        QCOMPARE(w->lblEdit[i]->buddy(), fields[i]);
    }
    // The right-hand field starts at 5355 twips, or further right when its caption needs the room.
    QVERIFY(fields[1]->x() >= twipsToPixelsX(*fields[1], 5355));
    QVERIFY(w->lblEdit[1]->width() >= w->lblEdit[1]->fontMetrics().horizontalAdvance(w->lblEdit[1]->text()));
    QCOMPARE(fields[2]->y(), twipsToPixelsY(*fields[2], 565));

    // The window at its load size, 8700 x 5500 twips: list, panel, buttons and status line.
    QMdiSubWindow* frame = f.window->childWindows().find("frmMaint");
    QVERIFY(frame);
    QCOMPARE(windowTwips(*frame).width, 8700.0);
    QCOMPARE(windowTwips(*frame).height, 5500.0);
    QCOMPARE(view.geometry(), QRect(twipsToPixelsX(view, 75), twipsToPixelsY(view, 45),
                                    twipsToPixelsX(view, 8450), twipsToPixelsY(view, 2890)));
    QCOMPARE(w->fraEdit->height(), twipsToPixelsY(*w, 1060));
    QCOMPARE(w->fraEdit->y(), twipsToPixelsY(*w, 2935));
    QCOMPARE(w->fraCmds->pos(), QPoint(twipsToPixelsX(*w, 2285), twipsToPixelsY(*w, 3995)));
    QCOMPARE(w->lblStatusBar->y(), twipsToPixelsY(*w, 4685));

    // Below its smallest size the window keeps 7700 x 5000.
    frame->resize(100, 100);
    QCOMPARE(frame->size(), frame->minimumSize());
    QCOMPARE(frame->minimumSize(), QSize(twipsToPixelsX(*frame, 7700), twipsToPixelsY(*frame, 5000)));
}

void MaintWindowTest::companiesTakeTheMainWindowsWidth() {
    MaintFixture f;
    QVERIFY(f.open("mnuCompanyMaint"));
    QMdiSubWindow* frame = f.window->childWindows().find("frmMaint");
    QCOMPARE(qRound(windowTwips(*frame).width), qRound(windowTwips(*f.window).width - 500));
    // Another table keeps that width.
    QVERIFY(f.open("mnuLocation"));
    QCOMPARE(qRound(windowTwips(*frame).width), qRound(windowTwips(*f.window).width - 500));
}

void MaintWindowTest::passwordsAreNeverShownInTheList() {
    MaintFixture f;
    f.fresh.exec(
        "INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('SideGate', 's3cret', 'User')");
    FrmMaint* w = f.open("mnuUsers");
    QVERIFY(w);
    // Every user is listed, none of their passwords.
    QCOMPARE(MaintFixture::column(*w, 0), (QStringList{"Admin", "SideGate"}));
    QCOMPARE(MaintFixture::column(*w, 1), (QStringList{"********", "********"}));
    QCOMPARE(MaintFixture::fieldTexts(*w), (QStringList{"Admin", "Admin", "Admin"}));
    QCOMPARE(w->editControls().mskEdit[1]->echoMode(), QLineEdit::Password);
}

void MaintWindowTest::anEmptyTableGreysItsFields() {
    MaintFixture f;
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    QCOMPARE(w->lblStatusBar->text(), QStringLiteral("0 Items displayed."));
    for (QLineEdit* field : w->editControls().mskEdit) {
        QVERIFY(!field->isEnabled());
        QCOMPARE(field->palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    }
    QVERIFY(w->cmdNew->isEnabled());
    QVERIFY(!w->cmdDelete->isEnabled() && !w->cmdCancel->isEnabled() && !w->cmdSave->isEnabled());
    w->cmdNew->click();
    for (QLineEdit* field : w->editControls().mskEdit) {
        QVERIFY(field->isEnabled());
        QCOMPARE(field->palette().color(QPalette::Base), QColor(Qt::white));
    }
    // The next table's fields start enabled.
    QVERIFY(f.open("mnu179"));
    QVERIFY(w->editControls().mskEdit.at(0)->isEnabled());
    // An empty table's pick lists are greyed with its fields.
    QVERIFY(f.open("mnuClassMaint"));
    for (const auto& [position, combo] : w->editControls().cboEdit) {
        QVERIFY(!combo->isEnabled());
        QCOMPARE(combo->currentText(), QString());
    }
}

void MaintWindowTest::aHeaderClickSortsByTheFieldsType() {
    MaintFixture f;
    f.fresh.exec(
        "INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('b', 'x'), ('A', 'y'), "
        "('c', 'z')");
    FrmMaint* w = f.open("mnu179");
    QVERIFY(w);
    auto& view = dynamic_cast<QTableView&>(w->lvMain());
    const QStringList years = MaintFixture::column(*w, 0);
    emit view.horizontalHeader()->sectionClicked(1); // Maximum Amount, as numbers
    QStringList amounts = MaintFixture::column(*w, 1);
    for (int r = 1; r < amounts.size(); ++r)
        QVERIFY2(amounts[r - 1].toDouble() <= amounts[r].toDouble(), qPrintable(amounts.join(',')));
    emit view.horizontalHeader()->sectionClicked(1);
    amounts = MaintFixture::column(*w, 1);
    QVERIFY(amounts.first().toDouble() >= amounts.last().toDouble());

    QVERIFY(f.open("mnuLocation"));
    emit view.horizontalHeader()->sectionClicked(0);
    QCOMPARE(MaintFixture::column(*w, 0), (QStringList{"A", "b", "c"}));
    emit view.horizontalHeader()->sectionClicked(0);
    QCOMPARE(MaintFixture::column(*w, 0), (QStringList{"c", "b", "A"}));
}

void MaintWindowTest::closingAsksAboutChangesAndBringsBackThePicker() {
    MaintFixture f;
    FrmMaint* w = f.open("mnuLocation");
    QVERIFY(w);
    w->cmdNew->click();
    MaintFixture::type(*w, 0, "WH");
    QMdiSubWindow* frame = f.window->childWindows().find("frmMaint");
    f.ui.answerMessage(MsgResult::Cancel);
    QVERIFY(!frame->close());
    QCOMPARE(f.ui.messages(), QStringList{"Save Changes?"});
    QCOMPARE(w->fieldText(0), QStringLiteral("WH"));

    setNewFromCompanyPicker(true);
    f.ui.answerMessage(MsgResult::No);
    QVERIFY(frame->close());
    QEL_TRY_COMPARE(f.ui.textsOf(UiCall::Modal), QStringList{"frmCompany"});
    QVERIFY(!f.window->childWindows().find("frmMaint"));
    QCOMPARE(f.fresh.value("SELECT count(*) FROM tblLocations"), Variant(0));
    QVERIFY(ShellFixture::stored("MainWidth", "frmMaint") != "(none)");
}

void MaintWindowTest::thePickersNewButtonOpensCompaniesAndComesBack() {
    MaintFixture f;
    int pickerShown = 0;
    f.ui.onModal("frmCompany", [&](QDialog& picker) {
        if (++pickerShown == 1)
            picker.findChild<QPushButton*>("cmdNew")->click();
    });
    pickCompany();
    FrmMaint* w = f.maint();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Companies"));
    QVERIFY(programState().NewFromCompanyPicker());
    QVERIFY(f.window->childWindows().find("frmMaint")->close());
    QEL_TRY_COMPARE(pickerShown, 2);
    QVERIFY(!programState().NewFromCompanyPicker());
}

} // namespace qel::test
