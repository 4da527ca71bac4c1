// The user-function store: one flat list of lines in which every function is
// a header line "#" + name followed by the lines the user wrote, most
// recently registered first. The registry value, the library files and the
// run all use this form.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

inline constexpr std::string_view kNoFunctionNameMessage = "ソースコードに関数名がありません";

// The lines of the function "#" + name, empty lines left out; nullopt when
// no line equals the header.
std::optional<std::vector<std::string>> fetchFunction(const std::vector<std::string>& storeLines,
                                                      std::string_view name);

// The name the first declaration line of a text declares, or "".
std::string declarationName(const std::vector<std::string>& text);

class FunctionStore {
  public:
    FunctionStore() = default;
    explicit FunctionStore(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    const std::vector<std::string>& lines() const { return lines_; }
    bool hasLine(std::string_view line) const;

    std::optional<std::vector<std::string>> fetch(std::string_view name) const {
        return fetchFunction(lines_, name);
    }

    // Puts the text in front under its declaration name, replacing the block
    // of that name; drops the store's empty lines. Returns the name, or ""
    // with the store unchanged when the text declares no function.
    std::string registerText(const std::vector<std::string>& text);
    // Removes the block of the function the text declares; same answer.
    std::string deleteText(const std::vector<std::string>& text);

    // What the function list shows: each function's declaration line without
    // blanks, followed by " " + its description comment when the text starts
    // with one.
    std::vector<std::string> listEntries() const;

  private:
    std::string rebuild(const std::vector<std::string>& text, bool remove);

    std::vector<std::string> lines_;
};

}  // namespace zentra
