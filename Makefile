# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR := build
ASAN_DIR := build-asan
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-fast clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD_DIR)

# The game keeps vudeve.ini in the folder it is started from: here.
run: build
	./$(BUILD_DIR)/bin/vudeve

# Every test, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DVUDEVE_APP=OFF -DVUDEVE_BENCH=OFF -DVUDEVE_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_DIR)
	ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --test-dir $(ASAN_DIR) --output-on-failure -j2

# The first half of `make test` alone, for quick rounds while developing.
test-fast: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
