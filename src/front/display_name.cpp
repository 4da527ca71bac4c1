#include "front/display_name.h"

#include "front/shown_names.h"

namespace zentra {

namespace {

constexpr std::string_view kTemporaryMark = "~user";

bool isNameByte(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
}

// A name as displayName shows it, once a bare expression's "$" is dropped.
std::string shownName(const ShownNames& names, std::string_view name) {
    if (name.starts_with(kTemporaryMark)) {
        if (const std::string* text = names.temporaryText(name)) return *text;
        return std::string(name);
    }
    if (name.size() > 1 && name[0] == '_' && names.isParameterName(name))
        return std::string(name.substr(1));
    return std::string(name);
}

}  // namespace

std::string displayName(const ShownNames& names, std::string_view name) {
    if (name.size() > 1 && name[0] == '$') name.remove_prefix(1);
    return shownName(names, name);
}

std::string displayText(const ShownNames& names, std::string_view message) {
    std::string shown;
    shown.reserve(message.size());
    std::size_t i = 0;
    while (i < message.size()) {
        const bool temporary = message.substr(i).starts_with(kTemporaryMark);
        if (!temporary && !isNameByte(message[i])) {
            shown += message[i++];
            continue;
        }
        std::size_t end = i + (temporary ? 1 : 0);
        while (end < message.size() && isNameByte(message[end])) ++end;
        shown += shownName(names, message.substr(i, end - i));
        i = end;
    }
    return shown;
}

}  // namespace zentra
