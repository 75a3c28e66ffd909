# The two commands of the README, and a few more for developers.
#   make run    build (release) and start the calculator
#   make test   build (debug) and run every test through ctest

JOBS ?= $(shell nproc)

.PHONY: run test build deps test-deps clean

run: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	./build/release/src/shell/vora

test: test-deps
	cmake --preset debug
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS)

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

deps:
	@tools/install-deps.sh

test-deps:
	@tools/install-deps.sh --test

clean:
	rm -rf build
