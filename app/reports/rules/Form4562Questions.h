// The road to Form 4562 after its year is given: the questions asked when something the form
// needs is missing, the refresh of the 2010 to 2012 template files, and the form itself.
//
// The checks, the template files and the form are the steps of Form4562Steps: the program's
// (Form4562Work.h) are registered with the report windows; tests put their own in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qel::reports {

class Form4562Steps {
public:
    virtual ~Form4562Steps() = default;
    // A program that shows PDF files is at hand.
    virtual bool PdfViewerAvailable() = 0;
    // The company's miscellaneous Form 4562 data, the section 179 limits and the vehicle limits
    // of the year are stored.
    virtual bool Misc4562OK(std::int16_t year, std::int32_t companyId) = 0;
    virtual bool Limit179OK(std::int16_t year) = 0;
    virtual bool LimitAutoOK(std::int16_t year) = 0;
    // The company's vehicle data of the year are complete enough for the form.
    virtual bool VehicleUseOk(std::int16_t year) = 0;
    // Puts the template files of 2010, 2011 or 2012 back into the user documents folder when
    // they are missing there.
    virtual void MoveYearPdfFiles(int year) = 0;
    // Produces the form and opens it. Throws ServerError: 13011 (year 2008 or before, no form),
    // 13010 (produced; there are 50-year assets), 0x8004000D (the year's template is missing).
    virtual void Do4562Form(std::int16_t year, std::int32_t companyId) = 0;
};

// The steps in use; nullptr before the report windows register theirs.
Form4562Steps* form4562Steps();
void setForm4562Steps(Form4562Steps* steps);

// The questions (Yes and No, no icon, the application's title).
inline const std::string kReaderMissing =
    "A PDF viewer is required to Display Form 4562.  None is known to the desktop. "
    "Do you want to continue?";
inline const std::string kMiscMissing =
    "Miscellaneous 4562 data is missing. (Use Menu\\Maintenance\\Miscellaneous "
    "4562 Data, to enter the data.) Do you want to continue?";
inline const std::string kLimit179Missing = "179 Limits are missing. (Use Menu\\Maintenance\\179 Limits, to "
                                            "enter the data.) Do you want to continue?";
inline const std::string kLimitAutoMissing =
    "Auto Limits are missing. (Use Menu\\Maintenance\\Auto Maximun Limits, "
    "to enter the data.) Do you want to continue?";
inline const std::string kVehicleIncomplete = "Vehicle data is incomplete. Do you want to continue?";

// Answers a question; true for Yes.
using AskYesNo = std::function<bool(const std::string& question)>;

// Runs the road for the year typed as `answer` (its value `year`): each check that fails asks
// its question, and a No ends the road with nothing more done; then the templates of 2010, 2011
// or 2012 are refreshed when the answer is exactly that year; then the form. Returns false when
// the user stopped it. The form's failures leave as it throws them.
bool runForm4562(Form4562Steps& steps, std::string_view answer, std::int16_t year, std::int32_t companyId,
                 const AskYesNo& ask);

} // namespace qel::reports
