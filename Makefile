# SPDX-License-Identifier: GPL-3.0-or-later
# Yomiwa: `make run` builds and starts the program, `make test` builds and runs the tests,
# `make package` builds the Debian package build/yomiwa_VERSION_ARCH.deb.
# Both install the Debian packages they need first (scripts/install-deps).
# `make test-asan` runs the tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# `make check-format` and `make check-tidy` check the C++ files against .clang-format and
# .clang-tidy.

SHELL := /bin/bash

BUILD      ?= build
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# An input that takes longer than this many seconds is a fault (a reader gone slow).
FUZZ_TIMEOUT ?= 10
FUZZ_TARGETS := fuzz_read_kushu fuzz_read_kanso fuzz_decode_code_list fuzz_strip_layout \
                fuzz_tool_json fuzz_search_and_count
# CI lets no compiler warning through, also in a build folder configured before.
CI_FLAGS := $(if $(filter true,$(CI)),-DYOMIWA_WERROR=ON)

# The sanitizers' settings, for the build (test discovery runs the tests) and the tests alike.
# Leaks are checked; only those inside Qt's and the system's libraries are suppressed.
SANITIZER_ENV := ASAN_OPTIONS=detect_stack_use_after_return=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0

.PHONY: all deps build run test test-asan check-format check-tidy package bench fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CI_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The tests in their own build folder (and program folder), in a Debug build: Qt's and our
# own assertions count too.
test-asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DYOMIWA_SANITIZE=ON -DYOMIWA_BENCH=OFF \
	  -DYOMIWA_DIST_DIR=$(CURDIR)/build-asan/dist $(CI_FLAGS) >/dev/null
	@$(SANITIZER_ENV) cmake --build build-asan -j$(JOBS)
	$(SANITIZER_ENV) ctest --test-dir build-asan --output-on-failure -j$(JOBS)

check-format: deps
	@scripts/check-format

# Needs build/compile_commands.json: after `make build`.
check-tidy: build
	@scripts/check-tidy

package: build
	@cmake --build $(BUILD) --target package

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Yomiwa is a desktop program and needs a display, but none is set (DISPLAY is empty)."; \
	  echo "On a machine without a screen, start it on a virtual one:  xvfb-run -a make run"; \
	  exit 1; \
	fi
	cd dist && ./yomiwa

bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DYOMIWA_TESTS=OFF >/dev/null
	@cmake --build build-release -j$(JOBS)
	@for b in build-release/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_min_time=0.5 || exit 1; \
	done

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DYOMIWA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(CI_FLAGS) >/dev/null
	@cmake --build build-fuzz -j$(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p fuzz-corpus/$$t; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  if ! build-fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) \
	      -print_final_stats=1 \
	      fuzz-corpus/$$t fuzz/seeds > build-fuzz/$$t.log 2>&1; then \
	    tail -n 60 build-fuzz/$$t.log; exit 1; \
	  fi; \
	  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' build-fuzz/$$t.log; \
	done

clean:
	rm -rf $(BUILD) build-release build-fuzz build-asan
