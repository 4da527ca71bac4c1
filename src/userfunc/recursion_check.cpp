// Recursion among the definitions: a body is copied into its callers, so a
// function that reaches itself again could never be expanded completely.

#include <array>
#include <vector>

#include "userfunc/function_table.h"
#include "userfunc/userfunc_error.h"

namespace zentra {

namespace {

struct Call {
    int callee;  // table entry
    int token;   // index of the call's name
};

// The calls of listed functions in the body of `entry`.
std::vector<Call> callsIn(const TokenTable& tokens, const FunctionTable& table, int entry) {
    std::vector<Call> calls;
    const FunctionEntry& e = table[entry];
    for (int i = e.top + headerLength(e.paramCount); i < e.top + e.size; ++i) {
        const Token& token = tokens.at(i);
        if (token.kind != Kind::IDENT || tokens.at(i + 1).kind != Kind::OPEN) continue;
        for (int j = 1; j < table.used; ++j) {
            if (table[j].name == token.text) calls.push_back({j, i});
        }
    }
    return calls;
}

enum class Visit { New, Open, Done };

struct Frame {
    int entry;
    std::size_t next = 0;
};

}  // namespace

int checkRecursion(const TokenTable& tokens, Reporter& report, const FunctionTable& table) {
    std::array<std::vector<Call>, kFunctionTableSize> calls;
    for (int j = 1; j < table.used; ++j)
        calls[static_cast<std::size_t>(j)] = callsIn(tokens, table, j);

    // Depth-first search; reaching an entry that is still open closes a cycle.
    std::array<Visit, kFunctionTableSize> state;
    state.fill(Visit::New);
    for (int root = 1; root < table.used; ++root) {
        if (state[static_cast<std::size_t>(root)] != Visit::New) continue;
        std::vector<Frame> stack{{root}};
        state[static_cast<std::size_t>(root)] = Visit::Open;
        while (!stack.empty()) {
            Frame& frame = stack.back();
            const auto& out = calls[static_cast<std::size_t>(frame.entry)];
            if (frame.next >= out.size()) {
                state[static_cast<std::size_t>(frame.entry)] = Visit::Done;
                stack.pop_back();
                continue;
            }
            const Call call = out[frame.next++];
            Visit& target = state[static_cast<std::size_t>(call.callee)];
            if (target == Visit::Open) {
                reportUserFunctionError(
                    report, kErrRecursiveCall, tokens.at(call.token).position,
                    "ユーザ関数 " + table[call.callee].name + " は再帰呼び出しできません。");
                return -1;
            }
            if (target == Visit::New) {
                target = Visit::Open;
                stack.push_back({call.callee});
            }
        }
    }
    return 0;
}

}  // namespace zentra
