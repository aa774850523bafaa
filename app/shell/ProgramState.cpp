// The program-wide state and its accessors.
#include "app/shell/ProgramState.h"

#include "app/shell/ErrorBox.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/data/Db.h"

#include <limits>

namespace qel {

ProgramState& programState() {
    static ProgramState state;
    return state;
}

ProgramStateSignals& programStateSignals() {
    static ProgramStateSignals signalsOfState;
    return signalsOfState;
}

void setCurrentCompany(std::int32_t id, const QString& name) {
    programState().CurrentCompanyId = id;
    programState().CurrentCompanyName = name;
    emit programStateSignals().changed();
}

void SetCompanyId(std::int32_t lngCompanyId) {
    programState().CurrentCompanyId = lngCompanyId;
    emit programStateSignals().changed();
}

void setEnablePwd(const QString& enablePwd) {
    programState().EnablePwd = enablePwd;
    emit programStateSignals().changed();
}

void setLimitedLogon(bool limited) {
    programState().LimitedLogon = limited;
    emit programStateSignals().changed();
}

std::int16_t GetDefaultYear() {
    return programState().WorkingYear;
}

void SetDefaultYear(const Variant& year) {
    const QString lead = QStringLiteral("Error in SetDefaultYear ");
    std::int16_t y = 0;
    if (!runWithErrorBox(
            lead, [&] { y = toInt16(year); }, kBlank))
        return;
    runWithErrorBox(
        lead, [&] { db().ExecuteSql("Update tblDefaults set defaultyear = " + sqlNumber(y)); }, kBlank);
    programState().WorkingYear = y;
}

std::int16_t toInt16(const Variant& value) {
    const std::int32_t v = value.toInt32();
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        throw ServerError(6, "Variant", "Overflow: " + std::to_string(v) + " does not fit a 16-bit number",
                          ErrorKind::Conversion);
    return static_cast<std::int16_t>(v);
}

} // namespace qel
