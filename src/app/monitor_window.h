// The debug monitor (TFormMon): the token, symbol and message panes that a
// run writes, four switches that stop a run after an early stage, and the
// saving of the symbol and message panes. The panes themselves are the
// host's line lists; this window shows them, reading (and so making) their
// lines only while it is shown.
#pragma once

#include <QWidget>

#include "host/host.h"
#include "shell/settings_schema.h"

class Dialogs;
class QButtonGroup;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSplitter;

namespace zentra {
class TextArea;
}

class TFormMon : public QWidget {
    Q_OBJECT

public:
    struct Panes {
        const zentra::TextArea& tokens;
        const zentra::TextArea& symbols;
        const zentra::TextArea& messages;
    };

    TFormMon(const Panes& panes, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows and raises the window (at its kept place the first time).
    void open();
    // Where the switches stop a run. They count only while the window is
    // shown: a switch left on in a closed monitor would silently end every run.
    zentra::StopPoint stopPoint() const;
    // Shows the panes' lines as they are now; nothing while hidden.
    void refresh();
    // Asks for a folder and writes "symbol.txt" and "message.txt" into it.
    void saveToFile();

    // The place and size kept in the settings.
    void setPlace(const zentra::WindowGeometry& place);
    zentra::WindowGeometry place() const;

    // The parts, for tests and the screenshot mode.
    QPlainTextEdit* tokenPane() const { return memoToken_; }
    QPlainTextEdit* symbolPane() const { return memoSymbol_; }
    QPlainTextEdit* messagePane() const { return memoMessage_; }
    QCheckBox* tokenCheck() const { return checkToken_; }
    // 0 "None", 1 to 3 the stop switches.
    QRadioButton* stopButton(int index) const;
    QPushButton* saveButton() const { return button1_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* createToolBar();
    QPlainTextEdit* createPane(const char* name, int width);
    void fill();

    Panes panes_;
    Dialogs& dialogs_;
    QCheckBox* checkToken_ = nullptr;
    QButtonGroup* stopGroup_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPlainTextEdit* memoToken_ = nullptr;
    QPlainTextEdit* memoSymbol_ = nullptr;
    QPlainTextEdit* memoMessage_ = nullptr;
    QSplitter* leftSplitter_ = nullptr;
    QSplitter* splitter_ = nullptr;
    zentra::WindowGeometry place_ = zentra::kMonitorWindowDesigned;
    bool placed_ = false;
};
