# The two everyday commands: `make run` and `make test`.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)

.PHONY: deps configure build run test bench clean

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

run: build
	mkdir -p run
	cd run && ../$(BUILD_DIR)/corvane-launcher

test: build
	scripts/check-format
	ctest --preset $(PRESET) --output-on-failure
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan --output-on-failure

bench:
	$(MAKE) build PRESET=release
	@for b in build/release/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf build
