# The two everyday commands: `make run` and `make test`.
PRESET ?= dev
BUILD_DIR := build/$(PRESET)
# How long `make fuzz` runs each fuzz target.
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test crash-test bench fuzz fuzz-build fuzz-seeds clean

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
	$(MAKE) fuzz-build
	ctest --preset fuzz --output-on-failure

# Many more kills per operation than make test runs; takes a while.
crash-test: build
	$(BUILD_DIR)/crash_harness --trials 1000

bench:
	$(MAKE) build PRESET=release
	@for b in build/release/bench_*; do echo "== $$b"; $$b; done

# The fuzz targets under Clang's libFuzzer and the sanitizers; `make test` runs each over its seeds
# and saved crashes once, `make fuzz` lets each search for FUZZ_SECONDS.
fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

fuzz: fuzz-build
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_RUNS=$(FUZZ_RUNS) FUZZ_ONLY="$(FUZZ_ONLY)" scripts/run-fuzz

# Writes fuzz/corpus again from the demo and the engines' writers.
fuzz-seeds: build
	$(BUILD_DIR)/fuzz-seeds $(BUILD_DIR)/demo-programs fuzz/corpus

clean:
	rm -rf build
