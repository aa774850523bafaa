// Display4562: the filled Form 4562 (Depreciation and Amortization) of one company and one tax
// year, as a PDF in the user documents folder.
//
// A run gathers the company's amounts for the year from the data server, stores the section 179
// carryover of the next year, fills the year's template field by field and saves the result.
// It shows nothing: the caller opens the file (through the callback given to the constructor)
// and shows the errors below.
#pragma once

#include "server/data/Database.h"

#include <cstdint>
#include <functional>
#include <string>

namespace qel {

class Display4562 : public ServerObject {
public:
    // The error numbers a caller tells apart (ServerError::number()). Their descriptions are the
    // text to show:
    //  - kErrTemplateMissing (0x8004000D): "The 4562.Pdf file for year <year> is missing. Get
    //    your update from <web site>." Shown with an error icon, title "4562 Form Error".
    //  - kErrYearTooEarly (13011): "Form 4562 is only available for years greater then 2008."
    //  - kErrFiftyYearAssets (13010): "There are 50 year assets. Print 50 Year Report and include
    //    with return." The form has been saved and handed to the callback before it is raised.
    static constexpr std::int32_t kErrTemplateMissing = static_cast<std::int32_t>(0x8004000DU);
    static constexpr std::int32_t kErrYearTooEarly = 13011;
    static constexpr std::int32_t kErrFiftyYearAssets = 13010;

    // Called with the path of a filled form once it is saved, to open it in the desktop's PDF
    // viewer (the program passes its UiServices' openDocument). May be empty.
    using OpenDocument = std::function<void(const std::string& path)>;

    explicit Display4562(OpenDocument openDocument = {});

    // Fills the Form 4562 of company lngCompanyId for tax year intYear. In this order:
    //  1. The year's marker "4562_YY.fdf" (YY the year's last two digits) must stand in the user
    //     documents folder: else kErrTemplateMissing, before anything is read. A documents folder
    //     that does not exist raises 76 (path not found) instead.
    //  2. The amounts of Parts V, VI and I are read and worked out.
    //  3. When line 13 is above 0 it is stored as the section 179 carryover of intYear + 1
    //     (the yearly Form 4562 data; a row is added when the year has none). This happens for
    //     every year, also one that step 5 refuses.
    //  4. The amounts of Parts II to IV are read and worked out.
    //  5. A year of 2008 or before raises kErrYearTooEarly; nothing is written but step 3.
    //  6. The template "4562_YY.pdf" is filled (kErrTemplateMissing when it is missing or cannot
    //     be read as a PDF) and saved as "4562_YY_<lngCompanyId>.pdf" in the same folder,
    //     replacing an earlier one only once the new one is complete; the callback gets its path.
    //  7. When the year has 50-year property (MACRS or ADS), kErrFiftyYearAssets.
    // Returns the path of the saved form. Every failure is a ServerError: the data server's own
    // errors pass through unchanged (number kPassedThrough), 94 for a Null where the form needs
    // a value, 6 for an amount outside the 32-bit range, 75 when the form cannot be written.
    std::string Do4562Form(std::int16_t intYear, std::int32_t lngCompanyId);

    // The three files of a tax year in the user documents folder.
    static std::string MarkerPath(std::int16_t intYear);
    static std::string TemplatePath(std::int16_t intYear);
    static std::string OutputPath(std::int16_t intYear, std::int32_t lngCompanyId);

private:
    void CheckFor4562File(std::int16_t intYear) const;
    static void Save179CarryOver(std::int32_t lngAmount, std::int16_t intYear, std::int32_t lngCompanyId);

    OpenDocument openDocument_;
};

} // namespace qel
