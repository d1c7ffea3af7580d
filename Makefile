# Everyday entry points over CMake; the build folder is build/.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: build run test configure clean

configure:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/potoran/potoran

test: configure
	cmake -S . -B $(BUILD) -DBUILD_TESTING=ON -DPOTORAN_REQUIRE_TESTS=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# Further targets (check-extra, bench, package), one file each.
-include mk/*.mk
