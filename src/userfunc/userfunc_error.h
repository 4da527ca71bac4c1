// Error numbers and the error line of the user-function stage.
#pragma once

#include <cstdint>
#include <string_view>

#include "front/reporter.h"

namespace zentra {

enum UserFunctionError : int {
    // Definition scan.
    kErrDuplicateFunction = 529,
    kErrParameterList = 519,
    kErrDefinitionForm = 514,
    kErrFunctionNotClosed = 516,
    kErrNoReturn = 501,
    kErrSeveralReturns = 502,
    kErrNoMainProgram = 552,
    // Expansion.
    kErrCallForm = 560,
    kErrArgumentForm = 570,
    kErrArgumentEnd = 571,
    kErrArgumentKind = 515,
    kErrCallNotClosed = 516,
    // Limits of the table, the token array and the scope levels; recursion.
    kErrTooManyFunctions = 590,
    kErrExpansionTooLong = 591,
    kErrRecursiveCall = 592,
    kErrExpansionTooDeep = 593,
};

// Reports the error in the one-line form "error NNN-AALLL message".
void reportUserFunctionError(Reporter& report, int code, std::int32_t position,
                             std::string_view message);

// The same for a fault of one function: the message begins with its name in
// quotes ("f" ...), since the run driver's summary line names none.
void reportUserFunctionError(Reporter& report, int code, std::int32_t position,
                             std::string_view function, std::string_view message);

}  // namespace zentra
