# Sevir: one entry point for building, testing and running.
#
#   make test        install what is missing, build everything, run every test
#   make run         build, make the sample library, start sevir.exe under Wine
#   make screenshot  the start-up screenshot under Xvfb, on demand
#   make sample      the sample library only
#   make bench       build and run the benchmarks

BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_QUIET = -Wno-dev --log-level=WARNING
MAKEFLAGS += --no-print-directory

.PHONY: all deps native asan win fuzz test run screenshot sample bench clean

all: native win

deps:
	@tools/setup-deps

native: deps
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_QUIET) >/dev/null
	@cmake --build $(BUILD)/native -j$(JOBS)

asan: deps
	@cmake -S . -B $(BUILD)/asan -DCMAKE_BUILD_TYPE=Debug -DSEVIR_SANITIZE=ON -DSEVIR_BENCH=OFF $(CMAKE_QUIET) >/dev/null
	@cmake --build $(BUILD)/asan -j$(JOBS) --target sevir-tests

win: deps
	@cmake -S . -B $(BUILD)/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release -DSEVIR_FONT_BUILD_DIR=$(abspath $(BUILD))/fonts $(CMAKE_QUIET) >/dev/null
	@cmake --build $(BUILD)/win -j$(JOBS)

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSEVIR_FUZZ=ON -DSEVIR_BENCH=OFF $(CMAKE_QUIET) >/dev/null
	@cmake --build $(BUILD)/fuzz -j$(JOBS) --target fuzz-all

test: native asan win fuzz
	@tools/run-tests $(BUILD)

sample: deps
	@tools/sample/build-sample $(BUILD)/sample

run: win sample
	@tools/wine-run run $(BUILD)/sample $(BUILD)/win/sevir.exe

screenshot: win sample
	@tools/wine-run screenshot $(BUILD)/sample $(BUILD)/win/sevir.exe $(BUILD)/screenshots/sevir.png

bench: native
	@for b in $(BUILD)/native/bench_*; do [ -x "$$b" ] && "$$b"; done; true

clean:
	rm -rf $(BUILD)/native $(BUILD)/asan $(BUILD)/win $(BUILD)/fuzz
