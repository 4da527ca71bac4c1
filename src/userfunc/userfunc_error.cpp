#include "userfunc/userfunc_error.h"

#include <string>

namespace zentra {

void reportUserFunctionError(Reporter& report, int code, std::int32_t position,
                             std::string_view message) {
    report.errorAt(code, position, message, ErrorForm::OneLine);
}

void reportUserFunctionError(Reporter& report, int code, std::int32_t position,
                             std::string_view function, std::string_view message) {
    reportUserFunctionError(report, code, position, quoted(function) + " " + std::string(message));
}

}  // namespace zentra
