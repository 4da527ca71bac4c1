// Compile errors as data: each error of a run with its number, place and
// message, the run's error state (count, the once-per-line rule, whether the
// run has written to the output area yet) and the one renderer that turns an
// error into the lines and the status text the user sees.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "front/token.h"

namespace zentra {

// How an error is written: the front end's two lines ("error NNN-AALLL" and
// " " + message) or the user-function stage's one line ("error NNN-AALLL
// message").
enum class ErrorForm { TwoLines, OneLine };

struct CompileError {
    int number = 0;
    std::int32_t position = 0;  // area and line (makePosition)
    std::string message;        // as shown: names the user did not write already replaced
    ErrorForm form = ErrorForm::TwoLines;

    int area() const { return areaOf(position); }
    int line() const { return lineOf(position); }
};

// What showing an error (or the stage summary) does to the host.
struct ErrorOutput {
    bool clearFirst = false;         // the run's first output clears the output area
    std::vector<std::string> lines;  // appended to the output area
    std::string statusText;          // status text 0; left as it is when empty
    std::string trace;               // a monitor message; none when empty
};

class CompileErrors {
  public:
    // A new run: no error, no recorded line, and the next output clears the area.
    void startRun();
    // The front end starts over within the run: the errors, their count and
    // the recorded line are forgotten; whether the run has written output is not.
    void clear();

    // Counts and records the error and renders it.
    ErrorOutput add(CompileError error);
    // Counts an error that adds no line (one already reported elsewhere, or
    // one that only stops the compilation).
    void countWithoutLine() { ++count_; }
    // The summary line of the user-function stage and the count in a trace.
    // The line is no error of its own: it is neither counted nor recorded.
    ErrorOutput summary();

    int count() const { return count_; }
    const std::vector<CompileError>& list() const { return list_; }
    bool outputStarted() const { return outputStarted_; }

    // The once-per-line rule: an error is reported only when its line is past
    // the last recorded one. isNewLine records the line when it is.
    bool isNewLine(std::int32_t position);
    // Records the line, so that errors further on that line stay quiet.
    void markLine(std::int32_t position) { lastLine_ = errorLineOf(position); }
    int lastLine() const { return lastLine_; }

  private:
    ErrorOutput startOutput();

    std::vector<CompileError> list_;
    int count_ = 0;
    int lastLine_ = 0;
    bool outputStarted_ = false;
};

// The lines one error adds to the output area, in its form.
std::vector<std::string> errorLines(const CompileError& error);

// Status text 0 after an error in `area`.
std::string errorStatusText(int area);

// The area name for status text 0.
std::string_view areaName(int area);

// "error " + number + "-" + area (2 digits) + line (3 digits).
std::string errorLineHead(int number, std::int32_t position);

}  // namespace zentra
