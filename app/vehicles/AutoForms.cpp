// The vehicle windows' control tables. Positions are twips; the vehicle use window's grid puts
// column N at 3480 + 840 (N - 1) in its frame, its lines 30 to 36 at the heights of the form's
// own lines.
#include "app/vehicles/AutoForms.h"

#include "app/shell/FormParts.h"
#include "app/vehicles/rules/AutoQstRules.h"
#include "app/vehicles/rules/AutoUseRules.h"

#include <deque>
#include <string>

namespace qel {
namespace {

using K = ControlKind;

constexpr int kHelpId = 11;
const QColor kMileageBlue(0, 0, 255);
constexpr FontDef kBoldGreenFont = {nullptr, 8.25, true};

// Keeps a made-up control name for as long as the tables live.
const char* keep(const QString& name) {
    static std::deque<std::string> names;
    return names.emplace_back(name.toStdString()).c_str();
}

// An answer pair: a small frame holding the Yes button at the left and the No button at the
// right, without captions (the "Yes   No" heading stands above).
void addPair(std::vector<ControlDef>& controls, const char* parent, const QString& pair, TwipsBox at,
             const QString& question, int tabIndex) {
    const char* frame = keep(QStringLiteral("fra") + pair);
    controls.push_back({.name = frame, .kind = K::Panel, .parent = parent, .at = at});
    const char* yes = keep(question + QStringLiteral(": Yes"));
    const char* no = keep(question + QStringLiteral(": No"));
    controls.push_back({.name = keep(pairButton(pair, 0)),
                        .kind = K::OptionButton,
                        .parent = frame,
                        .at = {90, 80, 240, 240},
                        .tip = yes,
                        .tabIndex = tabIndex});
    controls.push_back({.name = keep(pairButton(pair, 1)),
                        .kind = K::OptionButton,
                        .parent = frame,
                        .at = {435, 80, 240, 240},
                        .tip = no,
                        .tabIndex = tabIndex + 1});
}

FormDef makeAutoUseForm() {
    FormDef form = {
        .name = "frmAutoUse",
        .caption = "Information on Use of Vehicles",
        .size = {.width = 8820, .height = 5520},
        .border = Border::FixedDialog,
        .helpId = kHelpId,
        .controls =
            {
                {.name = "lblTitle",
                 .kind = K::Label,
                 .at = {120, 90, 8580, 255},
                 .font = kBoldGreenFont,
                 .foreColor = kMessageGreen},
                {.name = "lblAutoDesc",
                 .kind = K::Label,
                 .at = {120, 420, 2400, 255},
                 .caption = "Vehicle Description:"},
                {.name = "lblDescription",
                 .kind = K::Label,
                 .at = {2580, 420, 6120, 255},
                 .font = kBoldGreenFont,
                 .foreColor = kMessageGreen},
                {.name = "fraUse", .kind = K::GroupBox, .at = {120, 720, 8580, 4110}},
                {.name = "lblBusiness1",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 330, 3360, 210},
                 .caption = "Total business/investment miles driven during",
                 .buddy = "txtBusiness1"},
                {.name = "lblBusiness2",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 525, 3360, 210},
                 .caption = "the year(do not include commuting miles----"},
                {.name = "lblBusiness3",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 720, 3360, 210},
                 .caption = "see the instructions)"},
                {.name = "lblCommute",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 990, 3360, 210},
                 .caption = "Total commuting miles driven during the year.",
                 .buddy = "txtCommuting1"},
                {.name = "lblPersonal",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 1320, 3360, 420},
                 .caption = "Total other personal (noncommuting miles driven).",
                 .buddy = "txtPersonal1",
                 .style = kWordWrap},
                {.name = "lblTotalMiles",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 1880, 3360, 210},
                 .caption = "Total miles driven during the year."},
                {.name = "lblOffDuty",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 2570, 3360, 420},
                 .caption = "Was the vehicle available for personal use during off-duty hours?",
                 .style = kWordWrap},
                {.name = "lbl5Owner",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 3040, 3360, 420},
                 .caption = "Was the vehicle used primary by a more then 5% owner or related person?",
                 .style = kWordWrap},
                {.name = "lblAnother",
                 .kind = K::Label,
                 .parent = "fraUse",
                 .at = {60, 3520, 3360, 420},
                 .caption = "Is another vehicle available for personal use?",
                 .style = kWordWrap},
            },
    };
    for (int n = 1; n <= kVehicleColumns; ++n) {
        const double x = 3480 + 840 * (n - 1);
        const QString vehicle = QStringLiteral("Vehicle %1").arg(n);
        // Each column is one stop of the tab order after the other, box by box, then its answers.
        const int tab = 10 * n;
        auto& c = form.controls;
        c.push_back({.name = keep(columnControl("lblVehicle", n)),
                     .kind = K::Label,
                     .parent = "fraUse",
                     .at = {x, 90, 780, 210},
                     .caption = keep(vehicle)});
        const auto mileage = [&](const char* base, double y, const char* what, int tabIndex) {
            c.push_back({.name = keep(columnControl(base, n)),
                         .kind = K::TextBox,
                         .parent = "fraUse",
                         .at = {x, y, 780, 285},
                         .foreColor = kMileageBlue,
                         .tip = keep(vehicle + QStringLiteral(": ") + what),
                         .tabIndex = tabIndex});
        };
        mileage("txtBusiness", 440, "business/investment miles", tab);
        mileage("txtCommuting", 960, "commuting miles", tab + 1);
        mileage("txtPersonal", 1380, "other personal miles", tab + 2);
        c.push_back({.name = keep(columnControl("lblTotal", n)),
                     .kind = K::Label,
                     .parent = "fraUse",
                     .at = {x, 1850, 780, 285},
                     .font = kBoldGreenFont,
                     .foreColor = kMessageGreen});
        c.push_back({.name = keep(columnControl("lblYesNo", n)),
                     .kind = K::Label,
                     .parent = "fraUse",
                     .at = {x + 60, 2340, 720, 210},
                     .caption = "Yes   No"});
        addPair(c, "fraUse", columnControl("OptOffDuty", n), {x, 2540, 735, 395},
                vehicle + QStringLiteral(" available off duty"), tab + 3);
        addPair(c, "fraUse", columnControl("Opt5Owner", n), {x, 3010, 735, 395},
                vehicle + QStringLiteral(" used by a 5% owner"), tab + 5);
        addPair(c, "fraUse", columnControl("optAnother", n), {x, 3490, 735, 395},
                vehicle + QStringLiteral(" another vehicle available"), tab + 7);
    }
    // The bottom line comes after the columns, so that the first column's box takes the focus
    // when the window opens.
    const std::vector<ControlDef> bottom = {
        {.name = "lblRemove",
         .kind = K::Label,
         .at = {120, 5040, 1500, 255},
         .caption = "Remove Vehicle #:",
         .buddy = "txtAutoNum"},
        {.name = "txtAutoNum", .kind = K::TextBox, .at = {1680, 5000, 600, 285}, .tabIndex = 100},
        {.name = "cmdDelete",
         .kind = K::CommandButton,
         .at = {2400, 4960, 1000, 375},
         .caption = "&Delete",
         .tabIndex = 101},
        {.name = "cmdSave",
         .kind = K::CommandButton,
         .at = {6480, 4960, 1000, 375},
         .caption = "&Save",
         .tabIndex = 102,
         .style = kDefaultButton},
        {.name = "cmdCancel",
         .kind = K::CommandButton,
         .at = {7620, 4960, 1000, 375},
         .caption = "&Cancel",
         .tabIndex = 103},
    };
    form.controls.insert(form.controls.end(), bottom.begin(), bottom.end());
    return form;
}

FormDef makeAutoQstForm() {
    // The window is wide enough for a desktop's frame to show its whole title in the desktop's
    // title font; the questions, their answers and the buttons take the room to its right edge.
    constexpr double width = 9375, wider = width - 7815;
    FormDef form = {
        .name = "frmAutoQst",
        .caption = "Questions for Employers Who Provide Vehicles for Use by their Employees",
        .size = {.width = width, .height = 4620},
        .border = Border::FixedDialog,
        .controls =
            {
                {.name = "lblTitle",
                 .kind = K::Label,
                 .at = {120, 120, 7575 + wider, 255},
                 .font = kBoldGreenFont,
                 .foreColor = kMessageGreen},
                {.name = "lblYesNo",
                 .kind = K::Label,
                 .at = {6840 + wider, 420, 855, 210},
                 .caption = "Yes / No"},
                {.name = "lblNote",
                 .kind = K::Label,
                 .at = {120, 3720, 7575 + wider, 255},
                 .caption =
                     "See page 8 of the instructions for vehicles used by corporate officers, or 1% or "
                     "more owners."},
            },
    };
    for (int q = 0; q < kEmployerQuestions; ++q) {
        const EmployerQuestion& question = kEmployerQuestionTable[q];
        const double y = 660 + 610 * q;
        form.controls.push_back({.name = question.label,
                                 .kind = K::Label,
                                 .at = {120, y, 6540 + wider, 600},
                                 .caption = question.caption,
                                 .style = kWordWrap});
        addPair(form.controls, nullptr, QString::fromUtf8(question.pair), {6840 + wider, y, 735, 395},
                QStringLiteral("Line %1").arg(question.formLine), 2 * q);
    }
    // The buttons come after the questions, so that the first question takes the focus.
    const std::vector<ControlDef> buttons = {
        {.name = "cmdSave",
         .kind = K::CommandButton,
         .at = {4380 + wider, 4110, 1000, 375},
         .caption = "&Save",
         .tabIndex = 20,
         .style = kDefaultButton},
        {.name = "cmdCancel",
         .kind = K::CommandButton,
         .at = {5490 + wider, 4110, 1000, 375},
         .caption = "&Cancel",
         .tabIndex = 21},
        {.name = "cmdDelete",
         .kind = K::CommandButton,
         .at = {6600 + wider, 4110, 1000, 375},
         .caption = "&Delete",
         .tabIndex = 22},
    };
    form.controls.insert(form.controls.end(), buttons.begin(), buttons.end());
    return form;
}

} // namespace

QString columnControl(const char* base, int column) {
    return QString::fromUtf8(base) + QString::number(column);
}

QString pairButton(const QString& pair, int element) {
    return pair + QLatin1Char('_') + QString::number(element);
}

const FormDef& autoUseForm() {
    static const FormDef form = makeAutoUseForm();
    return form;
}

const FormDef& autoQstForm() {
    static const FormDef form = makeAutoQstForm();
    return form;
}

} // namespace qel
