#include "userfunc/userfunc_error.h"

#include <string>

#include "front/display_name.h"

namespace zentra {

void reportUserFunctionError(Compiler& compiler, int code, std::int32_t position,
                             std::string_view message) {
    ++compiler.errorCount;
    TextArea& out = compiler.host.outputArea();
    if (compiler.firstOutput) {
        out.clear();
        compiler.firstOutput = false;
    }
    out.appendLine(errorLineHead(code, position) + " " + displayText(compiler, message));
    compiler.host.setStatusText(
        0, std::string(areaName(areaOf(position))) + "の記述にエラーがあります");
}

void reportUserFunctionError(Compiler& compiler, int code, std::int32_t position,
                             std::string_view function, std::string_view message) {
    reportUserFunctionError(compiler, code, position,
                            quoted(function) + " " + std::string(message));
}

}  // namespace zentra
