# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR := build
INSTALL_DIR ?= build-install
ASAN_DIR := build-asan
FUZZ_DIR := build-fuzz
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Any report of a sanitizer fails the run: leaks included, nothing recovers.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := record_file settings position_text usi kif ki2 csa

.PHONY: all deps build run install test test-fast fuzz monkey clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) > /dev/null
	@cmake --build $(BUILD_DIR)

# The game keeps vudeve.ini in the folder it is started from: here.
run: build
	./$(BUILD_DIR)/bin/vudeve

# The game, its sound library, pictures, sounds, desktop entry and icon
# under PREFIX (README.md, "Installing"): only what is installed, built
# optimised in a folder of its own and installed stripped.
PREFIX ?= /usr/local
install: deps
	@cmake -S . -B $(INSTALL_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVUDEVE_BENCH=OFF > /dev/null
	@cmake --build $(INSTALL_DIR) --target vudeve vudeve-cli vudeve_sound
	cmake --install $(INSTALL_DIR) --prefix $(PREFIX) --strip

# Every test, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DVUDEVE_APP=OFF -DVUDEVE_BENCH=OFF -DVUDEVE_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_DIR)
	$(SANITIZER_ENV) ctest --test-dir $(ASAN_DIR) --output-on-failure -j2

# The first half of `make test` alone, for quick rounds while developing.
test-fast: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# Each fuzz target for FUZZ_SECONDS over a copy of its seed corpus (what it
# finds stays in $(FUZZ_DIR)/corpus/<target>; crashes in $(FUZZ_DIR)/).
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(CMAKE_FLAGS) -DVUDEVE_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_DIR)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t && cp -n fuzz/corpus/$$t/* $(FUZZ_DIR)/corpus/$$t/ ; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  $(SANITIZER_ENV) $(FUZZ_DIR)/bin/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=20 -rss_limit_mb=4096 \
	    -artifact_prefix=$(FUZZ_DIR)/$$t- $(FUZZ_DIR)/corpus/$$t || exit 1; \
	done

# The long monkey: 100,000 events on each of five seeds, under the sanitizers.
monkey: deps
	@cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DVUDEVE_APP=OFF -DVUDEVE_BENCH=OFF -DVUDEVE_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_DIR) --target vudeve_tests
	$(SANITIZER_ENV) VUDEVE_MONKEY_EVENTS=100000 VUDEVE_MONKEY_SEEDS=1,2,3,4,5 \
	  $(ASAN_DIR)/bin/vudeve_tests --gtest_filter='Monkey.*'

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(INSTALL_DIR)
