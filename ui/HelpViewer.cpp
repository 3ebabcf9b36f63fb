// The help viewer and the mapping from help file names to installed pages.
#include "HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kestrix::ui {

namespace {

QStringList& PathOverride() {
    static QStringList paths;
    return paths;
}

QPointer<HelpViewer>& Viewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// "Vardane.hlp" -> "Vardane"; the book folder is the file's base name.
QString BookName(const QString& helpFile) {
    QString name = QFileInfo(helpFile).fileName();
    if (name.endsWith(QLatin1String(".hlp"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

} // namespace

QStringList HelpSearchPaths() {
    if (!PathOverride().isEmpty())
        return PathOverride();
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + "/help", QDir::cleanPath(dir + "/../share/kestrix/help")};
}

void SetHelpSearchPaths(const QStringList& paths) {
    PathOverride() = paths;
}

QString HelpPagePath(const QString& helpFile, int topic) {
    const QString book = BookName(helpFile);
    if (book.isEmpty() || book.contains(QLatin1String("..")))
        return {};
    const QString page =
        topic > 0 ? QString::number(topic) + ".html" : QStringLiteral("index.html");
    for (const QString& root : HelpSearchPaths()) {
        const QString path = root + "/" + book + "/" + page;
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    setObjectName("HelpViewer");
    setWindowTitle(tr("Kestrix Help"));
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton(tr("&Contents"));
    auto* back = new QPushButton(tr("&Back"));
    auto* forward = new QPushButton(tr("&Forward"));
    auto* close = new QPushButton(tr("Close"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { Open(helpFile_, 0); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 520);
}

void HelpViewer::Open(const QString& helpFile, int topic) {
    helpFile_ = helpFile;
    topic_ = topic;
    const QString path = HelpPagePath(helpFile, topic);
    if (path.isEmpty()) {
        const QString what = topic > 0
                                 ? tr("topic %1 of the help file \"%2\"").arg(topic).arg(helpFile)
                                 : tr("the help file \"%1\"").arg(helpFile);
        QString places;
        for (const QString& root : HelpSearchPaths())
            places += "<li>" + root.toHtmlEscaped() + "</li>";
        browser_->setHtml(tr("<h3>Help not found</h3><p>The help viewer cannot find %1.</p>"
                             "<p>Looked in:</p><ul>%2</ul>")
                              .arg(what.toHtmlEscaped(), places));
        return;
    }
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(path));
}

void ShowHelp(const QString& helpFile, int topic) {
    QPointer<HelpViewer>& viewer = Viewer();
    if (!viewer) {
        viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    viewer->Open(helpFile, topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

HelpViewer* OpenHelpViewer() {
    return Viewer().data();
}

void CloseHelp() {
    if (HelpViewer* viewer = Viewer().data()) {
        viewer->close();
        delete Viewer().data(); // WA_DeleteOnClose defers; end it now
    }
}

} // namespace kestrix::ui
