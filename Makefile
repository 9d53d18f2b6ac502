# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench package sanitize soak soak-sanitize fuzz screenshot clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/corvane

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: build
	@scripts/install-deps --bench
	bench/run $(BUILD_DIR)

sanitize:
	@$(MAKE) test BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DCORVANE_SANITIZE=ON

# SOAK_COUNT validations in one process, through the worker and in the process
# itself, with resident memory at checkpoints (docs/soak.md has the figures).
# soak-sanitize runs them under AddressSanitizer, whose LeakSanitizer checks
# each run at its end.
SOAK_COUNT ?= 10000
soak: build
	$(BUILD_DIR)/bin/corvane-soak --growth-limit-mib 16 $(SOAK_COUNT)
	$(BUILD_DIR)/bin/corvane-soak --in-process --growth-limit-mib 16 $(SOAK_COUNT)

soak-sanitize:
	@$(MAKE) soak BUILD_DIR=build-asan BUILD_TYPE=Debug CMAKE_FLAGS=-DCORVANE_SANITIZE=ON

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS on a
# scratch copy of its seed corpus; a failing input lands in
# build-fuzz/<name>-crash-* (or -leak-, -timeout-). A finding does not stop
# the other targets from running; make fails at the end. A target's own
# libFuzzer flags (a dictionary, a longer input) are in tests/fuzz/<name>.options.
FUZZ_SECONDS ?= 600
FUZZERS = folder_path string_format filter_and_command_line drive_path registry xml_component grammar_entry
fuzz:
	@scripts/install-deps --fuzz
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON \
		-DCORVANE_BUILD_GUI=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(addsuffix _fuzzer,$(FUZZERS))
	@failed=; for name in $(FUZZERS); do \
		mkdir -p build-fuzz/corpus/$$name; \
		cp -n tests/fuzz/corpus/$$name/* build-fuzz/corpus/$$name/ || exit 1; \
		echo "== $${name}_fuzzer for $(FUZZ_SECONDS) s"; \
		build-fuzz/bin/$${name}_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=600 \
			-artifact_prefix=build-fuzz/$$name- $$(cat tests/fuzz/$$name.options 2>/dev/null) \
			build-fuzz/corpus/$$name || failed="$$failed $$name"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz findings in:$$failed (inputs in build-fuzz/)"; exit 1; fi

package: build
	cd $(BUILD_DIR) && cpack -G DEB

screenshot: build
	@scripts/install-deps --screenshot
	scripts/screenshot $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
