// A compiler object on an in-memory host, and readers for its token array.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "front/compiler.h"
#include "host/memory_host.h"
#include "vm/value_stores.h"

namespace zentra::testing {

struct FrontFixture {
    MemoryHost host;
    std::unique_ptr<ValueStores> stores = std::make_unique<ValueStores>();
    Compiler compiler{host, stores->constants};

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (int i = 0; i < compiler.tokens.count(); ++i)
            out.emplace_back(compiler.tokenAt(i).text);
        return out;
    }

    // "KIND text" per token, "-" for the empty kind.
    std::vector<std::string> kindsAndTexts() const {
        std::vector<std::string> out;
        for (int i = 0; i < compiler.tokens.count(); ++i) {
            const Token& t = compiler.tokenAt(i);
            const std::string_view kind = kindName(t.kind);
            out.push_back((kind.empty() ? std::string("-") : std::string(kind)) + " " +
                          std::string(t.text));
        }
        return out;
    }

    std::vector<std::string> output() const { return host.output.lines(); }
    std::vector<std::string> messages() const { return host.messages.lines(); }
};

}  // namespace zentra::testing
