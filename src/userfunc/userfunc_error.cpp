#include "userfunc/userfunc_error.h"

#include <string>

namespace zentra {

void reportUserFunctionError(Compiler& compiler, int code, std::int32_t position,
                             std::string_view message) {
    ++compiler.errorCount;
    TextArea& out = compiler.host.outputArea();
    if (compiler.firstOutput) {
        out.clear();
        compiler.firstOutput = false;
    }
    out.appendLine(errorLineHead(code, position) + " " + std::string(message));
    compiler.host.setStatusText(
        0, std::string(areaName(areaOf(position))) + "の記述にエラーがあります");
}

}  // namespace zentra
