// The installed UiServices and the Qt implementation.
#include "app/shell/UiServices.h"

#include "app/shell/AppInfo.h"
#include "app/shell/FormParts.h"
#include "app/shell/WindowPosition.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSpacerItem>
#include <QUrl>

#include <algorithm>
#include <stdexcept>

namespace qel {
namespace {

UiServices* gInstalled = nullptr;

QString titleOr(const QString& title) {
    return title.isEmpty() ? kAppTitle : title;
}

// The window a box or dialog stands over: the active window. Right after another box has
// closed, the window system has not yet made the window under it active again and there is
// none; then the innermost modal window still open, else the main window. A box without an owner
// would open in the middle of the screen, away from the program.
QWidget* ownerWindow() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible())
            return w;
    return nullptr;
}

QString startPath(const FileDialogRequest& r) {
    if (r.folder.isEmpty())
        return r.fileName;
    return r.fileName.isEmpty() ? r.folder : r.folder + QLatin1Char('/') + r.fileName;
}

} // namespace

UiServices& ui() {
    static QtUiServices qtServices;
    return gInstalled ? *gInstalled : qtServices;
}

UiServices* setUiServices(UiServices* services) {
    UiServices* previous = gInstalled;
    gInstalled = services;
    return previous;
}

MsgResult defaultAnswerOf(MsgButtons buttons, std::optional<MsgResult> chosen) {
    const MsgResult first =
        buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgResult::Ok : MsgResult::Yes;
    if (!chosen)
        return first;
    const bool offered = [&] {
        switch (buttons) {
        case MsgButtons::Ok:
            return *chosen == MsgResult::Ok;
        case MsgButtons::OkCancel:
            return *chosen == MsgResult::Ok || *chosen == MsgResult::Cancel;
        case MsgButtons::YesNo:
            return *chosen == MsgResult::Yes || *chosen == MsgResult::No;
        case MsgButtons::YesNoCancel:
            return *chosen != MsgResult::Ok;
        }
        return false;
    }();
    if (!offered)
        throw std::logic_error("a message box's default answer is not one of its buttons");
    return *chosen;
}

MsgResult QtUiServices::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                                   const QString& title, std::optional<MsgResult> defaultAnswer) {
    const MsgResult enterAnswer = defaultAnswerOf(buttons, defaultAnswer);
    QMessageBox box(ownerWindow());
    box.setWindowTitle(titleOr(title));
    box.setText(text);
    switch (icon) {
    case MsgIcon::None:
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (enterAnswer) {
    case MsgResult::Ok:
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MsgResult::Cancel:
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case MsgResult::Yes:
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MsgResult::No:
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    // A message box sizes itself to its text; a row as wide as the title keeps that from cutting
    // the title short.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box, box.windowTitle()), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    default:
        // Esc or the window's close button on a box with a single OK button answers OK.
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
}

QString QtUiServices::inputBox(const QString& prompt, const QString& title, const QString& proposed,
                               std::optional<QPoint> at) {
    QInputDialog box(ownerWindow());
    box.setWindowTitle(titleOr(title));
    box.setLabelText(prompt);
    box.setTextValue(proposed);
    box.adjustSize();
    box.resize(std::max(box.width(), widthForTitle(box, box.windowTitle())), box.height());
    if (at) {
        box.move(*at);
        fitWindowToScreen(box);
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

// The chosen file, or empty on Cancel.
QString QtUiServices::chooseFile(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(ownerWindow(), request.title, startPath(request), request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (runFileDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

int QtUiServices::runFileDialog(QFileDialog& dialog) {
    return dialog.exec();
}

QString QtUiServices::openFileName(const FileDialogRequest& request) {
    return chooseFile(request, false);
}

QString QtUiServices::saveFileName(const FileDialogRequest& request) {
    return chooseFile(request, true);
}

bool QtUiServices::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, ownerWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtUiServices::openDocument(const QString& fileOrAddress) {
    const QUrl url = QFileInfo::exists(fileOrAddress) ? QUrl::fromLocalFile(fileOrAddress)
                                                      : QUrl(fileOrAddress, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

int QtUiServices::execModal(QDialog& dialog) {
    return dialog.exec();
}

void QtUiServices::beep() {
    QApplication::beep();
}

} // namespace qel
