# SPDX-License-Identifier: GPL-3.0-or-later
# Yomiwa: `make run` builds and starts the program, `make test` builds and runs the tests,
# `make package` builds the Debian package build/yomiwa_VERSION_ARCH.deb.
# Both install the Debian packages they need first (scripts/install-deps).

SHELL := /bin/bash

BUILD      ?= build
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_read_kushu fuzz_read_kanso fuzz_decode_code_list

.PHONY: all deps build run test package bench fuzz clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

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
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DYOMIWA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build-fuzz -j$(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p fuzz-corpus/$$t; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  if ! build-fuzz/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	      fuzz-corpus/$$t fuzz/seeds > build-fuzz/$$t.log 2>&1; then \
	    tail -n 60 build-fuzz/$$t.log; exit 1; \
	  fi; \
	  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' build-fuzz/$$t.log; \
	done

clean:
	rm -rf $(BUILD) build-release build-fuzz
