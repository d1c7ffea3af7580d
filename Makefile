# Everyday entry points over CMake; the build folder is build/.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: build run test configure clean

configure:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/potoran/potoran ]; then $(BUILD)/potoran/potoran; \
	else echo "The window comes with a later step; the drill engine is built and tested."; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
