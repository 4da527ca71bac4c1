#include <cstdio>

int main() {
    std::puts("zentra-cli: not yet");
    return 0;
}
