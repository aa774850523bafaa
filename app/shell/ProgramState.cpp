// The program-wide state and its accessors.
#include "app/shell/ProgramState.h"

#include "app/shell/ErrorBox.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/data/Db.h"

#include <limits>

namespace qel {

ProgramState& writableProgramState() {
    static ProgramState state;
    return state;
}

const ProgramState& programState() {
    return writableProgramState();
}

ProgramStateSignals& programStateSignals() {
    static ProgramStateSignals signalsOfState;
    return signalsOfState;
}

void setCurrentCompany(std::int32_t id, const QString& name) {
    ProgramState& state = writableProgramState();
    state.currentCompanyId_ = id;
    state.currentCompanyName_ = name;
    emit programStateSignals().changed();
}

void SetCompanyId(std::int32_t lngCompanyId) {
    writableProgramState().currentCompanyId_ = lngCompanyId;
    emit programStateSignals().changed();
}

void setEnablePwd(const QString& enablePwd) {
    writableProgramState().enablePwd_ = enablePwd;
    emit programStateSignals().changed();
}

void setLimitedLogon(bool limited) {
    writableProgramState().limitedLogon_ = limited;
    emit programStateSignals().changed();
}

void setWorkingYear(std::int16_t year) {
    writableProgramState().workingYear_ = year;
}

void setNewFromCompanyPicker(bool fromPicker) {
    writableProgramState().newFromCompanyPicker_ = fromPicker;
}

std::int16_t GetDefaultYear() {
    return programState().WorkingYear();
}

void SetDefaultYear(const Variant& year) {
    const QString lead = QStringLiteral("Error in SetDefaultYear ");
    std::int16_t y = 0;
    if (!runWithErrorBox(
            lead, [&] { y = toInt16(year); }, kBlank))
        return;
    runWithErrorBox(
        lead, [&] { db().ExecuteSql("Update tblDefaults set defaultyear = " + sqlNumber(y)); }, kBlank);
    setWorkingYear(y);
}

std::int16_t toInt16(const Variant& value) {
    const std::int32_t v = value.toInt32();
    if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        throw ServerError(6, "Variant", "Overflow: " + std::to_string(v) + " does not fit a 16-bit number",
                          ErrorKind::Conversion);
    return static_cast<std::int16_t>(v);
}

} // namespace qel
