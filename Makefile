# The README's commands. Each installs what it needs first.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@scripts/run-editor.sh $(BUILD_DIR)/bin/zozavud

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --timeout 600

bench: build
	@scripts/run-benchmarks.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
