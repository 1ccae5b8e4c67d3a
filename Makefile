# Front door: every target installs what is missing, configures and builds.
# `make run` builds the program alone; `make test` builds and runs everything.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
# Rounds of the build-time row of make bench (each builds the program once).
BUILD_ROUNDS ?= 3

.PHONY: all deps dev-deps configure program build run test bench install package windows test-windows print-check print-check-windows clean

all: build

# What building and running the program needs.
deps:
	@bash scripts/install-deps

# That, and the tools for the tests, screenshots, packaging checks and sanitizers.
dev-deps:
	@bash scripts/install-deps --dev

# Release: debug information would double the first build for someone who
# only runs the program; the sanitizer pass in CI keeps a build with it.
# A new build folder uses Ninja, which keeps both cores busy where make's
# per-target recursion idles one, and clang++, which builds this tree in
# about 60 % of GCC's CPU time (docs/benchmarks.md). A CXX of your own wins;
# a build folder made earlier keeps the generator and compiler it was made
# with.
NEW_CXX = $(if $(filter default,$(origin CXX)),clang++,$(CXX))
new_folder = $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja -DCMAKE_CXX_COMPILER=$(NEW_CXX))
configure: deps
	@cmake -S . -B $(BUILD) $(call new_folder,$(BUILD)) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

# The program and the hand cursor the build puts beside it.
program:
	@if [ ! -x $(BUILD)/velmora ]; then \
		echo "First run: installing what is missing, then building Velmora (about 15 seconds on 2 idle cores)..."; \
	fi
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS) --target velmora

# Everything: the program, the picture generator and the tests.
build: dev-deps
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS)

run: program
	./$(BUILD)/velmora

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench $(call new_folder,build-bench) -DCMAKE_BUILD_TYPE=Release -DVELMORA_SANITIZE=OFF >/dev/null
	@MAKEFLAGS= cmake --build build-bench -j $(JOBS) --target velmora_bench >build-bench/bench-build.log 2>&1 \
		|| { cat build-bench/bench-build.log; exit 1; }
	@echo "Timing a newcomer's build against a one-file Qt program ($(BUILD_ROUNDS) rounds)..."
	@times=$$(bash bench/build-time.sh $(BUILD_ROUNDS)) && VELMORA_BUILD_TIMES="$$times" ./build-bench/bench/velmora_bench

install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

# The .deb of the program alone: no test program is built for it.
package:
	@bash scripts/install-deps --package
	@$(MAKE) --no-print-directory program
	@cd $(BUILD) && cpack -G DEB

# 64-bit Windows, cross-built here: the zip and the installer in build-windows/,
# and the whole suite under Wine. The first run builds Qt for Windows once
# (about 20 minutes on 2 cores, more on a busy machine) into ~/.cache/velmora.
windows:
	@bash scripts/windows package

test-windows:
	@bash scripts/windows test

# Twelve drawn cards printed from the window (context menu, preview, Qt's print
# dialog) under Xvfb to a CUPS queue of its own that writes PDF, and the
# printout checked: pages, paper, rows of cards. Needs root; results in
# $(BUILD)/print-check.
print-check: program
	@BUILD=$(BUILD) bash scripts/print-check $(BUILD)/velmora

# The same through velmora.exe from the Windows zip under Wine, whose own print
# dialog lists the queue; results in build-windows/print-check.
print-check-windows:
	@bash scripts/print-check --windows

clean:
	rm -rf $(BUILD) build-bench build-windows
