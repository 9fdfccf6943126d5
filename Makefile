# The two commands of the README. Both install what is missing, configure and build.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DPELLADRIN_WERROR=ON

.PHONY: run test check check-asan deps build build-asan build-tsan test-tsan

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
# UndefinedBehaviorSanitizer, so memory faults fail the run. Both builds come first,
# then both test runs (tools/ci-timing times each of the four steps).
test: build build-asan check check-asan

check: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

check-asan: build-asan
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The base, drawing, window-system and engine tests under ThreadSanitizer (not part of "test").
# FFmpeg's libraries are not instrumented: tests/tsan.supp silences what happens
# inside them, and nothing else.
build-tsan: deps
	cmake -S . -B $(TSAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELLADRIN_TSAN=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target platform_base_tests platform_gdi_tests platform_win_tests engine_tests

test-tsan: build-tsan
	cd $(TSAN_BUILD) && TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1" \
	  ctest --output-on-failure -j $(JOBS) -L 'platform_base_tests|platform_gdi_tests|platform_win_tests|engine_tests'
