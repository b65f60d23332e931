# The two commands of the README: `make run` and `make test`.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/asan
PLAIN_TEST_DIR := build/debug
DATA_DIR := $(CURDIR)/$(RELEASE_DIR)/data

.PHONY: run test deps build test-build bench fuzz clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALINE_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

# The whole command line is the data folder, so it is passed as one argument.
run: build
	mkdir -p "$(DATA_DIR)"
	$(RELEASE_DIR)/tessaline "$(DATA_DIR)"

# The tests run twice: with AddressSanitizer and UBSan, and on a plain Debug build, where
# faults that the sanitizers' memory layout hides show. Warnings are errors in both.
test-build: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_SANITIZE=ON -DTESSALINE_WERROR=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cmake --build $(TEST_DIR) -j $(JOBS) --target headers test_headers
	cmake -S . -B $(PLAIN_TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_WERROR=ON
	cmake --build $(PLAIN_TEST_DIR) -j $(JOBS)

test: test-build
	bash scripts/check-format.sh
	bash scripts/check-includes.sh
	bash scripts/run-tests.sh $(TEST_DIR)
	bash scripts/run-tests.sh $(PLAIN_TEST_DIR)

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALINE_TESTS=OFF -DTESSALINE_BENCH=ON
	cmake --build build/bench -j $(JOBS)

# Every fuzzing harness for FUZZ_SECONDS each (three times that for the cube-file ones).
FUZZ_SECONDS ?= 60
fuzz: deps
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

clean:
	rm -rf build
