# make run: build and start Vornak.  make test: build and run every test.
BUILD := build/release
ASAN  := build/asan
JOBS  := $(shell nproc)

.PHONY: deps build run test test-asan bench clean

deps:
	@bash tools/deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/gui/vornak

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVORNAK_SANITIZE=ON -DVORNAK_BENCH=OFF
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/vornak_bench

clean:
	rm -rf build
