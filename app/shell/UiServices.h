// UiServices: the one way the program reaches the user outside its own windows: message boxes,
// input boxes, file dialogs, the print dialog, "open this file or address", the running of a modal
// window, and the beep that tells of a dropped keystroke.
//
// The program calls ui(); it gets the Qt implementation unless a test has installed its own
// (a scripted one that answers and records), so every form can be tested without a person.
#pragma once

#include <QPoint>
#include <QString>

#include <optional>

class QDialog;
class QFileDialog;
class QPrinter;

namespace qel {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { Ok, Cancel, Yes, No };

// What a file dialog shows. `filter` is in Qt's form ("Database (*.mdb);;All files (*)").
struct FileDialogRequest {
    QString title;
    QString folder;   // where the dialog starts; empty: the platform's choice
    QString fileName; // the proposed file name
    QString filter;
    // Added (with a dot) to a name typed without an extension, as "mdb" makes "copy" "copy.mdb".
    QString defaultSuffix = {};
    // A save dialog asks itself before an existing file is chosen; false when the caller asks.
    bool confirmOverwrite = true;
};

// The answer Enter gives on a box of these buttons: `chosen` when given, else the first button.
// Throws std::logic_error when `chosen` is not one of the buttons.
MsgResult defaultAnswerOf(MsgButtons buttons, std::optional<MsgResult> chosen);

class UiServices {
public:
    virtual ~UiServices() = default;

    // A message box. An empty title gives the default title, the application title. Enter
    // presses the default button: `defaultAnswer`'s, which must be one of the box's (a question
    // whose first answer deletes, overwrites or discards defaults to its safe one); none: the
    // first button (OK or Yes).
    virtual MsgResult messageBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None, const QString& title = {},
                                 std::optional<MsgResult> defaultAnswer = std::nullopt) = 0;
    // An input box with a proposed answer, the top-left corner of its frame at `at` (screen
    // pixels, kept on the screen) when given, else where the platform puts it. Cancel answers an
    // empty text, as the user cannot tell the two apart either.
    virtual QString inputBox(const QString& prompt, const QString& title = {}, const QString& proposed = {},
                             std::optional<QPoint> at = std::nullopt) = 0;
    // The chosen file's full path; empty when the user cancels.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    // The system's print dialog for the printer: the user chooses a printer or "Print to File"
    // (a PDF file) and its settings, which the printer keeps. False when the user cancels.
    virtual bool printDialog(QPrinter& printer) = 0;
    // Opens a file or an address (web page, mail link) with the user's own program; false when
    // nothing could open it.
    virtual bool openDocument(const QString& fileOrAddress) = 0;
    // Runs a window modally and returns its result (QDialog::Accepted or Rejected) once it has
    // closed.
    virtual int execModal(QDialog& dialog) = 0;
    // The computer's beep, the only sign that a keystroke or a paste was refused.
    virtual void beep() = 0;
};

// The services in use.
UiServices& ui();
// Installs other services (a test's); nullptr goes back to the Qt ones. The caller keeps
// ownership and must outlive their use. Returns the services that were installed before.
UiServices* setUiServices(UiServices* services);

// The Qt implementation: QMessageBox, QInputDialog, QFileDialog, QPrintDialog, QDesktopServices,
// exec(), QApplication::beep().
class QtUiServices : public UiServices {
public:
    MsgResult messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                         std::optional<MsgResult> defaultAnswer) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& proposed,
                     std::optional<QPoint> at) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    bool printDialog(QPrinter& printer) override;
    bool openDocument(const QString& fileOrAddress) override;
    int execModal(QDialog& dialog) override;
    void beep() override;

protected:
    // Runs a file dialog built from a request and returns its result (QDialog::Accepted or
    // Rejected); on Accepted the chosen file is its first selected file. Here the dialog runs
    // modally for the user; a test answers it in place, as the user would, without showing it.
    virtual int runFileDialog(QFileDialog& dialog);

private:
    QString chooseFile(const FileDialogRequest& request, bool save);
};

} // namespace qel
