# Thin front for the CMake build. Every target installs what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench screenshots fuzz sanitize clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/qorvi-calculator

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --progress -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_counters_tabular=true || exit 1; done

screenshots: build
	scripts/screenshots $(BUILD_DIR)/screenshots $(BUILD_DIR)/app/qorvi-screenshots

fuzz:
	scripts/fuzz

sanitize:
	scripts/sanitize

clean:
	rm -rf $(BUILD_DIR) build-fuzz build-sanitize
