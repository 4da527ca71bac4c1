// Every question and message box the main window shows goes through one
// object it owns, so that window tests give scripted answers and never wait
// in a modal loop.
#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// A file dialog: open or save, its caption, first folder, filters (Qt
// syntax) and the extension a save adds to a name typed without one.
struct FileQuestion {
    bool save = false;
    QString caption;
    QString directory;
    QString filter;
    QString defaultSuffix;
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
    // A question with Yes and No, and Cancel when `withCancel` (then shown as
    // a warning); closing the box answers Cancel, or No without Cancel.
    virtual Answer ask(QWidget* parent, const QString& caption, const QString& text, bool withCancel) = 0;
    // The chosen file; the empty text when cancelled. A save asks before
    // it overwrites a file.
    virtual QString fileName(QWidget* parent, const FileQuestion& question) = 0;
};

// The real dialogs.
class WidgetDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    Answer ask(QWidget* parent, const QString& caption, const QString& text, bool withCancel) override;
    QString fileName(QWidget* parent, const FileQuestion& question) override;
};
