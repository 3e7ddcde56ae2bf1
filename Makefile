# The two commands of the README. Each installs what is missing, then builds.
BUILD      ?= build
BUILD_SAN  ?= build-asan
BUILD_REL  ?= build-release
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all deps build run test test-plain test-sanitize test-release bench format clean

all: build

deps:
	@bash tools/setup-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quenvale

test: test-plain test-sanitize test-release

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQUENVALE_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS) -LE no-sanitize

# A packager's optimised build must compile warning-free too; its fast suites
# run, the end-to-end ones are left to the plain build.
test-release: deps
	cmake -S . -B $(BUILD_REL) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_REL) -j $(JOBS)
	ctest --test-dir $(BUILD_REL) --output-on-failure -j $(JOBS) -LE e2e

bench: deps
	cmake -S . -B $(BUILD)-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUENVALE_TESTS=OFF -DQUENVALE_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	BUILD=$(BUILD)-bench bash bench/run

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_REL) $(BUILD)-bench
