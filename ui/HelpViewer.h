// The in-program help viewer: a browser window over the HTML help books
// installed with the program. A help file name picks a book: "Vardane.hlp" is
// the program's own help (help/Vardane/, contents page index.html), "psych.hlp"
// the psychrometric component's (help/psych/<topic>.html).
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kestrix::ui {

// Folders searched for help books, in order: <program dir>/help, then
// <program dir>/../share/kestrix/help.
QStringList HelpSearchPaths();
// Replaces the search folders (tests); an empty list restores the defaults.
void SetHelpSearchPaths(const QStringList& paths);

// The page a help request opens: topic 0 is the book's contents page
// (index.html), any other topic <topic>.html. Empty when no installed book has it.
QString HelpPagePath(const QString& helpFile, int topic = 0);

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page, or a short note naming what could not be found.
    void Open(const QString& helpFile, int topic);
    QTextBrowser* Browser() const { return browser_; }
    // What the viewer was last asked to show ("Vardane.hlp", 0).
    QString HelpFile() const { return helpFile_; }
    int Topic() const { return topic_; }

private:
    QTextBrowser* browser_;
    QString helpFile_;
    int topic_ = 0;
};

// Opens (or raises) the one help viewer of the program on a help topic.
void ShowHelp(const QString& helpFile, int topic = 0);
// The viewer if it is open, else null.
HelpViewer* OpenHelpViewer();
// Closes the viewer, if open (the main window's shut-down step).
void CloseHelp();

} // namespace kestrix::ui
