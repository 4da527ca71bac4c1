// The named values that survive a restart. The window layer keeps them in an
// INI file through QSettings; tests keep them in memory. Every value travels
// as text: integers as decimal digits, line lists as lines each followed by LF.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zentra {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Nothing when the name holds no value.
    virtual std::optional<std::string> value(std::string_view name) const = 0;
    virtual void setValue(std::string_view name, std::string_view value) = 0;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> value(std::string_view name) const override;
    void setValue(std::string_view name, std::string_view value) override;

    void remove(std::string_view name);
    const std::map<std::string, std::string, std::less<>>& values() const { return values_; }

private:
    std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace zentra
