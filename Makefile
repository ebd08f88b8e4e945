# The two everyday commands: `make run` and `make test`.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)

.PHONY: deps configure build run test crash-test bench clean

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

# The first run starts on a copy of the demo collection the build generates; a run/ that is there
# already is the user's and stays as it is. The copy is published whole, so an interrupted copy is
# not taken for the user's folder next time.
run: build
	test -e run || test -L run || { rm -rf run.partial && cp -R $(BUILD_DIR)/demo run.partial && mv run.partial run; }
	cd run && ../$(BUILD_DIR)/corvane-launcher

test: build
	scripts/check-format
	ctest --preset $(PRESET) --output-on-failure
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan --output-on-failure

# Many more kills per operation than make test runs; takes a while.
crash-test: build
	$(BUILD_DIR)/crash_harness --trials 1000

bench:
	$(MAKE) build PRESET=release
	@for b in build/release/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf build
