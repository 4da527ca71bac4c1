// Names the user did not write, and what messages show for them: names that
// carry the "_" the parameter-area prefixing gave them, and the temporaries
// of the user-function expansion with the call or argument they stand for.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace zentra {

class ShownNames {
public:
    void markParameterName(std::string_view prefixedName) { parameterNames_.emplace(prefixedName); }
    bool isParameterName(std::string_view name) const { return parameterNames_.contains(name); }

    // What a temporary stands for: the call or the argument expression, as written.
    void nameTemporary(std::string_view temporary, std::string_view shownText) {
        temporaryTexts_.insert_or_assign(std::string(temporary), std::string(shownText));
    }
    const std::string* temporaryText(std::string_view temporary) const {
        const auto found = temporaryTexts_.find(temporary);
        return found == temporaryTexts_.end() ? nullptr : &found->second;
    }

    void clear() {
        parameterNames_.clear();
        temporaryTexts_.clear();
    }

private:
    std::set<std::string, std::less<>> parameterNames_;
    std::map<std::string, std::string, std::less<>> temporaryTexts_;
};

}  // namespace zentra
