// The company picker's list and type-ahead.
#include "app/shell/CompanyPicker.h"

#include "common/ServerError.h"
#include "common/Variant.h"

namespace qel {

void CompanyPicker::load(const Recordset& companies) {
    rows_.clear();
    rows_.reserve(companies.RecordCount());
    const std::size_t name = companies.indexOf("Company Name");
    const std::size_t id = companies.indexOf("ID");
    if (name == Recordset::npos || id == Recordset::npos)
        throw ServerError::invalidArgument("CompanyPicker",
                                           "The company list lacks the field Company Name or ID.");
    for (const auto& row : companies.rows())
        rows_.push_back(
            {QString::fromStdString(row.at(name).toString()), QString::fromStdString(row.at(id).toString())});
}

int CompanyPicker::findPrefix(const QString& typed) const {
    const QString prefix = typed.trimmed();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].name.startsWith(prefix, Qt::CaseInsensitive))
            return static_cast<int>(i);
    return -1;
}

int CompanyPicker::typeAhead(const QString& text) {
    if (text.isEmpty())
        return -1;
    foundIndex_ = findPrefix(text);
    return foundIndex_;
}

std::int32_t CompanyPicker::companyId(int row) const {
    return Variant(rows_.at(static_cast<std::size_t>(row)).idText.toStdString()).toInt32();
}

QString CompanyPicker::companyIdCaption(int row) const {
    return QStringLiteral("Company Id ") + QString::number(companyId(row));
}

} // namespace qel
