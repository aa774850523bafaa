// The company picker's list apart from its widgets: the data server's company list (names in the
// order it gives them, with their ids) as the model the picker's list view shows, and the
// type-ahead search that finds a company from its first letters.
#pragma once

#include "app/shell/RecordsetModel.h"
#include "common/Recordset.h"

#include <QString>

#include <cstdint>

namespace qel {

class CompanyPicker {
public:
    // Takes the rows of CompanyPersist::GetCompanyList (fields "Company Name" and "ID"); throws
    // ServerError (InvalidArgument) when either field is missing, and keeps the rows it had.
    void load(Recordset companies);
    // The list as the picker shows it: the company name in column 0 ("Company Name" is the first
    // field of the list).
    RecordsetModel& model() { return model_; }
    int rowCount() const { return model_.rowCount(); }
    // The model's column of the company names.
    int nameColumn() const { return nameColumn_; }
    // The company name of a row as shown.
    QString name(int row) const;

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
    RecordsetModel model_;
    int nameColumn_ = 0;
    int idColumn_ = 1;
    int foundIndex_ = 0;
};

} // namespace qel
