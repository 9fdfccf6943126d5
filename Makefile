# The two commands of the README. Both install what is missing, configure and build.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DPELLADRIN_WERROR=ON

.PHONY: run test deps build build-asan

deps:
	tools/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DPELLADRIN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/pelladrin

# Every test, once in the release build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, so memory faults fail the run.
test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)
