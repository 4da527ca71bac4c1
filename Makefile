# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps configure build test test-fast asan run bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

asan: deps
	@test -f $(ASAN_BUILD)/CMakeCache.txt || cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DZENTRA_SANITIZE=ON -DZENTRA_BUILD_APP=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target zentra_tests zentra-cli
	$(ASAN_BUILD)/tests/zentra_tests --gtest_brief=1

# The sanitizer run first, so that CTest's summary closes the output.
test: asan test-fast

run: build
	@if [ -x $(BUILD)/zentra ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
	  $(BUILD)/zentra; \
	else \
	  $(BUILD)/zentra-cli examples/beam.qbxsrc; \
	fi

bench: build
	$(BUILD)/bench/zentra_bench
	@if [ -x $(BUILD)/bench/zentra_lua_bench ]; then $(BUILD)/bench/zentra_lua_bench; fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
