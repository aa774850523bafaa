// The steps of the road to Form 4562 as the program takes them (Form4562Questions.h asks the
// questions): is there a PDF viewer, are the company's and the year's data stored, the refresh of
// the 2010 to 2012 templates, and the form itself through Display4562, opened in the desktop's
// PDF viewer.
#pragma once

#include "app/reports/rules/Form4562Questions.h"

#include <QString>

#include <functional>

namespace qel::reports {

class Form4562Work : public Form4562Steps {
public:
    Form4562Work() = default;
    // No longer the steps in use once gone.
    ~Form4562Work() override;
    Form4562Work(const Form4562Work&) = delete;
    Form4562Work& operator=(const Form4562Work&) = delete;

    // True when the desktop names a program for PDF files (pdfViewerQuery).
    bool PdfViewerAvailable() override;
    // True when the company has miscellaneous Form 4562 data for the year, the year has section
    // 179 limits, the year has vehicle limits. A failed count answers false after the box "Error
    // in Misc4562OK " (Limit179OK, LimitAutoOK) with the cause, one blank and the number.
    bool Misc4562OK(std::int16_t year, std::int32_t companyId) override;
    bool Limit179OK(std::int16_t year) override;
    bool LimitAutoOK(std::int16_t year) override;
    // The vehicles' own check (VehicleServices); true when the program has no vehicles
    // subsystem.
    bool VehicleUseOk(std::int16_t year) override;
    // UserDocuments.h.
    void MoveYearPdfFiles(int year) override;
    // Display4562::Do4562Form, the saved form handed to ui().openDocument; when nothing opens
    // it, an information box names the saved file (formSavedNoViewer). The form's errors leave
    // as it throws them.
    void Do4562Form(std::int16_t year, std::int32_t companyId) override;
};

// Asks the desktop which program opens PDF files: the answer of `xdg-mime query default
// application/pdf` (a desktop file name such as "org.gnome.Evince.desktop"), or empty when it
// names none or cannot be asked. Tests put their own answer here.
std::function<QString()>& pdfViewerQuery();

// The box after a form that no viewer could open: the saved file's full path and what to do.
QString formSavedNoViewer(const QString& file);

} // namespace qel::reports
