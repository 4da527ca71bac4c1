// Names the front end makes for itself, shown as the user wrote them: in
// messages, in alias lines and in the variable dump.
#pragma once

#include <string>
#include <string_view>

namespace zentra {

class ShownNames;

// The name as the user knows it: a parameter-area name without the "_" of
// the prefixing, a bare expression's result without its "$", a temporary of
// the user-function expansion ("~userF2", "~userQ2_0") as the call or the
// argument it holds. Any other name is returned as it is, so a program
// variable the user named "_x" keeps its "_".
std::string displayName(const ShownNames& names, std::string_view name);

// A message with every prefixed parameter-area name and every temporary in
// it shown as displayName shows it. Names are runs of letters, digits and
// "_" (a temporary: "~" and such a run); other bytes stay as they are.
std::string displayText(const ShownNames& names, std::string_view message);

}  // namespace zentra
