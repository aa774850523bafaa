// The help window.
#include "app/shell/HelpWindow.h"

#include "app/shell/AppInfo.h"
#include "app/shell/UiServices.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qel {

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(QDir(folder).absolutePath()) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 520);

    cmdContents = new QPushButton(QStringLiteral("&Contents"), this);
    cmdContents->setObjectName("cmdContents");
    cmdIndex = new QPushButton(QStringLiteral("&Index"), this);
    cmdIndex->setObjectName("cmdIndex");
    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName("cmdBack");
    cmdForward = new QPushButton(QStringLiteral("&Forward"), this);
    cmdForward->setObjectName("cmdForward");
    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName("txtHelp");
    txtHelp->setOpenLinks(false);
    txtHelp->setSearchPaths({folder_});

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdContents, cmdIndex, cmdBack, cmdForward})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp, 1);

    connect(cmdContents, &QPushButton::clicked, this, [this] { showPage(QStringLiteral("contents.html")); });
    connect(cmdIndex, &QPushButton::clicked, this, [this] { showPage(QStringLiteral("index.html")); });
    connect(cmdBack, &QPushButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);
    connect(txtHelp, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(txtHelp, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = txtHelp->documentTitle();
        setWindowTitle(title.isEmpty() ? kAppTitle + QStringLiteral(" Help") : title);
    });
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    // Esc closes the window, as its close box does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::showPage(const QString& page) {
    txtHelp->setSource(QUrl::fromLocalFile(folder_ + QLatin1Char('/')).resolved(QUrl(page)));
}

QString HelpWindow::currentPage() const {
    const QUrl source = txtHelp->source();
    QString page = QDir(folder_).relativeFilePath(source.toLocalFile());
    if (source.hasFragment())
        page += QLatin1Char('#') + source.fragment();
    return page;
}

void HelpWindow::followLink(const QUrl& url) {
    const QUrl target = txtHelp->source().resolved(url);
    if (target.isLocalFile() || target.scheme().isEmpty())
        txtHelp->setSource(target);
    else
        ui().openDocument(target.toString());
}

} // namespace qel
