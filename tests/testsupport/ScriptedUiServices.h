// ScriptedUiServices: UiServices for form tests. Every box, input box, file dialog, document,
// modal window and beep is recorded; answers come from queues the test fills beforehand, and modal
// windows are run by handlers the test registers by the window's objectName.
//
// A message box records the answer its Enter key gives (its default button).
// With nothing queued, a message box answers its first button (OK or Yes), an input box, a file
// dialog and the print dialog answer as cancelled (empty text), a document "opens" (unless the
// test says that none opens), and a modal window without a handler is rejected (its close steps
// run). A print dialog answered with a path prints to that PDF file. Installing it is scoped: the
// previous services come back when it is destroyed.
#pragma once

#include "app/shell/UiServices.h"

#include <QDialog>
#include <QPrinter>
#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace qel::test {

struct UiCall {
    enum Kind { Message, Input, OpenFile, SaveFile, Print, Document, Modal, Beep } kind;
    QString text;  // message or prompt; file dialog title; document; modal window's objectName;
                   // print dialog: the PDF file answered (empty when cancelled)
    QString title; // box title as given (empty: the default title); input box: its title
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString proposed;                        // input box: proposed answer; file dialog: proposed file name
    std::optional<QPoint> at = std::nullopt; // input box: where it was asked to stand
    MsgResult defaultAnswer = MsgResult::Ok; // message box: the answer Enter gives
};

class ScriptedUiServices : public UiServices {
public:
    using ModalHandler = std::function<void(QDialog&)>;

    ScriptedUiServices() : previous_(setUiServices(this)) {}
    ~ScriptedUiServices() override { setUiServices(previous_); }
    ScriptedUiServices(const ScriptedUiServices&) = delete;
    ScriptedUiServices& operator=(const ScriptedUiServices&) = delete;

    // Answers, used in order by the calls of their kind.
    void answerMessage(MsgResult r) { messageAnswers_.push_back(r); }
    void answerInput(const QString& s) { inputAnswers_.push_back(s); }
    void answerFile(const QString& path) { fileAnswers_.push_back(path); }
    // From now on no document or address opens, as without a mail program or browser.
    void refuseDocuments() { documentsOpen_ = false; }
    // The print dialog's answer: print to this PDF file; an empty path cancels.
    void answerPrint(const QString& pdfPath) { printAnswers_.push_back(pdfPath); }
    // Runs the modal window of that objectName each time it opens: the handler clicks what it
    // wants; a window the handler leaves open is then rejected.
    void onModal(const QString& objectName, ModalHandler handler) {
        modalHandlers_[objectName] = std::move(handler);
    }
    // Runs every modal window that has no handler of its own, each time one opens.
    void onAnyModal(ModalHandler handler) { anyModal_ = std::move(handler); }

    const std::vector<UiCall>& calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<UiCall> callsOf(UiCall::Kind kind) const {
        std::vector<UiCall> out;
        for (const UiCall& c : calls_)
            if (c.kind == kind)
                out.push_back(c);
        return out;
    }
    // The texts of the calls of one kind, in order: the messages, the modal windows' objectNames,
    // the documents opened.
    QStringList textsOf(UiCall::Kind kind) const {
        QStringList out;
        for (const UiCall& c : calls_)
            if (c.kind == kind)
                out << c.text;
        return out;
    }
    QStringList messages() const { return textsOf(UiCall::Message); }
    void clear() { calls_.clear(); }

    MsgResult messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                         std::optional<MsgResult> defaultAnswer) override {
        calls_.push_back({UiCall::Message,
                          text,
                          title,
                          buttons,
                          icon,
                          {},
                          std::nullopt,
                          defaultAnswerOf(buttons, defaultAnswer)});
        if (!messageAnswers_.empty()) {
            const MsgResult r = messageAnswers_.front();
            messageAnswers_.pop_front();
            return r;
        }
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgResult::Ok : MsgResult::Yes;
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& proposed,
                     std::optional<QPoint> at) override {
        calls_.push_back({UiCall::Input, prompt, title, MsgButtons::OkCancel, MsgIcon::None, proposed, at});
        return take(inputAnswers_);
    }

    QString openFileName(const FileDialogRequest& r) override {
        calls_.push_back({UiCall::OpenFile, r.title, {}, MsgButtons::OkCancel, MsgIcon::None, r.fileName});
        return take(fileAnswers_);
    }

    QString saveFileName(const FileDialogRequest& r) override {
        calls_.push_back({UiCall::SaveFile, r.title, {}, MsgButtons::OkCancel, MsgIcon::None, r.fileName});
        return take(fileAnswers_);
    }

    bool printDialog(QPrinter& printer) override {
        const QString pdf = take(printAnswers_);
        calls_.push_back({UiCall::Print, pdf, {}, MsgButtons::OkCancel, MsgIcon::None, {}});
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }

    bool openDocument(const QString& fileOrAddress) override {
        calls_.push_back({UiCall::Document, fileOrAddress, {}, MsgButtons::Ok, MsgIcon::None, {}});
        return documentsOpen_;
    }

    int execModal(QDialog& dialog) override {
        calls_.push_back({UiCall::Modal, dialog.objectName(), {}, MsgButtons::Ok, MsgIcon::None, {}});
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (const auto it = modalHandlers_.find(dialog.objectName()); it != modalHandlers_.end())
            it->second(dialog);
        else if (anyModal_)
            anyModal_(dialog);
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    }

    void beep() override { calls_.push_back({UiCall::Beep, {}, {}, MsgButtons::Ok, MsgIcon::None, {}}); }
    // How many times the computer beeped.
    std::size_t beeps() const { return callsOf(UiCall::Beep).size(); }

private:
    static QString take(std::deque<QString>& queue) {
        if (queue.empty())
            return {};
        QString s = queue.front();
        queue.pop_front();
        return s;
    }

    UiServices* previous_;
    std::vector<UiCall> calls_;
    std::deque<MsgResult> messageAnswers_;
    std::deque<QString> inputAnswers_;
    std::deque<QString> fileAnswers_;
    std::deque<QString> printAnswers_;
    std::map<QString, ModalHandler> modalHandlers_;
    ModalHandler anyModal_;
    bool documentsOpen_ = true;
};

} // namespace qel::test
