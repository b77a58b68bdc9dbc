# Tapstart: one entry point for building, testing and running.
# BUILD may point elsewhere so that several people can build side by side.
BUILD ?= build
JOBS ?= $(shell nproc)
NATIVE := $(BUILD)/native
WIN := $(BUILD)/win64
FUZZ := $(BUILD)/fuzz

.PHONY: all bootstrap native win64 fuzz-build fuzz test run dist installer bench clean screenshots format format-check tidy

all: native win64

bootstrap:
	@tools/bootstrap

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DTAPSTART_SANITIZE=ON

$(WIN)/CMakeCache.txt:
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

win64: $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS)

$(FUZZ)/CMakeCache.txt:
	cmake -S fuzz -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++

# The libFuzzer targets of the portable parsers (fuzz/).
fuzz-build: $(FUZZ)/CMakeCache.txt
	cmake --build $(FUZZ) -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS seconds (60 unless set), or FUZZ_RUNS runs, printing its execution count; then
# the store's random round trip with 10,000 sets in each layout.
fuzz: bootstrap fuzz-build native
	tools/run-fuzz --all $(FUZZ)
	TAPSTART_ROUND_TRIP_SETS=10000 $(NATIVE)/bin/native_tests --gtest_filter='*RandomSetsRoundTrip*'

test: bootstrap
	$(MAKE) native win64 fuzz-build
	tools/run-tests $(BUILD)

run: bootstrap win64
	tools/run-demo $(WIN)

dist: win64
	tools/make-dist $(WIN) dist

# TapstartSetup.exe, the installer of everything dist/ holds.
installer: bootstrap dist
	tools/make-installer dist dist/TapstartSetup.exe

bench: bootstrap win64
	tools/run-bench $(WIN)
	tools/bench-mainwnd $(WIN)
	tools/bench-wizard $(WIN)
	tools/bench-registration $(WIN)

screenshots: bootstrap win64
	tools/screenshot --all $(WIN) docs/screenshots

# The C/C++ files changed on this branch, against .clang-format: laid out in place, or checked (CI).
# tools/check-format says which files count as changed; FORMAT_BASE=<rev> compares with another base.
format:
	tools/check-format --fix

format-check:
	tools/check-format

# clang-tidy (.clang-tidy) over the portable sources of the native tree: settings/, launcher/, starter/, not tests/
# nor GoogleTest; then tools/check-nodiscard. The *_win32.cpp files cannot be checked natively: they need
# <windows.h>, which only the cross toolchain has. Configuring again writes compile_commands.json into a native
# tree made before the tree exported it; nothing needs building.
tidy: $(NATIVE)/CMakeCache.txt
	cmake -S . -B $(NATIVE) > /dev/null
	JOBS=$(JOBS) tools/run-tidy $(NATIVE)

clean:
	rm -rf $(BUILD) dist
