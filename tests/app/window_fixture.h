// Shared pieces of the window tests: scripted dialogs, a main window on a
// settings file of its own, and small readers of what the window shows.
#pragma once

#include <QFont>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/dialogs_qt.h"

class TFormMain;
class CodeEditWidget;
class QObject;

// Message boxes are recorded, never shown; font and file answers come
// from queues.
class ScriptedDialogs : public Dialogs {
public:
    void message(QWidget*, const QString& text) override { messages->append(text); }
    std::optional<QFont> chooseFont(QWidget*, const QFont& initial) override;
    QString saveFileName(QWidget*, const QString& caption, const QString& filter) override;
    QString folderName(QWidget*, const QString& caption, const QString& initial) override;
    zentra::QueryAnswer askYesNoCancel(QWidget*, const QString& caption, const QString& text) override;
    // Takes its answer from answers (Yes is yes; none left: No) and records it in questions.
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override;
    QString openFileName(QWidget*, const FileQuestion& question) override;
    // Takes its answer from saveNames, as saveFileName does.
    QString saveFileNameFor(QWidget*, const FileQuestion& question) override;

    std::shared_ptr<QStringList> messages = std::make_shared<QStringList>();
    std::shared_ptr<std::deque<std::optional<QFont>>> fonts = std::make_shared<std::deque<std::optional<QFont>>>();
    std::shared_ptr<QFont> lastInitialFont = std::make_shared<QFont>();
    // Answers of the save-file dialog (none left: cancelled) and the
    // caption and filter it was last asked with.
    std::shared_ptr<QStringList> saveNames = std::make_shared<QStringList>();
    std::shared_ptr<QStringList> lastSaveQuestion = std::make_shared<QStringList>();
    // Answers of the folder dialog (none left: cancelled) and the caption
    // and folder it was last opened with.
    std::shared_ptr<QStringList> folderNames = std::make_shared<QStringList>();
    std::shared_ptr<QStringList> lastFolderQuestion = std::make_shared<QStringList>();
    // Answers of the questions (none left: Cancel, or No for a Yes/No
    // question), and each question asked as "caption|text".
    std::shared_ptr<std::deque<zentra::QueryAnswer>> answers = std::make_shared<std::deque<zentra::QueryAnswer>>();
    std::shared_ptr<QStringList> questions = std::make_shared<QStringList>();
    // Answers of the open-file dialog (none left: cancelled) and the last
    // open and save questions.
    std::shared_ptr<QStringList> openNames = std::make_shared<QStringList>();
    std::shared_ptr<FileQuestion> lastOpenQuestion = std::make_shared<FileQuestion>();
    std::shared_ptr<FileQuestion> lastSaveFileQuestion = std::make_shared<FileQuestion>();
};

// A temporary settings file and the windows opened on it.
class WindowFixture {
public:
    WindowFixture();
    ~WindowFixture();

    QString settingsPath() const { return dir_.filePath(QStringLiteral("Zentra.ini")); }
    QString folder() const { return dir_.path(); }
    // A new shown main window on the settings file (the one before closed).
    TFormMain& open();
    // open() with both editors, the output area and the recorded messages empty.
    TFormMain& openEmpty();
    // Closes the window the way the user does (settings written).
    void close();
    TFormMain& window() { return *window_; }
    QStringList& messages() { return *dialogs_.messages; }
    ScriptedDialogs& dialogs() { return dialogs_; }
    // The settings file as another program reads it.
    std::unique_ptr<QSettings> readBack() const;

private:
    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TFormMain> window_;
};

// What the output view shows, row by row.
QStringList outputRows(TFormMain& window);
QColor outputRowColour(TFormMain& window, int row);
// Replaces an editor's text the way typing does (a change event per edit).
void typeInto(CodeEditWidget* editor, const QString& text);
void setText(CodeEditWidget* editor, const QString& text);
QString selectedText(CodeEditWidget* editor);
QString statusText(TFormMain& window, int panel);

// Test classes register themselves here: WINDOW_TEST(ClassName).
using WindowTestMaker = std::function<std::unique_ptr<QObject>()>;
std::map<QString, WindowTestMaker>& windowTestRegistry();

#define WINDOW_TEST(Class)                                                                      \
    static const bool Class##Registered = [] {                                                  \
        windowTestRegistry()[QStringLiteral(#Class)] = [] { return std::make_unique<Class>(); }; \
        return true;                                                                            \
    }();
