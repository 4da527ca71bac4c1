#include "shell/settings_store.h"

namespace zentra {

std::optional<std::string> MemorySettingsStore::value(std::string_view name) const {
    auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

void MemorySettingsStore::setValue(std::string_view name, std::string_view value) {
    auto found = values_.find(name);
    if (found == values_.end()) {
        values_.emplace(std::string(name), std::string(value));
    } else {
        found->second.assign(value);
    }
}

void MemorySettingsStore::remove(std::string_view name) {
    auto found = values_.find(name);
    if (found != values_.end()) values_.erase(found);
}

}  // namespace zentra
