// The help: its file name, its pages and the help window.
#include "app/shell/HtmlHelp.h"

#include "app/shell/HelpWindow.h"
#include "app/shell/UiServices.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>

namespace qel {
namespace {

const QString kBoxTitle = QStringLiteral("HTML Help Class");

void ShowWarningBox(const QString& message) {
    ui().messageBox(message, MsgButtons::Ok, MsgIcon::Exclamation, kBoxTitle);
}

// A name without a folder lies in the program's folder.
QString inProgramFolder(const QString& name) {
    if (name.contains(QLatin1Char('/')))
        return name;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

} // namespace

HTMLHelp::HTMLHelp() = default;

HTMLHelp::~HTMLHelp() {
    HHClose();
}

QString HTMLHelp::helpFolderOf(const QString& chmFile) {
    return QFileInfo(chmFile).absolutePath() + QStringLiteral("/help");
}

QString HTMLHelp::topicPage(std::int32_t id) {
    return QStringLiteral("topic%1.html").arg(id);
}

bool HTMLHelp::IsValidHelpFile(const QString& name) const {
    if (name.right(3).compare(QLatin1String("chm"), Qt::CaseInsensitive) == 0)
        return true;
    ShowWarningBox(name + QStringLiteral(" is not a valid HTML Help file."));
    return false;
}

bool HTMLHelp::EnsureFileExists(QString& fileName) const {
    fileName = inProgramFolder(fileName);
    if (QFileInfo(fileName).isFile())
        return true;
    ShowWarningBox(QStringLiteral("The file ") + fileName + QStringLiteral(" does not exist.") + QChar(10) +
                   QStringLiteral("Please make sure the correct path and file name have been specified."));
    return false;
}

void HTMLHelp::display(QWidget* window, const QString& page) {
    if (!IsValidHelpFile(chmFile_))
        return;
    chmFile_ = inProgramFolder(chmFile_);
    const QString folder = helpFolderOf(chmFile_);
    QString file = folder + QLatin1Char('/') + page.section(QLatin1Char('#'), 0, 0);
    if (!EnsureFileExists(file))
        return;
    QWidget* owner = showOnTop_ ? window : nullptr;
    if (window_ && window_->parentWidget() != owner)
        window_->setParent(owner, Qt::Window);
    if (!window_)
        window_ = new HelpWindow(folder, owner);
    window_->showPage(page);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HTMLHelp::HHDisplayContents(QWidget* window) {
    display(window, QStringLiteral("contents.html"));
}

void HTMLHelp::HHDisplayIndex(QWidget* window) {
    display(window, QStringLiteral("index.html"));
}

void HTMLHelp::HHDisplayTopicURL(QWidget* window) {
    display(window, topicUrl_);
}

void HTMLHelp::HHDisplayTopicID(QWidget* window) {
    display(window, topicPage(topicId_));
}

void HTMLHelp::HHClose() {
    delete window_.data();
}

HelpWindow* HTMLHelp::helpWindow() const {
    return window_.data();
}

HelpKey::HelpKey(HTMLHelp& help) : help_(help) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

HelpKey::~HelpKey() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType())
        return false;
    std::int32_t id = 0;
    if (auto* menu = qobject_cast<QMenu*>(watched); menu && menu->activeAction())
        id = menu->activeAction()->property("HelpContextID").toInt();
    for (QWidget* w = QApplication::focusWidget(); id <= 0 && w; w = w->parentWidget())
        id = w->property("HelpContextID").toInt();
    // An open menu closes, as the help takes over.
    for (int i = 0; i < 16 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    QWidget* window = QApplication::activeWindow();
    if (id > 0) {
        help_.setHHTopicID(id);
        help_.HHDisplayTopicID(window);
    } else {
        help_.HHDisplayContents(window);
    }
    return true;
}

} // namespace qel
