// The report window.
#include "app/reports/FrmDocument.h"

#include "app/reports/ReportListModel.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace qel::reports {
namespace {

using K = ControlKind;

constexpr int kHelpId = 30;
// Button size and the margins around the list, in twips.
constexpr double kButtonWidth = 900;
constexpr double kButtonHeight = 315;
constexpr double kMargin = 100;
constexpr double kButtonStep = 1100;

// The controls; DoReports sizes the window, and resizeEvent places the list and the buttons.
const FormDef& documentForm() {
    static const FormDef form = {
        .name = "frmDocument",
        .caption = "Generating Report",
        .size = {.width = 3000, .height = 300},
        .helpId = kHelpId,
        .controls =
            {
                {.name = "lvListView", .kind = K::TableView, .helpId = kHelpId, .tabIndex = 0},
                {.name = "cmdPrint",
                 .kind = K::CommandButton,
                 .at = {0, 0, kButtonWidth, kButtonHeight},
                 .caption = "&Print",
                 .helpId = kHelpId,
                 .tabIndex = 1},
                {.name = "cmdCancel",
                 .kind = K::CommandButton,
                 .at = {0, 0, kButtonWidth, kButtonHeight},
                 .caption = "&Cancel",
                 .helpId = kHelpId,
                 .tabIndex = 2},
                {.name = "cmdGridLines",
                 .kind = K::CommandButton,
                 .at = {0, 0, kButtonWidth, kButtonHeight},
                 .caption = "&Gridlines",
                 .helpId = kHelpId,
                 .tabIndex = 3},
            },
    };
    return form;
}

// The main window's width and height in twips; without one, no limit.
WindowSize mainWindowSize() {
    if (const MdiMain* main = MdiMain::instance()) {
        const TwipsRect at = windowTwips(*main);
        return {static_cast<std::int64_t>(at.width), static_cast<std::int64_t>(at.height)};
    }
    constexpr auto unlimited = std::numeric_limits<std::int32_t>::max();
    return {unlimited, unlimited};
}

// The width of texts in one font, at most a pixel short of what the list draws: the advances of
// their characters added up (the list also moves some pairs of letters closer), so that a
// report of any length is measured in one quick pass.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : metrics_(font) {
        for (std::size_t c = 0; c < ascii_.size(); ++c)
            ascii_[c] = metrics_.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    }
    qreal of(std::string_view text) const {
        qreal sum = 0;
        for (const char ch : text) {
            const auto code = static_cast<unsigned char>(ch);
            if (code >= ascii_.size())
                return metrics_.horizontalAdvance(
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            sum += ascii_[code];
        }
        return sum;
    }

private:
    QFontMetricsF metrics_;
    std::array<qreal, 128> ascii_{};
};

// The width in pixels each column's widest cell needs in the list: its text in the list's font
// (bold for a bold cell), with the margin the style keeps either side of a cell's text and a
// pixel for the grid line; blanks at the end of a text need no room.
std::vector<int> widestCells(const ReportList& list, const QTableView& view) {
    QFont boldFont = view.font();
    boldFont.setBold(true);
    const TextWidths plain(view.font());
    const TextWidths bold(boldFont);
    std::vector<qreal> widest(list.columnCount(), 0);
    for (std::size_t r = 0; r < list.rowCount(); ++r) {
        for (std::size_t c = 0; c < widest.size(); ++c) {
            const ReportCell cell = list.cell(r, c);
            const std::size_t end = cell.text.find_last_not_of(' ');
            if (end != std::string_view::npos)
                widest[c] = std::max(widest[c], (cell.bold ? bold : plain).of(cell.text.substr(0, end + 1)));
        }
    }
    // The margin either side and the grid line, and a pixel for rounding.
    const int margins = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1) + 2;
    std::vector<int> out;
    out.reserve(widest.size());
    for (const qreal w : widest)
        out.push_back(w > 0 ? static_cast<int>(std::ceil(w)) + margins : 0);
    return out;
}

} // namespace

FrmDocument::FrmDocument(QWidget* parent) : QWidget(parent) {
    const FormControls controls = buildForm(*this, documentForm());
    lvListView = controls.get<QTableView>("lvListView");
    cmdPrint = controls.get<QPushButton>("cmdPrint");
    cmdCancel = controls.get<QPushButton>("cmdCancel");
    cmdGridLines = controls.get<QPushButton>("cmdGridLines");

    lvListView->setShowGrid(false);
    lvListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvListView->setWordWrap(false);
    lvListView->verticalHeader()->hide();
    // Rows of one line at the list's font, as close as the list of the original window, whose
    // short reports are sized for about 200 twips a row: every row the same height, so a long
    // list scrolls without measuring its rows.
    const int line = lvListView->fontMetrics().height();
    lvListView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvListView->verticalHeader()->setMinimumSectionSize(line + 1);
    lvListView->verticalHeader()->setDefaultSectionSize(line + 1);
    lvListView->horizontalHeader()->setFixedHeight(line + 6);
    lvListView->horizontalHeader()->setHighlightSections(false);
    lvListView->horizontalHeader()->setSectionsClickable(true);

    // Printing comes with its own subsystem; without it there is nothing to print with.
    cmdPrint->setEnabled(subsystems().printing != nullptr);

    connect(cmdPrint, &QPushButton::clicked, this, &FrmDocument::cmdPrint_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmDocument::cmdCancel_Click);
    connect(cmdGridLines, &QPushButton::clicked, this, &FrmDocument::cmdGridLines_Click);
    connect(lvListView->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FrmDocument::lvListView_ColumnClick);
    // Esc closes the window, as Cancel does.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, &FrmDocument::cmdCancel_Click);
}

FrmDocument::~FrmDocument() = default;

std::int32_t FrmDocument::CreateReport(const QString& strReport, std::int32_t intYear, std::int16_t bookId) {
    ServerReportQueries queries;
    const MessageSink sink = [](const std::string& text) { ui().messageBox(QString::fromStdString(text)); };
    report_ = buildReport(strReport.toStdString(), programState().CurrentCompanyId(), intYear, bookId,
                          queries, sink);
    if (report_.rows >= 1) {
        const WindowSize main = mainWindowSize();
        ownSize_ = reportWindowSize(report_.rows, report_.list.width(), main.width, main.height);
    }
    return report_.rows;
}

std::int32_t FrmDocument::showReport(const QString& strReport) {
    const std::int32_t fixedWidth = applyColumnLayout(strReport.toStdString(), report_.list);
    model_ = new ReportListModel(std::move(report_.list), lvListView->font(), this);
    lvListView->setModel(model_);
    QHeaderView* header = lvListView->horizontalHeader();
    const auto& columns = model_->list().columns();
    // A column is at least as wide as its widest cell, so that the list cuts none short; the
    // window grows by what the columns gained.
    const std::vector<int> widest = widestCells(model_->list(), *lvListView);
    int gained = 0;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const std::int32_t width = columns[static_cast<std::size_t>(c)].width;
        if (width <= 0) {
            lvListView->setColumnHidden(c, true);
            continue;
        }
        const int given = twipsToPixelsX(*this, width);
        const int shown = std::max(given, widest[static_cast<std::size_t>(c)]);
        gained += shown - given;
        header->resizeSection(c, shown);
    }
    const auto gainedTwips = static_cast<std::int32_t>(std::lround(pixelsToTwipsX(*this, gained)));
    ownSize_.width += gainedTwips;
    return fixedWidth > 0 ? fixedWidth + gainedTwips : 0;
}

const ReportList& FrmDocument::list() const {
    return model_ ? model_->list() : report_.list;
}

int FrmDocument::heightMissingForEveryRow() const {
    const QTableView& list = *lvListView;
    const int frame = 2 * list.frameWidth();
    const bool scrollsSideways = list.horizontalHeader()->length() > list.width() - frame;
    const int scrollBar =
        scrollsSideways ? list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list) : 0;
    const int needed =
        frame + list.horizontalHeader()->height() + list.verticalHeader()->length() + scrollBar;
    return std::max(0, needed - list.height());
}

void FrmDocument::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The list fills the window but for a margin and the row of buttons under it; the buttons
    // stand right under the list, Cancel's right edge a margin inside the list's.
    const double width = pixelsToTwipsX(*this, this->width());
    const double height = pixelsToTwipsY(*this, this->height());
    const double listWidth = std::max(0.0, width - 2 * kMargin);
    const double listHeight = std::max(0.0, height - 3 * kMargin - kButtonHeight - kMargin);
    setTwipsGeometry(*lvListView, kMargin, kMargin, listWidth, listHeight);
    const double top = kMargin + listHeight + kMargin;
    const double cancelLeft = kMargin + listWidth - kMargin - kButtonWidth;
    setTwipsGeometry(*cmdCancel, cancelLeft, top, kButtonWidth, kButtonHeight);
    setTwipsGeometry(*cmdPrint, cancelLeft - kButtonStep, top, kButtonWidth, kButtonHeight);
    setTwipsGeometry(*cmdGridLines, cancelLeft - 2 * kButtonStep, top, kButtonWidth, kButtonHeight);
}

void FrmDocument::cmdPrint_Click() {
    // What prints is what the list shows, sorted or not.
    if (PrintingServices* printing = subsystems().printing)
        printing->PrintListView(model_ ? model_->shown() : ShownList(list()), windowTitle());
}

void FrmDocument::cmdCancel_Click() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void FrmDocument::cmdGridLines_Click() {
    lvListView->setShowGrid(!lvListView->showGrid());
}

// A click on a column title sorts by that column, ascending; a second click on the same column
// flips the order. Subtotal and total rows keep their places (ReportListModel).
void FrmDocument::lvListView_ColumnClick(int column) {
    if (!model_)
        return;
    sortOrder_ = (column == sortColumn_ && sortOrder_ == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                             : Qt::AscendingOrder;
    sortColumn_ = column;
    lvListView->horizontalHeader()->setSortIndicatorShown(true);
    lvListView->horizontalHeader()->setSortIndicator(column, sortOrder_);
    model_->sort(column, sortOrder_);
}

} // namespace qel::reports
