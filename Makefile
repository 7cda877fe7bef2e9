# The two front-door commands are `make run` and `make test`; the others are their steps.
# Two build jobs at most: the machine is shared.
JOBS := 2
BUILD := build
WINDOWS_BUILD := build-windows
DEB_BUILD := build-deb
FUZZ_BUILD := build-fuzz
WEB_BUILD := build-web
FUZZ_SECONDS ?= 60

.PHONY: native windows web test test-native test-web test-windows run run-windows run-web deb dist \
	screenshots bench bench-sdl bench-web fuzz clean

native:
	scripts/install-deps.sh native
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS)

windows:
	scripts/install-deps.sh windows
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The page in dist/web/: the program built by emscripten, whose JavaScript optimiser finds
# Debian's acorn only through NODE_PATH, and the shipped stores from the native build.
web:
	scripts/install-deps.sh web
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS) --target puzzle_store
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS)
	scripts/make-web.sh $(WEB_BUILD) $(BUILD)/puzzles dist/web

test: test-native test-web test-windows

test-native: native
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core compiled to WebAssembly under Node, then the page in headless Chromium, served on
# 127.0.0.1 (tests/web/browser/); a test that hangs fails after two minutes.
test-web: web
	node --test tests/web/core/
	cd tests/web && node --test --test-timeout=120000 browser/

# One at a time: the tests share one virtual display and look for windows by title.
test-windows: windows
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

# The Linux program, from play/; ARGS go to it (ARGS="--scale 2", say).
run: native
	scripts/run.sh $(BUILD) $(ARGS)

# The page served on 127.0.0.1; without a display, a picture of it in play/web-screenshot.png.
run-web: web
	scripts/run-web.sh

# The Windows program under Wine, from play/.
run-windows: native windows
	scripts/run-windows.sh $(WINDOWS_BUILD)

# The Debian package, dist/tallyrope_<version>_amd64.deb, from an optimised build of its own.
deb:
	scripts/install-deps.sh deb
	scripts/make-deb.sh $(DEB_BUILD) dist

# The Linux zip takes the package's optimised program, not the tests' checking build.
dist: native windows deb web
	scripts/make-dist-windows.sh $(WINDOWS_BUILD)/bin/tallyrope.exe $(BUILD)/puzzles \
		dist/windows
	scripts/make-dist-linux.sh $(DEB_BUILD)/bin/tallyrope $(DEB_BUILD)/puzzles \
		dist/linux
	scripts/zip-folder.sh dist/web dist/tallyrope-web.zip

screenshots: windows web
	scripts/screenshots.sh $(WINDOWS_BUILD) docs/screenshots
	node tests/web/browser/screenshot.js docs/screenshots/touch-upright.png 390x844 touch
	node tests/web/browser/screenshot.js docs/screenshots/touch-sideways.png 844x390 touch
	node tests/web/browser/screenshot.js docs/screenshots/touch-tablet.png 768x1024 touch
	node tests/web/browser/screenshot.js docs/screenshots/touch-german.png 390x844 touch-de
	node tests/web/browser/screenshot.js docs/screenshots/touch-italian.png 390x844 touch-it
	node tests/web/browser/screenshot.js docs/screenshots/touch-small.png 320x568 touch
	node tests/web/browser/screenshot.js docs/screenshots/touch-lost.png 390x844 touch-lost
	node tests/web/browser/screenshot.js docs/screenshots/touch-tablet-sideways.png 1024x768 touch

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

# The page's first visit in headless Chromium: bytes by kind, time to its first frame and click;
# then Lighthouse's scores and timings on its phone and desktop profiles, median of three.
bench-web: web
	node tests/web/browser/bench.js
	node tests/web/browser/lighthouse.js

# Every reader and a whole session under libFuzzer, FUZZ_SECONDS each, built with clang.
fuzz:
	scripts/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTALLYROPE_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD) $(DEB_BUILD) $(FUZZ_BUILD) $(WEB_BUILD) build-bench dist
