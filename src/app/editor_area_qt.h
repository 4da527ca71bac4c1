// An editor as the run driver sees it: a list of lines. A last empty line
// (the text ends with a line break, or is empty) is no line, as a text
// written line by line reads back.
#pragma once

#include <QString>

#include "host/text_area.h"

class CodeEditWidget;

class EditorArea : public zentra::TextArea {
public:
    explicit EditorArea(CodeEditWidget& editor) : editor_(editor) {}

    int lineCount() const override;
    std::string line(int index) const override;
    // The line goes after the last one and ends with a line break.
    void appendLine(std::string_view text, zentra::LineColour colour = zentra::LineColour::Black) override;
    void deleteLine(int index) override;
    void clear() override;
    void setLines(const std::vector<std::string>& lines) override;
    void setLineColour(int, zentra::LineColour) override {}  // colours are the comment rule's
    void selectLine(int index) override;

private:
    CodeEditWidget& editor_;
};

// The editor's whole text from lines, one line break between two lines.
QString joinEditorLines(const std::vector<std::string>& lines);
