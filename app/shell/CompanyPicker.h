// The company picker's list apart from its widgets: the company names in the order the data
// server gives them with their ids (CompanyIds, parallel to the list rows), and the type-ahead
// search that finds a company from its first letters.
#pragma once

#include "common/Recordset.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace qel {

struct CompanyRow {
    QString name;   // "Company Name"
    QString idText; // "ID" as the recordset gave it
};

class CompanyPicker {
public:
    // Takes the rows of CompanyPersist::GetCompanyList (fields "Company Name" and "ID").
    void load(const Recordset& companies);
    const std::vector<CompanyRow>& rows() const { return rows_; }

    // The index of the first row whose name begins with the text trimmed of blanks at either
    // end, ignoring case; -1 when none does.
    int findPrefix(const QString& typed) const;

    // The type-ahead box's text changed: nothing for an empty text (the selection stays);
    // otherwise the search, remembered as foundIndex(). Returns the row to select, or -1 when
    // the selection stays.
    int typeAhead(const QString& text);
    // The index the last search returned; -1 when it found nothing, 0 before any search.
    int foundIndex() const { return foundIndex_; }

    // The row's id as a 32-bit number; throws ServerError when it is no number.
    std::int32_t companyId(int row) const;
    // "Company Id " followed by the row's id.
    QString companyIdCaption(int row) const;

private:
    std::vector<CompanyRow> rows_;
    int foundIndex_ = 0;
};

} // namespace qel
