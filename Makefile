# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# `make fuzz`: seconds per target, and where the growing corpus is kept.
FUZZ_TIME  ?= 600
FUZZ_CORPUS ?= fuzz-out/corpus
# `make test`: the short run that keeps the fuzz targets working.
FUZZ_SMOKE_TIME ?= 45
JOBS       ?= $(shell nproc)
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps configure build test test-fast asan fuzz-build fuzz fuzz-smoke run bench clean

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

# The fuzz targets need clang; the engine is built again with coverage
# instrumentation and the address and undefined-behaviour sanitizers.
fuzz-build: deps
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZENTRA_FUZZ=ON -DZENTRA_BUILD_APP=OFF -DZENTRA_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target exec_fuzzer files_fuzzer fuzz_seeds

fuzz: fuzz-build
	fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_TIME) $(FUZZ_CORPUS)

# From the seeds only, with a two-second hang limit for a busy machine.
fuzz-smoke: fuzz-build
	FUZZ_TIMEOUT=2 fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SMOKE_TIME)

# The sanitizer and fuzz runs first, so that CTest's summary closes the output.
test: asan fuzz-smoke test-fast

run: build
	@if [ -x $(BUILD)/zentra ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
	  $(BUILD)/zentra; \
	else \
	  $(BUILD)/zentra-cli examples/beam.qbxsrc; \
	fi

bench: build
	$(BUILD)/bench/zentra_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
