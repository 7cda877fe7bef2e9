# The two front-door commands: `make run` and `make test`.
JOBS := $(shell nproc)
BUILD := build

.PHONY: deps test run native clean

deps:
	scripts/install-deps.sh native

native: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD) -j $(JOBS)

test: native
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run:
	@echo "The Windows program is not built yet: only the core and its tests exist (make test)." >&2
	@exit 1

clean:
	rm -rf $(BUILD)
