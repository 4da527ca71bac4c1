#include "front/compile_errors.h"

#include <utility>

#include "base/number_format.h"

namespace zentra {

void CompileErrors::startRun() {
    clear();
    outputStarted_ = false;
}

void CompileErrors::clear() {
    list_.clear();
    count_ = 0;
    lastLine_ = 0;
}

ErrorOutput CompileErrors::startOutput() {
    ErrorOutput output;
    output.clearFirst = !outputStarted_;
    outputStarted_ = true;
    return output;
}

ErrorOutput CompileErrors::add(CompileError error) {
    ++count_;
    ErrorOutput output = startOutput();
    output.lines = errorLines(error);
    output.statusText = errorStatusText(error.area());
    list_.push_back(std::move(error));
    return output;
}

ErrorOutput CompileErrors::summary() {
    ErrorOutput output = startOutput();
    output.lines = {"error 888-020000 ユーザ関数の処理でエラーが発生しました"};
    output.trace = "numError = " + std::to_string(count_);
    return output;
}

bool CompileErrors::isNewLine(std::int32_t position) {
    const int line = errorLineOf(position);
    if (line <= lastLine_) return false;
    lastLine_ = line;
    return true;
}

std::vector<std::string> errorLines(const CompileError& error) {
    std::string head = errorLineHead(error.number, error.position);
    if (error.form == ErrorForm::OneLine) return {head + " " + error.message};
    return {std::move(head), " " + error.message};
}

std::string errorStatusText(int area) {
    return std::string(areaName(area)) + "の記述にエラーがあります";
}

std::string_view areaName(int area) {
    if (area == kProgramArea) return "プログラムエリア";
    if (area == kParameterArea) return "パラメータ定義エリア";
    return "ユーザ関数";
}

std::string errorLineHead(int number, std::int32_t position) {
    return "error " + std::to_string(number) + "-" + zeroPad(areaOf(position), 2) +
           zeroPad(lineOf(position), 3);
}

}  // namespace zentra
