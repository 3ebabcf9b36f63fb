// Seams for everything that blocks: message boxes, file dialogs, the print
// dialog. The program installs the Qt implementations; tests install recorders
// that answer at once and remember what the user would have been asked.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;
class QWidget;

namespace kestrix::ui {

enum class MessageKind { Warning, Information, Error };

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // A modal box with an OK button; when helpFile is not empty a Help button
    // opens that help topic (the box stays open).
    virtual void Show(QWidget* parent, const QString& title, const QString& text, MessageKind kind,
                      const QString& helpFile = {}, int helpTopic = 0) = 0;
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    // Returns the chosen path, or an empty string when the user cancels.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // Shows the print dialog on printer; false when the user cancels.
    virtual bool Print(QWidget* parent, QPrinter& printer) = 0;
};

// The seams in force. Start with the Qt implementations; tests replace them.
MessageSeam& Messages();
DialogSeam& Dialogs();
void SetMessageSeam(std::unique_ptr<MessageSeam> seam);
void SetDialogSeam(std::unique_ptr<DialogSeam> seam);

} // namespace kestrix::ui
