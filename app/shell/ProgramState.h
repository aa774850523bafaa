// The program-wide state of the desktop program: the current company, the working year, the
// password switch, the flag of the company picker's New button and the logon's level; with the
// accessors of the company id and the working year.
//
// One instance lives from program start to program end. Every subsystem reads the current
// company id and passes it to the data server; the start-up sequence and the callers of the
// company picker write it. The company, the password switch and the logon's level decide which menu items are
// enabled: they are written through the setters below, which tell programStateSignals(), so the
// main window's menus follow.
#pragma once

#include "app/shell/ProgramStateSignals.h"
#include "common/Variant.h"

#include <QString>

#include <cstdint>

namespace qel {

// Read through programState(); written only through the setters below.
class ProgramState {
public:
    std::int32_t CurrentCompanyId() const { return currentCompanyId_; }
    const QString& CurrentCompanyName() const { return currentCompanyName_; }
    // The default fiscal year of reports, exports and the asset form; from tblDefaults.
    std::int16_t WorkingYear() const { return workingYear_; }
    // "Y": ask for a logon at the next start. Any other text, "N" included, means off.
    const QString& EnablePwd() const { return enablePwd_; }
    // True only between the company picker's New button and the picker's next close; the
    // maintenance window reopens the picker when it closes while this is set.
    bool NewFromCompanyPicker() const { return newFromCompanyPicker_; }
    // True after the logon of a user whose level is not "Admin": user maintenance and "Disable
    // Password" stay hidden for the rest of the run.
    bool LimitedLogon() const { return limitedLogon_; }

private:
    friend void setCurrentCompany(std::int32_t id, const QString& name);
    friend void SetCompanyId(std::int32_t lngCompanyId);
    friend void setEnablePwd(const QString& enablePwd);
    friend void setLimitedLogon(bool limited);
    friend void setWorkingYear(std::int16_t year);
    friend void setNewFromCompanyPicker(bool fromPicker);
    friend ProgramState& writableProgramState();

    std::int32_t currentCompanyId_ = 0;
    QString currentCompanyName_;
    std::int16_t workingYear_ = 0;
    QString enablePwd_;
    bool newFromCompanyPicker_ = false;
    bool limitedLogon_ = false;
};

// The one instance.
const ProgramState& programState();

// The writers of the state the menus follow; each stores, then emits changed().
void setCurrentCompany(std::int32_t id, const QString& name);
void SetCompanyId(std::int32_t lngCompanyId);
void setEnablePwd(const QString& enablePwd);
void setLimitedLogon(bool limited);

// The writers of the rest, which no menu item follows.
// The running program's working year only; SetDefaultYear stores it in tblDefaults as well.
void setWorkingYear(std::int16_t year);
void setNewFromCompanyPicker(bool fromPicker);

std::int16_t GetDefaultYear();

// Stores the year as the working year in tblDefaults and in the running program. A year that is
// no number changes nothing; a failed update still changes the running program's year. Either
// failure is shown in the error box "Error in SetDefaultYear ".
void SetDefaultYear(const Variant& year);

// The value as a 16-bit number (a fraction rounds half to even). Throws ServerError (type
// mismatch, or overflow number 6) when it is no number or does not fit.
std::int16_t toInt16(const Variant& value);

} // namespace qel
