// An editor as its edit history sees it: the whole text as lines (a last
// empty line included, so that a snapshot puts back exactly what was there),
// the caret, the scroll position and the document's modified mark.
#pragma once

#include "shell/edit_history.h"

class CodeEditWidget;

class EditorStateQt : public zentra::EditorState {
public:
    explicit EditorStateQt(CodeEditWidget& editor) : editor_(editor) {}

    std::vector<std::string> lines() const override;
    void setLines(const std::vector<std::string>& lines) override;
    int caret() const override;
    void setCaret(int position) override;
    int firstVisibleLine() const override;
    void scrollBy(int lines) override;
    bool modified() const override;
    void setModified(bool modified) override;
    void applyChosenFont() override;

private:
    CodeEditWidget& editor_;
};
