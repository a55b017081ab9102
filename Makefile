# Front door of the build. Every target installs what it needs first.
#   make        build the native and the Windows programs
#   make test   run every test (native, and the Windows build under Wine)
#   make run    open the calculator under Wine
#   make bench  run the benchmarks and write BENCHMARKS.md
#   make fuzz   run the fuzzer: make fuzz SECONDS=1200

BUILD   := build
NATIVE  := $(BUILD)/native
ASAN    := $(BUILD)/asan
WINDOWS := $(BUILD)/windows
JOBS    ?= $(shell nproc)
SECONDS ?= 60
export WINEPREFIX ?= $(abspath $(WINDOWS))/wineprefix

.PHONY: all deps native windows test test-native test-windows run bench fuzz clean

all: native windows

deps:
	@scripts/install-deps.sh base

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

windows: deps
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)

test: test-native test-windows

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAVOX_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

# The window tests need an X display; one virtual display serves the run.
# The window tests save screenshots for people to look at, as build/*.png.
test-windows: windows
	scripts/with-display ctest --test-dir $(WINDOWS) --output-on-failure -j $(JOBS)
	@for f in $(WINDOWS)/*-window.bmp $(WINDOWS)/*-dialog.bmp; do \
	  [ -f "$$f" ] && convert "$$f" "$(BUILD)/$$(basename "$${f%.bmp}").png"; done; true

run: windows
	scripts/run-calculator.sh $(WINDOWS)

bench:
	@scripts/install-deps.sh bench
	@cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DMIRAVOX_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS)
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DMIRAVOX_BENCH=ON >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)
	bench/run.sh $(BUILD)/bench $(WINDOWS)

# Runs until SECONDS have passed; what it finds stays in build/fuzz/crashes.
fuzz:
	@scripts/install-deps.sh fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAVOX_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)/fuzz -j $(JOBS)
	@mkdir -p $(BUILD)/fuzz/corpus $(BUILD)/fuzz/crashes
	$(BUILD)/fuzz/tests/fuzz/fuzz_engine -max_total_time=$(SECONDS) -max_len=4096 \
	  -artifact_prefix=$(BUILD)/fuzz/crashes/ -print_final_stats=1 \
	  $(BUILD)/fuzz/corpus tests/fuzz/seeds

clean:
	rm -rf $(BUILD)
