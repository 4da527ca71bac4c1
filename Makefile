# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
COVERAGE_BUILD ?= build-coverage
FUZZ_BUILD ?= build-fuzz
# `make fuzz`: seconds per target, and where the growing corpus is kept.
FUZZ_TIME  ?= 600
FUZZ_CORPUS ?= fuzz-out/corpus
# `make test`: the short run that keeps the fuzz targets working.
FUZZ_SMOKE_TIME ?= 45
JOBS       ?= $(shell nproc)
GENERATOR  := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all deps configure build test test-fast asan coverage fuzz-build fuzz fuzz-smoke run screenshots bench install package clean

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

# Line and branch coverage of the engine (not part of `make test`): an
# instrumented build of its own, the whole test suite (the golden tests run the
# instrumented zentra-cli), then the reports under $(COVERAGE_BUILD)/coverage.
coverage: deps
	@test -f $(COVERAGE_BUILD)/CMakeCache.txt || cmake -S . -B $(COVERAGE_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DZENTRA_COVERAGE=ON -DZENTRA_BUILD_APP=OFF -DZENTRA_BUILD_BENCH=OFF
	@find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cmake --build $(COVERAGE_BUILD) -j $(JOBS) --target zentra_tests zentra-cli
	@# Counters start from the test run alone, not from the build's test listing.
	@find $(COVERAGE_BUILD) -name '*.gcda' -delete
	ZENTRA_PROPERTY_CASES=4000 $(COVERAGE_BUILD)/tests/zentra_tests --gtest_brief=1
	scripts/coverage-report $(COVERAGE_BUILD)

run: build
	@if [ -x $(BUILD)/zentra ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
	  $(BUILD)/zentra; \
	else \
	  $(BUILD)/zentra-cli examples/beam.qbxsrc; \
	fi

# Pictures of the main window in use, made under a virtual X server with
# settings and lock of their own: $(BUILD)/screenshots/*.png.
screenshots: build
	@rm -rf $(BUILD)/screenshots && mkdir -p $(BUILD)/screenshots
	@tmp=$$(mktemp -d) && chmod 700 $$tmp && \
	  ZENTRA_SETTINGS=$$tmp/Zentra.ini XDG_RUNTIME_DIR=$$tmp ZENTRA_SCREENSHOTS=$(abspath $(BUILD))/screenshots \
	  xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/zentra; status=$$?; rm -rf $$tmp; exit $$status
	@ls $(BUILD)/screenshots

# `make install PREFIX=/usr DESTDIR=/tmp/stage`: DESTDIR is read by cmake --install.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package: $(BUILD)/zentra_*.deb.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	$(BUILD)/bench/zentra_bench
	@if [ -x $(BUILD)/bench/zentra_lua_bench ]; then $(BUILD)/bench/zentra_lua_bench; fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(COVERAGE_BUILD) $(FUZZ_BUILD)

# The desktop window's speed: runs and painting on the offscreen platform,
# then the start-up time under a virtual X server.
.PHONY: bench-window
bench-window: build
	$(BUILD)/bench/zentra_window_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bench/startup-time $(BUILD)
