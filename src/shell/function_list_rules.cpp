#include "shell/function_list_rules.h"

#include <algorithm>

#include "base/source_text.h"
#include "front/function_lines.h"
#include "userfunc/function_store.h"

namespace zentra {

namespace {

char foldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string folded(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), foldCase);
    return out;
}

}  // namespace

std::string entryFunctionName(std::string_view entry) { return std::string(entry.substr(0, entry.find('('))); }

std::optional<std::vector<std::string>> storedFunctionText(const FunctionStore& store, std::string_view name) {
    int first = 0;
    int count = findFunctionLines(name, store.lines(), first);
    if (count < 0) return std::nullopt;
    const auto begin = store.lines().begin() + first;
    while (count > 0 && begin[count - 1].empty()) --count;
    return std::vector<std::string>(begin, begin + count);
}

std::vector<std::string> orderedEntries(const FunctionStore& store, FunctionOrder order) {
    std::vector<std::string> entries = store.listEntries();
    if (order == FunctionOrder::Alphabetical) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
    }
    return entries;
}

bool entryMatchesFilter(std::string_view entry, std::string_view filter) {
    const std::string text = folded(entry);
    std::size_t i = 0;
    while (i < filter.size()) {
        if (isBlank(filter[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < filter.size() && !isBlank(filter[end])) ++end;
        if (text.find(folded(filter.substr(i, end - i))) == std::string::npos) return false;
        i = end;
    }
    return true;
}

std::string libraryPathWithSuffix(std::string_view chosen) {
    const std::size_t slash = chosen.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? chosen : chosen.substr(slash + 1);
    // A leading dot names a hidden file; it is no extension.
    if (name.empty() || name.find('.', 1) != std::string_view::npos) return std::string(chosen);
    return std::string(chosen) + "." + std::string(kLibrarySuffix);
}

}  // namespace zentra
