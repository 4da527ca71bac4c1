#include "session/session.h"

namespace zentra {

namespace {

std::unique_ptr<CodeBuffer> emptyCodeBuffer() {
    auto code = std::make_unique<CodeBuffer>();
    code->fill(kEndWord);
    return code;
}

}  // namespace

Session::Session(Host& hostRef)
    : host(hostRef),
      code(emptyCodeBuffer()),
      stores(std::make_unique<ValueStores>()),
      compiler(hostRef, stores->constants) {}

}  // namespace zentra
