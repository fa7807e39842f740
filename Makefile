# Orv: one entry point for set-up, build, run, test and benchmarks.
SHELL := /bin/bash
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
# Most tests wait on a collar, a server or a timer rather than compute: twice
# as many at once as there are cores keeps the cores busy.
TEST_JOBS  ?= $(shell echo $$(( $(JOBS) * 2 )))
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build programs run test test-asan bench fuzz fuzz-run format format-check clean package

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what runs: orv3, orvctl and the collar emulator with their libraries (no tests, no benchmarks).
programs: configure
	cmake --build $(BUILD) -j $(JOBS) --target programs

run: programs
	@scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS) --timeout 300

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON -DORV_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(TEST_JOBS) --timeout 600

# The Debian package (build/orv_VERSION_ARCH.deb), checked by scripts/check-package.sh.
package: build
	cd $(BUILD) && cpack -G DEB

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@scripts/run-benchmarks.sh $(BUILD)

# libFuzzer builds of the fuzz targets (clang).
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DORV_FUZZ=ON -DORV_SANITIZE=ON \
	  -DORV_BUILD_BENCH=OFF -DORV_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Debug
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@echo "Fuzz targets are in build-fuzz/bin (run one with -max_total_time=60)."

# Every fuzz target for FUZZ_SECONDS (CI: 30) from an empty corpus, JOBS at a time; a finding fails.
FUZZ_SECONDS ?= 30
fuzz-run: fuzz
	@scripts/fuzz-run.sh build-fuzz $(FUZZ_SECONDS) $(JOBS)

# Every C++ file but the hand-laid constant tables, as CI checks them.
format:
	@scripts/check-format.sh --fix

# What CI checks: every C++ file of the tree is formatted.
format-check:
	@scripts/check-format.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
