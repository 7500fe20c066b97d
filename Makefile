# Set-up on a fresh Debian machine: `make run` builds and runs banqi,
# `make test` builds and runs the whole suite. Each installs what it lacks.

BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_WIN  ?= build-windows
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES := cmake make g++ pkg-config libncurses-dev
# xterm, xvfb, xdotool: a real xterm for the widths it shows (tests/e2e/xterm_widths.sh).
TEST_PACKAGES  := $(BUILD_PACKAGES) libgtest-dev libvterm-dev tmux locales clang libclang-rt-14-dev \
                  xterm xvfb xdotool
# zh_TW is the Big5 locale, for a terminal that shows the bytes as they are.
TEST_LOCALES   := zh_TW
# The Windows build and Wine to run its tests; zh_TW.UTF-8 puts Wine's
# console on code page 950.
WINDOWS_PACKAGES := cmake make googletest g++-mingw-w64-x86-64 wine64 wine locales tmux
WINDOWS_LOCALES  := zh_TW.UTF-8

.PHONY: all run play build test test-sanitize bench clean deps-build deps-test test-windows deps-windows fuzz bench-keys

all: build

deps-build:
	@scripts/need-packages.sh $(BUILD_PACKAGES)

deps-test:
	@scripts/need-packages.sh $(TEST_PACKAGES)
	@scripts/need-locale.sh $(TEST_LOCALES)

# The build's own output only when it fails: `make run` shows the program.
quietly = log=$$($(1) 2>&1) || { printf '%s\n' "$$log"; exit 1; }

build: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target banqi)

run: build
	@./$(BUILD)/banqi

# banqi-play: a game for two players at one keyboard.
play: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target banqi-play)
	@./$(BUILD)/banqi-play

test: deps-test
	cmake -S . -B $(BUILD) -DBANQI_TESTS=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-windows

deps-windows:
	@scripts/need-packages.sh $(WINDOWS_PACKAGES)
	@scripts/need-locale.sh $(WINDOWS_LOCALES)

# The suite cross-built for Windows with MinGW-w64 and run under Wine.
test-windows: deps-windows
	cmake -S . -B $(BUILD_WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DBANQI_TESTS=ON >/dev/null
	cmake --build $(BUILD_WIN) -j $(JOBS)
	cd $(BUILD_WIN) && ctest --output-on-failure -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	cmake -S . -B $(BUILD_SAN) -DBANQI_TESTS=ON -DBANQI_SANITIZE=ON >/dev/null
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ctest --output-on-failure -j $(JOBS)

bench: deps-build
	@bench/startup.sh

# The key reader's latency on a pseudo-terminal: Esc, an arrow, Space.
bench-keys: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target bench_keys
	@./$(BUILD)/bench_keys 200

# The key decoder under libFuzzer with ASan and UBSan, for a bounded time.
BUILD_FUZZ ?= build-fuzz
FUZZ_TIME  ?= 45
fuzz: deps-test
	@mkdir -p $(BUILD_FUZZ)/corpus
	clang++ -std=c++17 -g -O1 -Wall -Wextra -fsanitize=fuzzer,address,undefined \
	  -fno-sanitize-recover=all -Isrc fuzz/keydecode_fuzz.cpp \
	  src/platform/posix/conio/keydecode.cpp -o $(BUILD_FUZZ)/keydecode_fuzz
	$(BUILD_FUZZ)/keydecode_fuzz -max_total_time=$(FUZZ_TIME) -dict=fuzz/keys.dict \
	  $(BUILD_FUZZ)/corpus fuzz/seeds

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ) $(BUILD_WIN)
