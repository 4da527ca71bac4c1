#include "userfunc/function_check.h"

#include <algorithm>
#include <deque>

#include "userfunc/function_store.h"

namespace zentra {

namespace {

bool listed(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// One list of lines being scanned: the program area, or a function's lines.
struct ScanFrame {
    const std::vector<std::string>* lines;
    std::size_t line = 0;
    std::string function;  // "" for the program area
};

}  // namespace

bool userFunctionCheck(Host& host, const std::vector<std::string>& programLines,
                       const std::vector<std::string>& userFunctionStore,
                       std::vector<std::string>& calledFunctions) {
    std::vector<std::string> found;
    std::vector<std::string> missing;
    calledFunctions.clear();

    // Depth-first over the called functions with an explicit stack: a name
    // goes into `found` before its lines are scanned and into the list after
    // them, so callees come first and a cycle is followed only once.
    // The program's lines are scanned where they are; a function's fetched
    // lines stay in `fetched` (a deque never moves them) while scanned.
    std::deque<std::vector<std::string>> fetched;
    std::vector<ScanFrame> stack;
    stack.push_back({&programLines, 0, {}});
    while (!stack.empty()) {
        ScanFrame& frame = stack.back();
        if (frame.line >= frame.lines->size()) {
            if (!frame.function.empty()) calledFunctions.push_back(frame.function);
            stack.pop_back();
            continue;
        }
        std::string name = discoverCall((*frame.lines)[frame.line], found);
        if (name.empty() || listed(missing, name)) {
            ++frame.line;
            continue;
        }
        // The same line is scanned again afterwards: it may hold further calls.
        if (auto lines = fetchFunction(userFunctionStore, name)) {
            found.push_back(name);
            fetched.push_back(std::move(*lines));
            stack.push_back({&fetched.back(), 0, std::move(name)});
        } else {
            missing.push_back(std::move(name));
        }
    }

    for (std::size_t k = 0; k < calledFunctions.size(); ++k) {
        host.monitorMessages().appendLine("#userFunc " + std::to_string(k) + " = " +
                                          calledFunctions[k]);
    }
    if (missing.empty()) return true;
    std::string message = "以下のユーザ関数は登録されていません\n";
    for (const auto& name : missing) message += "\n    " + name;
    host.messageBox(message);
    return false;
}

}  // namespace zentra
