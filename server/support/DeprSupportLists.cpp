// DeprSupport: the maintenance lists and combo sources, and the count that guards the deletion
// of an asset class.
//
// A maintenance list has one field per visible column, titled by its name (padded titles are
// aliases whose blanks widen the column), and the row's hidden key last. A combo source has the
// display text first and the entry's key second. Where the stored column is spelt otherwise, an
// alias keeps the name callers know.
#include "server/support/DeprSupport.h"

#include "common/SqlLiteral.h"

#include <algorithm>
#include <limits>

namespace qel {

Recordset DeprSupport::GetClassMaint() {
    return passOn("DeprSupport", "GetClassMaint", [] {
        return ExecuteQueryReturnRS(" SELECT Method, Description AS [Description               ], "
                                    "[Life] AS [Life    ], [If Auto - Type],"
                                    " [Amortize #], [Account Descr], tblDeprClass.ID"
                                    " FROM (tblDeprClass INNER JOIN tblDeprMethods ON "
                                    " tblDeprClass.Method_ID = tblDeprMethods.ID) "
                                    " inner join tblAccounts on "
                                    " tblDeprClass.ID_acct = tblAccounts.ID_acct "
                                    " ORDER BY Method, Description ");
    });
}

Recordset DeprSupport::GetAccountMaint() {
    return passOn("DeprSupport", "GetAccountMaint", [] {
        return ExecuteQueryReturnRS(
            " Select [Account Descr] AS [Account Descr      ], [Capital Account], "
            "[Accum Acct], [Depr Account]"
            ", [Gain Loss Acct] , ID_acct AS ID_acct from tblAccounts order by [Account Descr]");
    });
}

Recordset DeprSupport::GetUserMaint() {
    return passOn("DeprSupport", "GetUserMaint", [] {
        return ExecuteQueryReturnRS(
            " Select UserId AS [UserId       ], [Password] AS [Password    ], [UserLevel]"
            ",   PwdID from tblPasswords order by [UserId]");
    });
}

Recordset DeprSupport::GetLocationMaint() {
    return passOn("DeprSupport", "GetLocationMaint", [] {
        return ExecuteQueryReturnRS(" Select [Short Location], [Long Location]"
                                    " , Location_ID from tblLocations order by [Short Location]");
    });
}

Recordset DeprSupport::GetAccounts() {
    return passOn("DeprSupport", "GetAccounts", [] {
        return ExecuteQueryReturnRS(
            "SELECT [Account Descr], id_acct AS id_acct FROM tblAccounts order by [account descr]");
    });
}

Recordset DeprSupport::GetAccountsCbo() {
    return passOn("DeprSupport", "GetAccountsCbo", [] {
        return ExecuteQueryReturnRS(
            "SELECT [Account Descr], id_acct AS id_acct from tblAccounts order by [Account Descr]");
    });
}

Recordset DeprSupport::GetLocationsCbo() {
    return passOn("DeprSupport", "GetLocationsCbo", [] {
        return ExecuteQueryReturnRS("SELECT [Short Location], Location_id AS Location_id from tblLocations "
                                    "order by [Short Location]");
    });
}

Recordset DeprSupport::GetMethods() {
    return passOn("DeprSupport", "GetMethods", [] {
        return ExecuteQueryReturnRS("Select Method, id AS id from tblDeprMethods "
                                    " order by Method ");
    });
}

Recordset DeprSupport::GetConventions() {
    return passOn("DeprSupport", "GetConventions", [] {
        return ExecuteQueryReturnRS("Select Description, id from tblConvention "
                                    " order by Description ");
    });
}

Recordset DeprSupport::GetBonusDepr() {
    return passOn("DeprSupport", "GetBonusDepr", [] {
        return ExecuteQueryReturnRS(
            "SELECT BonusDescription, BonusPercent from tblBonusDepr order by BonusDescription");
    });
}

Recordset DeprSupport::GetBookCbo(bool bIncludeFederal) {
    return passOn("DeprSupport", "GetBookCbo", [&] {
        // The financial book is never offered: it has no yearly rows.
        return ExecuteQueryReturnRS(
            bIncludeFederal ? "SELECT BookDescription, BookId from tblBooks where BookDescription <> "
                              "'Book' order by BookDescription"
                            : "SELECT BookDescription, BookId from tblBooks where BookDescription <> "
                              "'Book' and BookDescription <> 'Federal' order by BookDescription");
    });
}

Recordset DeprSupport::GetLives(const std::string& strType) {
    return passOn("DeprSupport", "GetLives", [&] {
        // The method text is bound. The asset form remembers a life by its position in this
        // list, so the lives come in the order they were stored.
        return ExecuteQueryReturnRS("select Life AS life from tbllives "
                                    " where type = ? order by rowid",
                                    nullptr, {Variant(strType)});
    });
}

Recordset DeprSupport::GetTypes(std::int32_t lngType) {
    return passOn("DeprSupport", "GetTypes", [&] {
        // The asset form reads the life, the vehicle type and the amortization number back from
        // the packed text; 50 blanks keep them out of sight in the combo box. Any Null part
        // makes the whole text Null.
        return ExecuteQueryReturnRS("SELECT tblDeprClass.Description || '" + std::string(50, ' ') +
                                    "' || [Life] || '-' || [If Auto - Type] ||'\\' || [Amortize #], "
                                    "tblDeprClass.Id AS Id"
                                    " FROM tblDeprClass INNER JOIN tblDeprMethods ON tblDeprClass.Method_ID "
                                    " = tblDeprMethods.ID Where tblDeprClass.Method_ID = " +
                                    sqlNumber(lngType) + " ORDER BY tblDeprClass.Description");
    });
}

std::int16_t DeprSupport::CheckClassId(std::int32_t lngDepr_Class_Id) {
    return passOn("DeprSupport", "CheckClassId", [&] {
        const std::int32_t count = ReturnDbData("SELECT count(*) FROM tblAssets WHERE DEPR_class_id = " +
                                                sqlNumber(lngDepr_Class_Id));
        // A count beyond the 16-bit range stays positive, so a class in use is never taken for
        // an unused one.
        return static_cast<std::int16_t>(
            std::min<std::int32_t>(count, std::numeric_limits<std::int16_t>::max()));
    });
}

} // namespace qel
