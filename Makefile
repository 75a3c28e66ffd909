# SPDX-License-Identifier: MIT
# The two commands of the README, and a few more for developers.
#   make run      build (release) and start the calculator
#   make test     build (debug) and run every test through ctest
#   make package  build (release) and pack the .deb

JOBS ?= $(shell nproc)

.PHONY: run test test-asan build package deps package-deps test-deps clean

run: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	./build/release/src/shell/vora

test: test-deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: test-deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

package: package-deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack -G DEB

deps:
	@tools/install-deps.sh

package-deps:
	@tools/install-deps.sh --package

test-deps:
	@tools/install-deps.sh --test

clean:
	rm -rf build

# Fuzzing the number conversions with libFuzzer (clang), each target for
# FUZZ_SECONDS seconds, starting from the seed corpus in fuzz/corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := fuzz_parse_strict:strict fuzz_parse_leading:leading fuzz_format_number:format

.PHONY: fuzz
fuzz: test-deps
	cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build/fuzz -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  name=$${t%%:*}; seeds=$${t##*:}; mkdir -p build/fuzz/corpus/$$seeds; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  build/fuzz/$$name -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build/fuzz/corpus/$$seeds fuzz/corpus/$$seeds 2>&1 | \
	    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|.*ERROR)' || exit 1; \
	done

# The README's screenshots, taken in a real (virtual) X server.
.PHONY: screenshots
screenshots: test-deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vora_screenshots
	xvfb-run -a -s "-screen 0 1600x1200x24" ./build/release/tools/screenshots/vora_screenshots docs/screenshots
	xvfb-run -a -s "-screen 0 1366x768x24" ./build/release/tools/screenshots/vora_screenshots docs/screenshots --screen laptop_1366x768
	QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1366x768x24" ./build/release/tools/screenshots/vora_screenshots docs/screenshots --screen laptop_scale_2
	xvfb-run -a -s "-screen 0 1366x768x24" ./build/release/tools/screenshots/vora_screenshots docs/screenshots --screen dark_palette --dark

# Measured speed (Google Benchmark): every page event, page creation, and
# start-up against a bare Qt window, then a summary table against the goals.
# Runs on a virtual X server when xvfb-run is installed, else offscreen.
# (vora_bench depends on its probe programs, which are built with it.)
.PHONY: bench
bench: test-deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vora_bench
	@if command -v xvfb-run >/dev/null 2>&1; then \
	  xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" ./build/release/bench/vora_bench; \
	else \
	  echo "xvfb-run not found: measuring on the offscreen platform"; \
	  QT_QPA_PLATFORM=offscreen ./build/release/bench/vora_bench; \
	fi

# Start-up counted in instructions (callgrind), which, unlike the wall clock
# of `make bench`, does not drift with the load of the machine: the program
# against a bare main window with a menu bar and a label, and the same window
# showing the Preface box; offscreen, until the main window and the box are up.
.PHONY: bench-startup
bench-startup: test-deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vora_startup_probes
	bench/startup_instructions.sh build/release/bench
