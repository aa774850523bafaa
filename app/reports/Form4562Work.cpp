// The steps before and of Form 4562.
#include "app/reports/Form4562Work.h"

#include "app/reports/UserDocuments.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/VehicleServices.h"
#include "form4562/Display4562.h"
#include "server/support/DeprSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace qel::reports {
namespace {

// How long the desktop may take to name its PDF viewer, in milliseconds.
constexpr int kQueryTimeout = 5000;

// Whether the count that `count` asks of the data server is above 0; false after the box.
template <typename Count> bool countAboveZero(const char* lead, Count&& count) {
    bool above = false;
    runWithErrorBox(
        QString::fromLatin1(lead),
        [&] {
            DeprSupport support;
            above = count(support) > 0;
        },
        kBlank);
    return above;
}

} // namespace

std::function<QString()>& pdfViewerQuery() {
    static std::function<QString()> query = [] {
        QProcess xdgMime;
        xdgMime.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                   QStringLiteral("application/pdf")});
        if (!xdgMime.waitForFinished(kQueryTimeout) || xdgMime.exitStatus() != QProcess::NormalExit ||
            xdgMime.exitCode() != 0)
            return QString();
        return QString::fromLocal8Bit(xdgMime.readAllStandardOutput()).trimmed();
    };
    return query;
}

QString formSavedNoViewer(const QString& file) {
    return QStringLiteral("Form 4562 is saved as ") + QDir::toNativeSeparators(file) +
           QStringLiteral(". No PDF viewer could open it; open the file with a PDF viewer of your choice.");
}

Form4562Work::~Form4562Work() {
    if (form4562Steps() == this)
        setForm4562Steps(nullptr);
}

bool Form4562Work::PdfViewerAvailable() {
    return !pdfViewerQuery()().isEmpty();
}

bool Form4562Work::Misc4562OK(std::int16_t year, std::int32_t companyId) {
    return countAboveZero("Error in Misc4562OK ",
                          [&](DeprSupport& s) { return s.CheckForMisc4562(year, companyId); });
}

bool Form4562Work::VehicleUseOk(std::int16_t year) {
    VehicleServices* vehicles = subsystems().vehicles;
    return !vehicles || vehicles->VehicleUseOk(year);
}

bool Form4562Work::Limit179OK(std::int16_t year) {
    return countAboveZero("Error in Limit179OK ", [&](DeprSupport& s) { return s.CheckFor179Limits(year); });
}

bool Form4562Work::LimitAutoOK(std::int16_t year) {
    return countAboveZero("Error in LimitAutoOK ",
                          [&](DeprSupport& s) { return s.CheckForAutoLimits(year); });
}

void Form4562Work::MoveYearPdfFiles(int year) {
    reports::MoveYearPdfFiles(year);
}

void Form4562Work::Do4562Form(std::int16_t year, std::int32_t companyId) {
    Display4562 form([](const std::string& path) {
        // Without a viewer the saved form would go unseen: the user is told where it is.
        const QString file = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
        if (!ui().openDocument(file))
            ui().messageBox(formSavedNoViewer(file), MsgButtons::Ok, MsgIcon::Information);
    });
    CopyMissingYearFiles(year);
    form.Do4562Form(year, companyId);
}

} // namespace qel::reports
