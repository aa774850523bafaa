// HTMLHelp: the program's help. The help is a set of HTML pages beside the program, shown in the
// help window; the program keeps one instance (see ProgramCommands).
//
// CHMFile names the help as the program knows it, "<program folder>/Vossmere.chm"; its pages
// lie in the folder "help" beside that name: the contents page "contents.html", the index page
// "index.html" and one page per help context id, "topic<id>.html". Every display first tests
// the name (it must end in "chm") and that the page exists, warning and showing nothing when
// either fails. Boxes of the class are titled "HTML Help Class".
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class QWidget;

namespace qel {

class HelpWindow;

class HTMLHelp {
public:
    HTMLHelp();
    ~HTMLHelp();
    HTMLHelp(const HTMLHelp&) = delete;
    HTMLHelp& operator=(const HTMLHelp&) = delete;

    // The help file: a full path, or a bare file name that the first display completes with
    // the program's folder.
    const QString& CHMFile() const { return chmFile_; }
    void setCHMFile(const QString& file) { chmFile_ = file; }
    // The page HHDisplayTopicURL shows, relative to the help folder ("topic13.html").
    const QString& HHTopicURL() const { return topicUrl_; }
    void setHHTopicURL(const QString& url) { topicUrl_ = url; }
    // The help context id HHDisplayTopicID shows.
    std::int32_t HHTopicID() const { return topicId_; }
    void setHHTopicID(std::int32_t id) { topicId_ = id; }
    // True: the help window belongs to the caller's window and stays on top of it; false (the
    // start value): it is a window of its own.
    bool HHShowOnTop() const { return showOnTop_; }
    void setHHShowOnTop(bool onTop) { showOnTop_ = onTop; }

    // The help window at the contents page, the index page, HHTopicURL or the page of
    // HHTopicID. window is the caller's window.
    void HHDisplayContents(QWidget* window);
    void HHDisplayIndex(QWidget* window);
    void HHDisplayTopicURL(QWidget* window);
    void HHDisplayTopicID(QWidget* window);
    // Closes the help window, when one is open.
    void HHClose();

    // True when the file exists. A name without a folder is first completed with the program's
    // folder, and the caller's variable receives the full name. A missing file is reported with
    // "The file <name> does not exist." and "Please make sure the correct path and file name
    // have been specified." on the next line.
    bool EnsureFileExists(QString& fileName) const;

    // The help window open now, or nullptr.
    HelpWindow* helpWindow() const;

    // The folder of the help pages of a help file; the page of a help context id.
    static QString helpFolderOf(const QString& chmFile);
    static QString topicPage(std::int32_t id);

private:
    // True when the name ends in "chm" (any case); otherwise warns "<name> is not a valid HTML
    // Help file.".
    bool IsValidHelpFile(const QString& name) const;
    void display(QWidget* window, const QString& page);

    QString chmFile_;
    QString topicUrl_;
    std::int32_t topicId_ = 0;
    bool showOnTop_ = false;
    QPointer<HelpWindow> window_;
};

// The F1 key, while it is installed on the application: the topic of the highlighted menu item's
// help context id, else of the nearest control or window (from the focus outwards) with a
// "HelpContextID" property above 0, else the contents.
class HelpKey : public QObject {
public:
    explicit HelpKey(HTMLHelp& help);
    ~HelpKey() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HTMLHelp& help_;
};

} // namespace qel
