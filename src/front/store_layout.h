// Where declarations and the compilers put values: the next free slots of
// the variable and local stores, the constants counted so far, and the
// element counts of the arrays.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace zentra {

class StoreLayout {
public:
    std::int32_t nextVariableSlot = 1;  // slot 0 is never allocated
    std::int32_t namedConstantCount = 0;
    std::int32_t literalCount = 0;
    std::int32_t nextLocalSlot = 1;

    // The first count registered for a name holds; -1 for a name never registered.
    void registerArraySize(std::string_view name, int count) { arraySizes_.emplace(std::string(name), count); }
    int arraySize(std::string_view name) const {
        const auto found = arraySizes_.find(name);
        return found == arraySizes_.end() ? -1 : found->second;
    }

private:
    std::map<std::string, int, std::less<>> arraySizes_;
};

}  // namespace zentra
