# Thin front for the CMake build. Every target installs what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: install-check all deps configure build session run test bench screenshots cross-test debian-test fuzz sanitize package install clean windows windows-test windows-same

all: build

# What to install (scripts/install-deps): building and running the program
# needs the least; the tests, benchmarks and screenshots need more. A build
# folder made by make build or make run holds the program alone, until
# make test adds the tests and benchmarks to it.
DEPS ?= run
CONFIGURE_ARGS ?=
test bench screenshots: DEPS = test
test bench screenshots: CONFIGURE_ARGS = -DBUILD_TESTING=ON -DQORVI_BENCH=ON

deps:
	@scripts/install-deps $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DBUILD_TESTING=OFF -DQORVI_BENCH=OFF) $(CONFIGURE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The calculator is a desktop program: say so at once when there is no
# display to show it on, rather than building first and letting Qt abort.
session:
	$(if $(or $(DISPLAY),$(WAYLAND_DISPLAY),$(QT_QPA_PLATFORM)),,$(error make run needs a desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set))

run: session build
	$(BUILD_DIR)/app/qorvi-calculator

# The input methods the desktop tests type through are unpacked into the
# build folder, never installed (scripts/test-parts).
test: build
	@scripts/test-parts $(BUILD_DIR)/test-parts
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --progress -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/qorvi-bench --benchmark_counters_tabular=true

# PALETTE=dark draws them in a dark palette, into screenshots-dark/.
PALETTE ?=
screenshots: build
	scripts/screenshots $(BUILD_DIR)/screenshots$(if $(PALETTE),-$(PALETTE)) $(BUILD_DIR)/app/qorvi-screenshots $(PALETTE)

# The Debian package (dpkg-buildpackage), checked with lintian --pedantic
# and appstreamcli; the .deb is left in $(BUILD_DIR).
package:
	BUILD_DIR=$(BUILD_DIR) scripts/package

# The logic built for i686 and arm64 (cross compilers, qemu-user) and run
# on amd64 with and without FMA: every build must give the same answers.
cross-test:
	scripts/cross-test

# make test (or the TARGETS given) on another Debian release, in a minimal
# system made with debootstrap under $(BUILD_DIR)/debian-SUITE, kept for
# later runs: make debian-test SUITE=testing TARGETS="test package"
SUITE ?= trixie
TARGETS ?= test
debian-test:
	BUILD_DIR=$(BUILD_DIR) scripts/debian-test $(SUITE) $(TARGETS)

# The program for 64-bit Windows (MinGW-w64; Qt 6.8, GMP and MPFR built
# once per machine from Debian 13's sources, in a Debian 13 system of its
# own): a portable zip and an installer in $(BUILD_DIR)/windows.
windows:
	BUILD_DIR=$(BUILD_DIR) scripts/windows

# Its tests under Wine, then the installer and the zip as a user meets them.
windows-test: windows
	BUILD_DIR=$(BUILD_DIR) scripts/windows-test

# The same zip and installer, byte for byte, from a second clone elsewhere.
windows-same: windows
	BUILD_DIR=$(BUILD_DIR) scripts/windows-same

# In a system of its own only (make debian-test TARGETS=install-check): make
# build installs no test part, make test leaves the desktop's input method
# and what starts at login as they were.
install-check:
	scripts/install-check

fuzz:
	scripts/fuzz

sanitize:
	scripts/sanitize

# --one-file-system: never into what a killed debian-test left mounted.
clean:
	rm -rf --one-file-system $(BUILD_DIR) build-fuzz build-sanitize build-cross
