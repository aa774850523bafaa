// The company picker's list and type-ahead.
#include "app/shell/CompanyPicker.h"

#include "common/ServerError.h"
#include "common/Variant.h"

namespace qel {

void CompanyPicker::load(Recordset companies) {
    const std::size_t name = companies.indexOf("Company Name");
    const std::size_t id = companies.indexOf("ID");
    if (name == Recordset::npos || id == Recordset::npos)
        throw ServerError::invalidArgument("CompanyPicker",
                                           "The company list lacks the field Company Name or ID.");
    nameColumn_ = static_cast<int>(name);
    idColumn_ = static_cast<int>(id);
    model_.setRecordset(std::move(companies));
}

QString CompanyPicker::name(int row) const {
    return model_.text(row, nameColumn_);
}

int CompanyPicker::findPrefix(const QString& typed) const {
    const QString prefix = typed.trimmed();
    for (int row = 0; row < rowCount(); ++row)
        if (name(row).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    return -1;
}

int CompanyPicker::typeAhead(const QString& text) {
    if (text.isEmpty())
        return -1;
    foundIndex_ = findPrefix(text);
    return foundIndex_;
}

std::int32_t CompanyPicker::companyId(int row) const {
    return model_.value(row, idColumn_).toInt32();
}

QString CompanyPicker::companyIdCaption(int row) const {
    return QStringLiteral("Company Id ") + QString::number(companyId(row));
}

} // namespace qel
