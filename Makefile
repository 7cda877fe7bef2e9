# The two front-door commands are `make run` and `make test`; the others are their steps.
# Two build jobs at most: the machine is shared.
JOBS := 2
BUILD := build
WINDOWS_BUILD := build-windows
DEB_BUILD := build-deb
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: native windows test test-native test-windows run run-windows deb dist screenshots bench \
	bench-sdl fuzz clean

native:
	scripts/install-deps.sh native
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS)

windows:
	scripts/install-deps.sh windows
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

test: test-native test-windows

test-native: native
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# One at a time: the tests share one virtual display and look for windows by title.
test-windows: windows
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

# The Linux program, from play/; ARGS go to it (ARGS="--scale 2", say).
run: native
	scripts/run.sh $(BUILD) $(ARGS)

# The Windows program under Wine, from play/.
run-windows: native windows
	scripts/run-windows.sh $(WINDOWS_BUILD)

# The Debian package, dist/tallyrope_<version>_amd64.deb, from an optimised build of its own.
deb:
	scripts/install-deps.sh deb
	scripts/make-deb.sh $(DEB_BUILD) dist

# The Linux zip takes the package's optimised program, not the tests' checking build.
dist: native windows deb
	scripts/make-dist-windows.sh $(WINDOWS_BUILD)/bin/tallyrope.exe $(BUILD)/puzzles/OnLoad.dat \
		dist/windows
	scripts/make-dist-linux.sh $(DEB_BUILD)/bin/tallyrope $(DEB_BUILD)/puzzles/OnLoad.dat \
		dist/linux

screenshots: windows
	scripts/screenshots.sh $(WINDOWS_BUILD) docs/screenshots

# The core's costs, optimised: over the shipped collection, then over big generated files.
bench:
	scripts/install-deps.sh bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS) --target core_bench
	build-bench/bench/core_bench

# The Linux program optimised, on a virtual display: from the quit button's click to the process's
# end, and what it costs while idle beside a bare SDL window.
bench-sdl:
	scripts/install-deps.sh bench
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS) --target tallyrope puzzle_store
	bench/sdl/desktop_costs.sh build-bench

# Every reader and a whole session under libFuzzer, FUZZ_SECONDS each, built with clang.
fuzz:
	scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTALLYROPE_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD) $(DEB_BUILD) $(FUZZ_BUILD) build-bench dist
