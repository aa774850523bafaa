// The tax report choice.
#include "app/reports/FrmTaxReports.h"

#include "app/reports/rules/ReportChoices.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/ReportServices.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "server/support/DeprSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qel::reports {
namespace {

using K = ControlKind;

constexpr int kHelpId = 30;
// The options' place in their frame, and the step between them, in twips.
constexpr double kOptionLeft = 180;
constexpr double kOptionTop = 330;
constexpr double kOptionStep = 360;

FormDef makeTaxReportsForm() {
    FormDef form = {
        .name = "frmTaxReports",
        .caption = "Select a Tax Report",
        .size = {.width = 5220, .height = 2820},
        .border = Border::FixedChild,
        .helpId = kHelpId,
        .controls =
            {{.name = "fraReports", .kind = K::GroupBox, .at = {120, 60, 2940, 2580}, .caption = "Report"}},
    };
    static const std::array<const char*, 6> names = {"optReports_0", "optReports_1", "optReports_2",
                                                     "optReports_3", "optReports_4", "optReports_5"};
    for (std::size_t i = 0; i < names.size(); ++i)
        form.controls.push_back(
            {.name = names[i],
             .kind = K::OptionButton,
             .parent = "fraReports",
             .at = {kOptionLeft, kOptionTop + kOptionStep * static_cast<double>(i), 2640, 300},
             .caption = kTaxReportCaptions[i],
             .tabIndex = static_cast<int>(i)});
    const std::vector<ControlDef> rest = {
        {.name = "lblBook",
         .kind = K::Label,
         .at = {3300, 180, 1200, 255},
         .caption = "Book:",
         .buddy = "cboBook"},
        {.name = "cboBook", .kind = K::ComboBox, .at = {3300, 420, 1800, 315}, .tabIndex = 6},
        {.name = "lblYear",
         .kind = K::Label,
         .at = {3300, 900, 1200, 255},
         .caption = "Year:",
         .buddy = "txtYear"},
        {.name = "txtYear",
         .kind = K::TextBox,
         .at = {3300, 1140, 900, 315},
         .tabIndex = 7,
         .style = kAlignRight},
        {.name = "cndOk",
         .kind = K::CommandButton,
         .at = {3300, 2220, 1035, 375},
         .caption = "OK",
         .tabIndex = 8,
         .style = kDefaultButton},
    };
    form.controls.insert(form.controls.end(), rest.begin(), rest.end());
    return form;
}

const FormDef& taxReportsForm() {
    static const FormDef form = makeTaxReportsForm();
    return form;
}

} // namespace

FrmTaxReports::FrmTaxReports(QWidget* parent) : QWidget(parent) {
    const FormControls c = buildForm(*this, taxReportsForm());
    fraReports = c.get<QGroupBox>("fraReports");
    for (std::size_t i = 0; i < optReports.size(); ++i)
        optReports[i] = c.get<QRadioButton>(QStringLiteral("optReports_%1").arg(i));
    lblBook = c.get<QLabel>("lblBook");
    cboBook = c.get<QComboBox>("cboBook");
    lblYear = c.get<QLabel>("lblYear");
    txtYear = c.get<QLineEdit>("txtYear");
    cndOk = c.get<QPushButton>("cndOk");
    connect(cndOk, &QPushButton::clicked, this, &FrmTaxReports::cndOk_Click);

    // The alternative books by name, none chosen; the working year.
    runWithSourcedErrorBox(QStringLiteral("Error in PopulateBookCbo. "), [this] {
        DeprSupport support;
        FillCboBox(support.GetBookCbo(false), *cboBook, true, false);
    });
    cboBook->setCurrentIndex(-1);
    txtYear->setText(QString::number(programState().WorkingYear()));
}

void FrmTaxReports::cndOk_Click() {
    int option = -1;
    for (std::size_t i = 0; i < optReports.size(); ++i)
        if (optReports[i]->isChecked())
            option = static_cast<int>(i);
    const QString report = QString::fromStdString(taxReportName(option));
    const ChoiceCheck check = ValidateReportChoice(report.toStdString(), txtYear->text().toStdString(),
                                                   cboBook->currentText().toStdString());
    // What is missing shows in the status line's green; all given, the line is cleared.
    DisplayMsg(QString::fromStdString(check.message));
    if (!check.ok)
        return;
    QString year = txtYear->text();
    auto book = static_cast<std::int16_t>(itemData(*cboBook, cboBook->currentIndex()));
    if (ReportServices* reports = subsystems().reports)
        reports->GetReport(report, Variant(0), year, book);
}

} // namespace qel::reports
