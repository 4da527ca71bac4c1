// Every question and message box the main window shows goes through one
// object it owns, so that window tests give scripted answers and never wait
// in a modal loop.
#pragma once

#include <QFont>
#include <QString>
#include <optional>

#include "shell/document_rules.h"  // QueryAnswer

class QWidget;

// What a file dialog starts with and offers.
struct FileQuestion {
    QString caption;
    QString filter;         // Qt syntax: "Zentra source (*.qbxsrc);;すべて (*)"
    QString start;          // a folder, or a file to preselect
    QString defaultSuffix;  // added to a name typed without one
};

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    // A plain message box with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The font dialog; nothing when it was cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    // The save-file dialog; the empty text when it was cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // The folder dialog, opened at `initial`; the empty text when it was cancelled.
    virtual QString folderName(QWidget* parent, const QString& caption, const QString& initial) = 0;
    // A warning with Yes, No and Cancel; closing it answers Cancel.
    virtual zentra::QueryAnswer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The open-file dialog (an existing file); the empty text when cancelled.
    virtual QString openFileName(QWidget* parent, const FileQuestion& question) = 0;
    // The save-file dialog, asking before it overwrites; empty when cancelled.
    virtual QString saveFileNameFor(QWidget* parent, const FileQuestion& question) = 0;
    // A question with Yes and No; closing it answers No.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The real dialogs.
class WidgetDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& initial) override;
    zentra::QueryAnswer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const FileQuestion& question) override;
    QString saveFileNameFor(QWidget* parent, const FileQuestion& question) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
};
