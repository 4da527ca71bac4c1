#include "userfunc/userfunc_error.h"

#include <string>

namespace zentra {

void reportUserFunctionError(Compiler& compiler, int code, std::int32_t position,
                             std::string_view message) {
    compiler.errorAt(code, position, message, ErrorForm::OneLine);
}

void reportUserFunctionError(Compiler& compiler, int code, std::int32_t position,
                             std::string_view function, std::string_view message) {
    reportUserFunctionError(compiler, code, position,
                            quoted(function) + " " + std::string(message));
}

}  // namespace zentra
