// Captions, column layouts and sizes of the report windows.
#include "app/reports/rules/ReportLayout.h"

#include "app/reports/rules/ReportCatalogue.h"

namespace qel::reports {

std::string bookName(std::int32_t bookId) {
    switch (bookId) {
    case 1:
        return "Federal";
    case 3:
        return "AMT";
    case 4:
        return "State";
    case 5:
        return "Other";
    default:
        return {};
    }
}

std::string reportCaption(std::string_view name, std::int32_t value, std::string_view description,
                          std::int32_t bookId, std::string_view company) {
    const std::string v = std::to_string(value);
    const std::string n(name);
    const std::string c(company);
    const ReportDef* report = findReport(name);
    switch (report ? report->caption : CaptionRule::Name) {
    case CaptionRule::Name:
        return n;
    case CaptionRule::ValueFor:
        return v + " - " + n + " for " + c;
    case CaptionRule::ValueWideFor:
        return v + "  - " + n + " for " + c;
    case CaptionRule::BookValueFor: {
        constexpr std::string_view books = "Books ";
        const std::string shown = n.starts_with(books) ? n.substr(books.size()) : n;
        return v + " - " + shown + " for " + c + ", Book - " + bookName(bookId);
    }
    case CaptionRule::DataThru:
        return n + " Data for " + c + " thru " + v;
    case CaptionRule::Schedule: {
        const std::string book = bookName(bookId);
        return (book.empty() ? std::string("Book") : book) + " Depr Schedule - " + std::string(description) +
               " for " + c;
    }
    }
    return n;
}

std::int32_t applyColumnLayout(std::string_view name, ReportList& list) {
    const ReportDef* report = findReport(name);
    if (!report)
        return 0;
    for (const ColumnSetting& s : report->columns) {
        if (s.position < 1 || s.position > list.columnCount())
            continue;
        ReportColumn& column = list.column(s.position - 1);
        if (s.width)
            column.width = *s.width;
        if (s.title)
            column.title = s.title;
        if (s.right)
            column.align = CellAlign::Right;
    }
    return report->fixedWidth;
}

WindowSize reportWindowSize(std::int32_t rows, std::int64_t listWidth, std::int64_t mainWidth,
                            std::int64_t mainHeight) {
    WindowSize size{listWidth + 400, std::int64_t{rows} * 210 + 1600};
    if (rows > 30)
        size.width += 200;
    if (size.width > mainWidth)
        size.width = mainWidth - 300;
    if (mainHeight - 1300 < size.height)
        size.height = mainHeight - 1300;
    return size;
}

WindowSize laidOutSize(WindowSize own, std::int32_t rows, std::int32_t fixedWidth, std::int64_t mainWidth) {
    if (rows < kRowsSizedToFit)
        own.height = std::int64_t{rows} * 200 + 1600;
    if (fixedWidth > 0)
        own.width = fixedWidth;
    if (own.width > mainWidth)
        own.width = mainWidth - 300;
    return own;
}

} // namespace qel::reports
