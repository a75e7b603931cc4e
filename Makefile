# make run: build and start Vornak.  make test: build and run every test.
BUILD := build/release
ASAN  := build/asan
JOBS  := $(shell nproc)

.PHONY: deps build run test test-asan bench accuracy clean

deps:
	@bash tools/deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/vornak

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVORNAK_SANITIZE=ON -DVORNAK_BENCH=OFF
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/vornak_bench

# Accuracy and speed against the Swiss Ephemeris library, which only this
# report needs: installed here when missing, not by deps.
accuracy: deps
	@dpkg-query -W -f='$${Status}' libswe-dev 2>/dev/null | grep -q 'install ok installed' || \
	  { s=; [ "$$(id -u)" = 0 ] || s=sudo; $$s apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $$s apt-get install -y -qq --no-install-recommends libswe-dev; }
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target vornak_accuracy
	./$(BUILD)/bench/vornak_accuracy $(CHARTS)

clean:
	rm -rf build
