// The help window: the program's help pages in a browser with Contents, Index, Back and Forward.
// Links between pages stay in the window; a link to a web page or a mail address goes to the
// user's own program.
#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace qel {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // folder: the help pages. parent: the window it stays on top of, or none.
    HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows a page of the help folder ("contents.html", "topic13.html#backup").
    void showPage(const QString& page);
    // The page shown, relative to the help folder.
    QString currentPage() const;

    QPushButton* cmdContents;
    QPushButton* cmdIndex;
    QPushButton* cmdBack;
    QPushButton* cmdForward;
    QTextBrowser* txtHelp;

private:
    void followLink(const QUrl& url);

    QString folder_;
};

} // namespace qel
