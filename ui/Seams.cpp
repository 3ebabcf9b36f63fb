// The Qt implementations of the message and dialog seams, and the switch that
// lets tests put recorders in their place.
#include "Seams.h"

#include "HelpViewer.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace kestrix::ui {

namespace {

class QtMessageSeam : public MessageSeam {
public:
    void Show(QWidget* parent, const QString& title, const QString& text, MessageKind kind,
              const QString& helpFile, int helpTopic) override {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        // Warnings and the component's range message carry the exclamation
        // icon; an information box (About) has none.
        box.setIcon(kind == MessageKind::Information ? QMessageBox::NoIcon : QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        if (!helpFile.isEmpty()) {
            QPushButton* help = box.addButton(QMessageBox::Help);
            // The Help button opens the topic and leaves the box open: it no
            // longer reports to the box's button row, which would close it.
            help->disconnect(&box);
            if (auto* row = box.findChild<QDialogButtonBox*>())
                help->disconnect(row);
            QObject::connect(help, &QPushButton::clicked, &box,
                             [helpFile, helpTopic] { ShowHelp(helpFile, helpTopic); });
        }
        // Modal to its own window only, so the help viewer stays usable.
        if (parent)
            box.setWindowModality(Qt::WindowModal);
        box.exec();
    }
};

class QtDialogSeam : public DialogSeam {
public:
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter) override {
        QFileDialog dialog(parent, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an extension gets the filter's one ("*.pjt":
        // ".pjt") before the dialog checks for a file to replace, so the
        // user is asked about the file that will actually be written.
        const QRegularExpressionMatch suffix =
            QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
        if (suffix.hasMatch())
            dialog.setDefaultSuffix(suffix.captured(1));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    bool Print(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

std::unique_ptr<MessageSeam>& MessageSlot() {
    static std::unique_ptr<MessageSeam> seam = std::make_unique<QtMessageSeam>();
    return seam;
}

std::unique_ptr<DialogSeam>& DialogSlot() {
    static std::unique_ptr<DialogSeam> seam = std::make_unique<QtDialogSeam>();
    return seam;
}

} // namespace

MessageSeam& Messages() {
    return *MessageSlot();
}
DialogSeam& Dialogs() {
    return *DialogSlot();
}

void SetMessageSeam(std::unique_ptr<MessageSeam> seam) {
    MessageSlot() = seam ? std::move(seam) : std::make_unique<QtMessageSeam>();
}

void SetDialogSeam(std::unique_ptr<DialogSeam> seam) {
    DialogSlot() = seam ? std::move(seam) : std::make_unique<QtDialogSeam>();
}

} // namespace kestrix::ui
