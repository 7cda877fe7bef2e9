# The two front-door commands are `make run` and `make test`; the others are their steps.
# Two build jobs at most: the machine is shared.
JOBS := 2
BUILD := build
WINDOWS_BUILD := build-windows
DIST := dist/windows

.PHONY: deps native windows test test-native test-windows run dist screenshots bench clean

deps:
	scripts/install-deps.sh all

native: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS)

windows: deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

test: test-native test-windows

test-native: native
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# One at a time: the tests share one virtual display and look for windows by title.
test-windows: windows
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

run: native windows
	scripts/run.sh $(WINDOWS_BUILD)

dist: native windows
	scripts/make-dist.sh $(WINDOWS_BUILD)/bin/tallyrope.exe $(BUILD)/puzzles/OnLoad.dat $(DIST)

screenshots: windows
	scripts/screenshots.sh $(WINDOWS_BUILD) docs/screenshots

# The core's costs, optimised: over the shipped collection, then over big generated files.
bench:
	scripts/install-deps.sh bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS) --target core_bench
	build-bench/bench/core_bench

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD) build-bench dist
