# The two everyday commands: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps configure build run test asan-test bench fuzz format format-check clean package

WERROR := $(if $(CI),ON,OFF)
CLI := build/default/src/app/torval-cli
TORVAL := build/default/src/app/torval
SAMPLE := data/SampleDat/drinking-water-monte-carlo.tvl

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default -DTORVAL_WERROR=$(WERROR) > /dev/null

build: configure
	@cmake --build --preset default

# The desktop program on the Monte Carlo sample; without a display, the command-line
# demonstration instead.
run: build
	@if [ -n "$${DISPLAY}$${WAYLAND_DISPLAY}" ]; then \
	  $(TORVAL) $(SAMPLE); \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the command-line demonstration instead."; \
	  scripts/run-example $(CLI); \
	fi

test: build
	@ctest --preset default

asan-test: deps
	@cmake --preset asan -DTORVAL_WERROR=$(WERROR) > /dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# The Debian package of the installed tree (docs/packaging.md), in build/default.
package: build
	@cd build/default && cpack --config CPackConfig.cmake
	@ls build/default/*.deb

bench: build
	@build/default/bench/torval-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf build

# Runs every fuzz target for FUZZ_SECONDS each (default 60) on a corpus under build/fuzz.
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake --preset fuzz > /dev/null
	@cmake --build --preset fuzz
	@for target in build/fuzz/fuzz/*Fuzz; do \
	  corpus=build/fuzz/corpus/$$(basename $$target); mkdir -p $$corpus; \
	  echo "== $$target"; $$target -max_total_time=$(FUZZ_SECONDS) $$corpus fuzz/seeds/$$(basename $$target) 2>&1 | tail -3; \
	done
