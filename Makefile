# Set-up on a fresh Debian machine: `make run` builds and runs banqi,
# `make test` builds and runs the whole suite. Each installs what it lacks.

BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_WIN  ?= build-windows
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

BUILD_PACKAGES := cmake make g++ pkg-config libncurses-dev libunistring-dev
# xterm, xvfb, xdotool: a real xterm for the widths it shows (tests/e2e/xterm_widths.sh).
TEST_PACKAGES  := $(BUILD_PACKAGES) libgtest-dev libvterm-dev tmux locales clang libclang-rt-14-dev \
                  xterm xvfb xdotool
# zh_TW is the Big5 locale, for a terminal that shows the bytes as they are.
TEST_LOCALES   := zh_TW
# The Windows build and Wine to run its tests; zh_TW.UTF-8 puts Wine's
# console on code page 950.
WINDOWS_PACKAGES := cmake make googletest g++-mingw-w64-x86-64 wine64 wine locales tmux
WINDOWS_LOCALES  := zh_TW.UTF-8

.PHONY: all run play build test test-sanitize bench clean deps-build deps-test test-windows deps-windows fuzz bench-keys \
  bench-movegen arena arena-goals
.PHONY: bench-probe

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

# What the ambiguous-width probe adds to a run of banqi on a terminal (tmux).
bench-probe: deps-test
	@bench/probe.sh

# The key reader's latency on a pseudo-terminal: Esc, an arrow, Space.
bench-keys: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target bench_keys
	@./$(BUILD)/bench_keys 200

# The won endgames: level LEVEL converts ENDGAMES positions (seed
# ENDGAME_SEED) against the solver's longest defence, with the endgame
# solver left out of its search and with it. Figures, not a test.
ENDGAMES     ?= 200
ENDGAME_SEED ?= 1
LEVEL        ?= 3
.PHONY: endgames
endgames: deps-test
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=ON >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target endgames)
	@./$(BUILD)/endgames $(ENDGAMES) $(ENDGAME_SEED) $(LEVEL)

# How long the endgame solver takes to build its tables.
.PHONY: bench-endgame
bench-endgame: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target bench_endgame)
	@./$(BUILD)/bench_endgame

# The key decoder and banqi-engine's command loop under libFuzzer with ASan
# and UBSan, for a bounded time shared between the two.
BUILD_FUZZ ?= build-fuzz
FUZZ_TIME  ?= 45
FUZZ_FLAGS := -std=c++17 -g -O1 -Wall -Wextra -pthread -fsanitize=fuzzer,address,undefined \
  -fno-sanitize-recover=all -Isrc
PROTOCOL_FUZZ_TIME := $(shell echo $$(( $(FUZZ_TIME) / 2 )))
KEYS_FUZZ_TIME     := $(shell echo $$(( $(FUZZ_TIME) - $(PROTOCOL_FUZZ_TIME) )))
# The loop with the engine, the rules and the piece set, but not the program.
PROTOCOL_FUZZ_SOURCES := $(filter-out src/protocol/main.cpp,$(wildcard src/protocol/*.cpp)) \
  $(wildcard src/engine/*.cpp) src/rules/rules.cpp src/game/pieces.cpp
fuzz: deps-test
	@mkdir -p $(BUILD_FUZZ)/corpus $(BUILD_FUZZ)/protocol_corpus
	clang++ $(FUZZ_FLAGS) fuzz/keydecode_fuzz.cpp src/platform/posix/conio/keydecode.cpp \
	  -o $(BUILD_FUZZ)/keydecode_fuzz
	clang++ $(FUZZ_FLAGS) fuzz/protocol_fuzz.cpp $(PROTOCOL_FUZZ_SOURCES) -o $(BUILD_FUZZ)/protocol_fuzz
	$(BUILD_FUZZ)/keydecode_fuzz -max_total_time=$(KEYS_FUZZ_TIME) -dict=fuzz/keys.dict \
	  $(BUILD_FUZZ)/corpus fuzz/seeds
	$(BUILD_FUZZ)/protocol_fuzz -max_total_time=$(PROTOCOL_FUZZ_TIME) -dict=fuzz/protocol.dict \
	  $(BUILD_FUZZ)/protocol_corpus fuzz/protocol_seeds

# The engine's move generator against legalMoves on a fixed corpus of
# positions, as moves listed per second.
bench-movegen: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target bench_movegen)
	@./$(BUILD)/bench_movegen

# A match: make arena A=level3 B=greedy GAMES=100. Players: level1 to
# level5, random, greedy. THREADS games at a time (the machine's cores).
A       ?= level1
B       ?= random
GAMES   ?= 200
SEED    ?= 1
THREADS ?= $(JOBS)
arena: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target banqi-arena)
	@./$(BUILD)/banqi-arena $(A) $(B) $(GAMES) $(SEED) $(THREADS)

# Every match that measures the engine, one after the other, then a table,
# then the won endgames' conversion. Hours at the levels' full budgets (see
# the README); GOALS_PERCENT=20 plays a fifth of each match's games.
GOALS_PERCENT ?= 100
arena-goals: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS) --target banqi-arena)
	@./$(BUILD)/banqi-arena goals $(SEED) $(THREADS) $(GOALS_PERCENT)
	@echo
	@$(MAKE) --no-print-directory endgames

# Installing and packaging. `make install` builds and installs the
# programs, their manual pages and docs under PREFIX (and DESTDIR when
# set); `make uninstall` removes what the last `make install` from
# $(BUILD) put there. The packages come from build folders of their own:
# the .deb built as Debian builds (its compiler flags, programs in
# /usr/games), the .zip cross-built for Windows.
PREFIX        ?= /usr/local
BUILD_PKG     ?= build-package
BUILD_WIN_PKG ?= build-windows-package
# dpkg-shlibdeps (dpkg-dev) and file work out the .deb's dependencies.
PACKAGE_PACKAGES         := $(BUILD_PACKAGES) dpkg-dev file
WINDOWS_PACKAGE_PACKAGES := cmake make g++-mingw-w64-x86-64
# The packaging tests: the manual pages' checkers and the .deb's tools;
# the .zip's listing in the Windows suite.
TEST_PACKAGES    += groff-base man-db mandoc lintian $(PACKAGE_PACKAGES)
WINDOWS_PACKAGES += unzip

.PHONY: install uninstall package package-windows deps-package deps-package-windows

install: deps-build
	@cmake -S . -B $(BUILD) -DBANQI_TESTS=OFF >/dev/null
	@$(call quietly,cmake --build $(BUILD) -j $(JOBS))
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@scripts/uninstall.sh $(BUILD)/install_manifest.txt

deps-package:
	@scripts/need-packages.sh $(PACKAGE_PACKAGES)

# Debian's compiler flags, with all its hardening (bind-now too).
deb_flags = $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1))

package: deps-package
	@cmake -S . -B $(BUILD_PKG) -DBANQI_TESTS=OFF -DCMAKE_BUILD_TYPE=None \
	  -DBANQI_INSTALL_BINDIR=games \
	  -DCMAKE_C_FLAGS="$(call deb_flags,CFLAGS) $(call deb_flags,CPPFLAGS)" \
	  -DCMAKE_CXX_FLAGS="$(call deb_flags,CXXFLAGS) $(call deb_flags,CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(call deb_flags,LDFLAGS)" >/dev/null
	@$(call quietly,cmake --build $(BUILD_PKG) -j $(JOBS))
	@rm -f $(BUILD_PKG)/banqi_*.deb
	@cd $(BUILD_PKG) && $(call quietly,cpack -G DEB)
	@ls $(BUILD_PKG)/banqi_*.deb

deps-package-windows:
	@scripts/need-packages.sh $(WINDOWS_PACKAGE_PACKAGES)

package-windows: deps-package-windows
	@cmake -S . -B $(BUILD_WIN_PKG) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DBANQI_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	@$(call quietly,cmake --build $(BUILD_WIN_PKG) -j $(JOBS))
	@rm -f $(BUILD_WIN_PKG)/banqi-*.zip
	@cd $(BUILD_WIN_PKG) && $(call quietly,cpack -G ZIP)
	@ls $(BUILD_WIN_PKG)/banqi-*.zip

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ) $(BUILD_WIN) $(BUILD_PKG) $(BUILD_WIN_PKG)
