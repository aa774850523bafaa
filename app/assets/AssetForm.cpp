// The asset form's controls as data.
#include "app/assets/AssetForm.h"

#include "app/shell/FormParts.h"

#include <array>
#include <deque>
#include <string>

namespace qel::assets {
namespace {

using K = ControlKind;

// Computed values: bold green text in a box, amounts to the right.
constexpr FontDef kDisplayFont{nullptr, 8.25, true};

// The frames' captions stand above their borders, so each frame's first row starts 330 twips
// down. Rows of the books frame (twips from the frame's top) and the lefts of its columns.
namespace row {
constexpr double heading = 300, cost = 570, method = 885, klass = 1200, life = 1515, business = 1830,
                 convention = 2145, s179 = 2460, allowance = 2775, allowanceAmount = 3090, salvage = 3405,
                 basis = 3720, caption = 4035;
}
constexpr double kRowLabelLeft = 60, kFederalLeft = 1000, kFederalWidth = 2220, kBookLeft = 7890;
constexpr double kColumnWidth = 1440, kBoxHeight = 300, kListHeight = 315, kLabelDrop = 45;

// The eleven controls of one alternative book's column, in the rows of the Federal ones.
struct BookColumnNames {
    const char* s179;
    const char* businessPercent;
    const char* cost;
    const char* life;
    const char* salvage;
    const char* bonus;
    const char* convention;
    const char* method;
    const char* bonusAmount;
    const char* methodCaption;
    const char* costBasis;
    double left;
    // Tab order: cost, method, life, business percent, convention, section 179, bonus, salvage.
    int firstTab;
    int businessPercentTab;
};

constexpr std::array<BookColumnNames, 3> kBookColumns{{
    {"txtAmt179", "txtAmtBusinessPercent", "txtAmtCost", "txtAmtLife", "txtAmtSalvage", "cboAmtBonus",
     "cboAmtConvention", "cboAmtMethod", "lblAmtBonus", "lblAmtMethod", "lblAmtCostBasis", 3315, 26, 29},
    // The State column's business percent comes after the last button.
    {"txtState179", "txtStateBusinessPercent", "txtStateCost", "txtStateLife", "txtStateSalvage",
     "cboStateBonus", "cboStateConvention", "cboStateMethod", "lblStateBonus", "lblStateMethod",
     "lblStateCostBasis", 4815, 34, 63},
    {"txtOther179", "txtOtherBusinessPercent", "txtOtherCost", "txtOtherLife", "txtOtherSalvage",
     "cboOtherBonus", "cboOtherConvention", "cboOtherMethod", "lblOtherBonus", "lblOtherMethod",
     "lblOtherCostBasis", 6315, 41, 44},
}};

ControlDef box(const char* name, const char* parent, TwipsBox at, int tabIndex, int helpId = 0,
               unsigned style = kPlain, int maxLength = 0) {
    return {.name = name,
            .kind = K::TextBox,
            .parent = parent,
            .at = at,
            .foreColor = kEntryBlue,
            .helpId = helpId,
            .tabIndex = tabIndex,
            .style = style,
            .maxLength = maxLength};
}

// An amount, percent or year: to the right.
ControlDef number(const char* name, const char* parent, TwipsBox at, int tabIndex, int helpId,
                  int maxLength = 0) {
    return box(name, parent, at, tabIndex, helpId, kAlignRight, maxLength);
}

// A list to choose from; with kEditable the user may type as well.
ControlDef list(const char* name, const char* parent, TwipsBox at, int tabIndex, int helpId = 0,
                unsigned style = kPlain) {
    return {.name = name,
            .kind = K::ComboBox,
            .parent = parent,
            .at = at,
            .foreColor = kEntryBlue,
            .helpId = helpId,
            .tabIndex = tabIndex,
            .style = style};
}

ControlDef label(const char* name, const char* parent, TwipsBox at, const char* caption,
                 const char* buddy = nullptr) {
    return {.name = name, .kind = K::Label, .parent = parent, .at = at, .caption = caption, .buddy = buddy};
}

ControlDef display(const char* name, const char* parent, TwipsBox at, unsigned align = kAlignRight) {
    return {.name = name,
            .kind = K::Label,
            .parent = parent,
            .at = at,
            .font = kDisplayFont,
            .foreColor = kMessageGreen,
            .style = kBoxBorder | align};
}

ControlDef check(const char* name, const char* parent, TwipsBox at, const char* caption, int tabIndex,
                 int helpId = 0) {
    return {.name = name,
            .kind = K::CheckBox,
            .parent = parent,
            .at = at,
            .caption = caption,
            .helpId = helpId,
            .tabIndex = tabIndex};
}

ControlDef button(const char* name, TwipsBox at, const char* caption, const char* tip, int tabIndex) {
    return {.name = name,
            .kind = K::CommandButton,
            .parent = "Frame2",
            .at = at,
            .caption = caption,
            .tip = tip,
            .tabIndex = tabIndex};
}

// A row label of the books frame, level with the boxes of its row.
ControlDef rowLabel(const char* name, double top, const char* caption, const char* buddy) {
    return label(name, "Frame4", {kRowLabelLeft, top + kLabelDrop, kFederalLeft - kRowLabelLeft - 15, 255},
                 caption, buddy);
}

ControlDef heading(const char* name, double left, double width, const char* caption) {
    return {.name = name,
            .kind = K::Label,
            .parent = "Frame4",
            .at = {left, row::heading, width, 255},
            .caption = caption,
            .font = {nullptr, 8.25, true},
            .style = kAlignCenter};
}

void addSearchBand(std::vector<ControlDef>& c) {
    c.push_back({.name = "fraSearch", .kind = K::GroupBox, .at = {120, 0, 9495, 720}, .caption = "Search"});
    constexpr double r = 330;
    c.push_back(label("Label14", "fraSearch", {120, r + kLabelDrop, 420, 255}, "Year:", "txtYear"));
    ControlDef year = number("txtYear", "fraSearch", {540, r, 615, kBoxHeight}, 0, 8, 4);
    year.tip = "Enter year to limit Description list by Year.";
    c.push_back(year);
    c.push_back(label("Label1", "fraSearch", {1260, r + kLabelDrop, 900, 255}, "Description:", "cboAssets"));
    c.push_back(list("cboAssets", "fraSearch", {2160, r - 8, 3780, kListHeight}, 1, 8, kEditable));
    c.push_back(label("Label4", "fraSearch", {6030, r + kLabelDrop, 255, 255}, "or"));
    c.push_back(label("Label9", "fraSearch", {6330, r + kLabelDrop, 720, 255}, "Asset ID:", "txtAssetID"));
    c.push_back(number("txtAssetID", "fraSearch", {7080, r, 1035, kBoxHeight}, 2, 8, 10));
    c.push_back(
        button("cmdSearch", {8220, r - 30, 1095, 345}, "&Retrieve", "Retrieve the selected asset.", 3));
    c.back().parent = "fraSearch";
}

void addAssetFrame(std::vector<ControlDef>& c) {
    const char* f = "pnl3dDepr";
    c.push_back(
        {.name = f, .kind = K::GroupBox, .at = {120, 735, 9495, 1800}, .caption = "Asset", .helpId = 560});
    // Three columns of label and field, four rows.
    constexpr double r1 = 330, r2 = 675, r3 = 1020, r4 = 1365;
    // The lists of the first column take the room of accounts and locations as long as the
    // sample company's ("Furniture and equipment"); the tag, serial number and notes boxes of the
    // second, which scroll, give it up.
    constexpr double a = 120, aField = 1080, aWidth = 2355, b = 3540, bField = 4380, bWidth = 1380, cl = 5880,
                     cField = 7080;
    c.push_back(label("lblDescription", f, {a, r1 + kLabelDrop, 900, 255}, "Description:", "txtDescription"));
    c.push_back(box("txtDescription", f, {aField, r1, 4695, kBoxHeight}, 4, 8, kPlain, 35));
    c.push_back(label("Label8", f, {cl, r1 + kLabelDrop, 1170, 255}, "Asset ID:"));
    c.push_back(display("lblAssetId", f, {cField, r1, 1215, kBoxHeight}));

    c.push_back(label("lblInService", f, {a, r2 + kLabelDrop, 900, 255}, "In Service:", "txtInService"));
    ControlDef inService = number("txtInService", f, {aField, r2, 855, kBoxHeight}, 5, 8);
    inService.tip = "Calendar date";
    c.push_back(inService);
    c.push_back(label("lblTagNbr", f, {b, r2 + kLabelDrop, 780, 255}, "Tag Nbr:", "txtTagNbr"));
    c.push_back(box("txtTagNbr", f, {bField, r2, bWidth, kBoxHeight}, 6, 8, kPlain, 25));
    c.push_back(label("lblSoldDate", f, {cl, r2 + kLabelDrop, 1170, 255}, "Disposed Date:", "mskSold"));
    c.push_back(number("mskSold", f, {cField, r2, 855, kBoxHeight}, 7, 21));

    c.push_back(label("lblLocation", f, {a, r3 + kLabelDrop, 900, 255}, "Location:", "cboLocations"));
    c.push_back(list("cboLocations", f, {aField, r3 - 8, aWidth, kListHeight}, 9, 29));
    c.push_back(label("LblSerialNbr", f, {b, r3 + kLabelDrop, 780, 255}, "Serial Nbr:", "txtSerialNbr"));
    c.push_back(box("txtSerialNbr", f, {bField, r3, bWidth, kBoxHeight}, 11, 8, kPlain, 25));
    c.push_back(label("lblDispositionAmt", f, {cl, r3 + kLabelDrop, 1170, 255},
                      "Disposed Amt:", "txtDispositionAmt"));
    c.push_back(number("txtDispositionAmt", f, {cField, r3, 1215, kBoxHeight}, 8, 21, 9));

    c.push_back(label("lblAccount", f, {a, r4 + kLabelDrop, 900, 255}, "Accounts:", "cboAccounts"));
    c.push_back(list("cboAccounts", f, {aField, r4 - 8, aWidth, kListHeight}, 10, 8));
    c.push_back(label("Label21", f, {b, r4 + kLabelDrop, 780, 255}, "Notes:", "txtNotes"));
    c.push_back(box("txtNotes", f, {bField, r4, bWidth, kBoxHeight}, 12, 8, kPlain, 75));
    c.push_back(label("lblAmortize", f, {cl, r4 + kLabelDrop, 1170, 255}, "Amortize #:", "txtAmorizeCode"));
    c.push_back(number("txtAmorizeCode", f, {cField, r4, 615, kBoxHeight}, 13, 560));
    c.push_back(label("lblVehicleNum", f, {7815, r4 + kLabelDrop, 720, 255}, "Vehicle #:"));
    c.push_back(display("lblAutoNum", f, {8535, r4, 735, kBoxHeight}));
}

void addFederalColumn(std::vector<ControlDef>& c) {
    const char* f = "Frame4";
    const double l = kFederalLeft, w = kFederalWidth;
    c.push_back(heading("Label5", l, w, "Federal"));
    c.push_back(rowLabel("lblCost", row::cost, "Cost:", "txtCost"));
    c.push_back(number("txtCost", f, {l, row::cost, w, kBoxHeight}, 14, 8, 9));
    c.push_back(rowLabel("lblMethod", row::method, "Method:", "cboMethod"));
    c.push_back(list("cboMethod", f, {l, row::method - 8, w, kListHeight}, 15, 20));
    c.push_back(label("Label2", f, {kRowLabelLeft, row::klass + kLabelDrop, 255, 255}, "or"));
    c.push_back(label("lblClass", f, {315, row::klass + kLabelDrop, 600, 255}, "Class:", "cboClass"));
    c.push_back(list("cboClass", f, {l, row::klass - 8, w, kListHeight}, 16, 7));
    c.push_back(rowLabel("lblLife", row::life, "Life:", "cboLife"));
    c.push_back(list("cboLife", f, {l, row::life - 8, w, kListHeight}, 17, 8, kEditable));
    c.push_back(rowLabel("lblAutoBusiness", row::business, "Business %:", "txtBusinessPercent"));
    c.push_back(number("txtBusinessPercent", f, {l, row::business, w, kBoxHeight}, 18, 14, 4));
    c.back().caption = "100";
    c.push_back(rowLabel("Label19", row::convention, "Convention:", "cboConvention"));
    c.push_back(list("cboConvention", f, {l, row::convention - 8, w, kListHeight}, 19));
    c.back().foreColor = kCaptionBlue;
    c.push_back(check("chk179", f, {kRowLabelLeft, row::s179 + 15, 900, 255}, "179:", 20));
    c.push_back(number("txt179Amt", f, {l, row::s179, w, kBoxHeight}, 21, 32, 9));
    c.back().spokenName = "179 amount";
    c.push_back(rowLabel("Label6", row::allowance, "Allowance:", nullptr));
    c.push_back(check("chkBonus", f, {l, row::allowance + 15, 540, 255}, "30 ", 22, 33));
    c.push_back(check("chk50Bonus", f, {l + 540, row::allowance + 15, 495, 255}, "50", 23, 33));
    // Into the gap before the AMT column: "100%" needs more than the Federal column leaves it.
    c.push_back(check("chk100Bonus", f, {l + 1035, row::allowance + 15, 795, 255}, "100%", 24, 33));
    c.push_back(display("lbl30Allowance", f, {l, row::allowanceAmount, w, kBoxHeight}));
    c.push_back(rowLabel("Label20", row::salvage, "Salvage:", "txtOtherDeductions"));
    c.push_back(number("txtOtherDeductions", f, {l, row::salvage, w, kBoxHeight}, 25, 8, 9));
    c.push_back(rowLabel("Label11", row::basis, "Cost Basis:", nullptr));
    c.push_back(display("lblCostBasis", f, {l, row::basis, w, kBoxHeight}));
    c.push_back(rowLabel("Label15", row::caption, "Method:", nullptr));
    c.push_back(display("lblShowMethod", f, {l, row::caption, w, kBoxHeight}, kPlain));
}

// A name kept for the life of the program, for a screen reader to call a field by.
const char* spoken(const std::string& name) {
    static std::deque<std::string> names;
    return names.emplace_back(name).c_str();
}

void addBookColumns(std::vector<ControlDef>& c) {
    const char* f = "Frame4";
    // A column's fields are called by its heading and their row's label, as the user reads them.
    const char* headings[] = {"AMT", "State", "Other"};
    std::size_t column = 0;
    c.push_back(heading("Label7", kBookColumns[0].left, kColumnWidth, "AMT"));
    c.push_back(heading("Label10", kBookColumns[1].left, kColumnWidth, "State"));
    c.push_back(heading("lblBookOther", kBookColumns[2].left, kColumnWidth, "Other"));
    for (const BookColumnNames& b : kBookColumns) {
        const double l = b.left, w = kColumnWidth;
        const std::string heading = headings[column++];
        // Each column starts switched off; the company's book settings switch it on.
        auto off = [&heading](ControlDef d, const char* row) {
            d.style |= kDisabled;
            d.spokenName = spoken(heading + " " + row);
            return d;
        };
        c.push_back(off(number(b.cost, f, {l, row::cost, w, kBoxHeight}, b.firstTab, 0), "Cost"));
        c.push_back(off(list(b.method, f, {l, row::method - 8, w, kListHeight}, b.firstTab + 1), "Method"));
        c.push_back(off(number(b.life, f, {l, row::life, w, kBoxHeight}, b.firstTab + 2, 0), "Life"));
        c.push_back(
            off(number(b.businessPercent, f, {l, row::business, w, kBoxHeight}, b.businessPercentTab, 0, 4),
                "Business %"));
        const int afterPercent = b.firstTab + (b.businessPercentTab == b.firstTab + 3 ? 4 : 3);
        c.push_back(
            off(list(b.convention, f, {l, row::convention - 8, w, kListHeight}, afterPercent), "Convention"));
        c.push_back(off(number(b.s179, f, {l, row::s179, w, kBoxHeight}, afterPercent + 1, 0), "179"));
        c.push_back(
            off(list(b.bonus, f, {l, row::allowance - 8, w, kListHeight}, afterPercent + 2), "Allowance"));
        c.push_back(display(b.bonusAmount, f, {l, row::allowanceAmount, w, kBoxHeight}));
        c.push_back(
            off(number(b.salvage, f, {l, row::salvage, w, kBoxHeight}, afterPercent + 3, 8, 9), "Salvage"));
        c.push_back(display(b.costBasis, f, {l, row::basis, w, kBoxHeight}));
        c.push_back(display(b.methodCaption, f, {l, row::caption, w, kBoxHeight}, kPlain));
    }
}

void addBookColumn(std::vector<ControlDef>& c) {
    const char* f = "Frame4";
    const double l = kBookLeft, w = 1440;
    c.push_back(heading("Label3", l, w, "Book"));
    c.push_back(number("txtBookCost", f, {l, row::cost, w, kBoxHeight}, 49, 8));
    c.back().spokenName = "Book Cost";
    c.push_back(display("Label12", f, {l, row::method, w, kBoxHeight}, kPlain));
    c.back().caption = "S/L";
    c.push_back(number("txtBookLife", f, {l, row::life, w, kBoxHeight}, 50, 8));
    c.back().spokenName = "Book Life";
    c.push_back(check("chkExclude", f, {l, row::business + 15, w, 255}, "Exclude", 51, 8));
    c.push_back(check("chkAdjDepr", f, {l, row::convention + 15, w, 255}, "Adjust Depr", 52, 8));
    // Carries a stored asset's gain or loss for the printout; never shown.
    c.push_back(display("lblGainLoss", f, {l, row::caption, w, kBoxHeight}));
    c.back().caption = "Invisbile";
    c.back().style |= kHidden;
}

void addButtonBar(std::vector<ControlDef>& c) {
    c.push_back({.name = "Frame2", .kind = K::GroupBox, .at = {120, 7035, 9495, 630}});
    c.push_back(list("cboBooks", "Frame2", {120, 165, 1095, kListHeight}, 64));
    c.back().style |= kDisabled;
    c.back().spokenName = "Book of the Tax schedule";
    constexpr double top = 150, h = 345;
    c.push_back(button("cmdDeprSchedule", {1260, top, 615, h}, "&Tax",
                       "Display a tax depreciation schedule for the current asset.", 62));
    c.push_back(button("cmdBookSchedule", {1920, top, 615, h}, "&Book",
                       "Display a book depreciation schedule for the current asset.", 61));
    c.push_back(button("cmdPrint", {2580, top, 615, h}, "&Print",
                       "Print Federal details for the current asset.", 60));
    c.push_back(button("cmd179", {3240, top, 855, h}, "Chk &179", "Check if 179 limit has been meet.", 59));
    c.push_back(button("cmdMidConvention", {4140, top, 1335, h}, "Chk Con&vention",
                       "Check if mid quarter convention is required.", 58));
    c.push_back(button("cmdDelete", {6000, top, 735, h}, "&Delete", nullptr, 57));
    c.back().style |= kDisabled;
    c.push_back(button("cmdCopy", {6780, top, 735, h}, "&Copy", "Save changes to the asset.", 56));
    c.push_back(button("cmdNew", {7560, top, 735, h}, "&New", "Clear fields to add a new asset.", 55));
    c.push_back(button("cmdSave", {8340, top, 735, h}, "&Save", "Save changes to the asset.", 53));
    c.push_back(button("cmdCancel", {9120, top, 315, h}, "&UnDo", "Cancel current changes.", 54));
    c.back().style |= kHidden;
}

FormDef makeAssetForm() {
    FormDef form{.name = "frmAsset",
                 .caption = "Asset Maintenance",
                 .size = {.width = 9720, .height = 7680},
                 .border = Border::FixedChild,
                 .helpId = 8,
                 .controls = {}};
    addSearchBand(form.controls);
    addAssetFrame(form.controls);
    form.controls.push_back(
        {.name = "Frame4", .kind = K::GroupBox, .at = {120, 2550, 9495, 4470}, .caption = "Books"});
    addFederalColumn(form.controls);
    addBookColumns(form.controls);
    addBookColumn(form.controls);
    addButtonBar(form.controls);
    return form;
}

} // namespace

const FormDef& assetFormDef() {
    static const FormDef form = makeAssetForm();
    return form;
}

ControlDef summaryCaption(const char* name, const char* parent, TwipsBox at, const char* caption) {
    return label(name, parent, at, caption);
}

ControlDef summaryValue(const char* name, const char* parent, TwipsBox at) {
    return {.name = name,
            .kind = K::Label,
            .parent = parent,
            .at = at,
            .font = kDisplayFont,
            .style = kAlignRight};
}

} // namespace qel::assets
