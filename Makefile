# make run: build and start Vornak.  make test: build and run every test.
BUILD  := build/release
ASAN   := build/asan
FUZZ   := build/fuzz
FUZZ_SECONDS ?= 60
JOBS   := $(shell nproc)
PREFIX ?= /usr/local

.PHONY: deps build run test test-asan bench accuracy linecost samestate fuzz install deb clean

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

# The fuzz targets, built with clang under ASan and UBSan, FUZZ_SECONDS each.
fuzz: deps
	@bash tools/deps.sh clang libclang-rt-14-dev nlohmann-json3-dev
	cmake -S . -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVORNAK_FUZZ=ON -DVORNAK_GUI=OFF -DVORNAK_BENCH=OFF
	cmake --build $(FUZZ) -j $(JOBS) --target fuzz_all
	sh tests/fuzz/run.sh $(FUZZ) $(FUZZ_SECONDS)

# make install [PREFIX=/usr/local] [DESTDIR=...]
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package: build/release/vornak_<version>-1_<arch>.deb.
deb: build
	@bash tools/deps.sh dpkg-dev file
	cd $(BUILD) && cpack -G DEB

bench: build
	@echo "make bench: figures for docs/performance.md"
	./$(BUILD)/bench/vornak_bench

# Accuracy and speed against the Swiss Ephemeris library, which only this
# report needs: installed here when missing, not by deps.
accuracy: deps
	@bash tools/deps.sh libswe-dev
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target vornak_accuracy vornak_speed_baseline
	@echo "make accuracy: figures for docs/accuracy.md, and its speed comparison for docs/performance.md"
	./$(BUILD)/bench/vornak_accuracy $(CHARTS)
	./$(BUILD)/bench/vornak_speed_baseline $(CHARTS)

# Instructions of a vornak-chart line, text and JSON, against those of its
# chart and dasha list alone, counted with callgrind.
linecost: build
	@bash tools/deps.sh valgrind
	@echo "make linecost: figures for docs/performance.md"
	sh bench/linecost.sh $(BUILD)

# vornak-chart --json on 1,000,000 random chart lines (LINES=N for another
# count) against the stored checksum of that output, or with REF=revision
# against the program built from that git revision.
samestate: build
	sh bench/samestate.sh $(BUILD) "$(REF)" $(LINES)

clean:
	rm -rf build
