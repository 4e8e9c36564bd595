# Two entry points for a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test
#               (a normal build, a bounded fuzzing run of the WAV reader,
#               then the same tests under ASan + UBSan)
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

PACKAGE_BUILD ?= build-package

.PHONY: all deps build run test test-release test-asan fuzz bench package clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/dravik-sudoku

test: test-release fuzz test-asan

test-release: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRAVIK_SANITIZE=ON \
	    -DDRAVIK_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# WAV files are untrusted input: libFuzzer (clang) feeds the reader and the
# mixer arbitrary bytes for FUZZ_SECONDS, starting from the seed files and the
# corpus kept in $(FUZZ_BUILD). Any crash, leak, sanitizer report, allocation
# over 256 MB or input slower than 10 s fails the run.
fuzz: deps
	mkdir -p $(FUZZ_BUILD)/corpus
	clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	    -Wall -Wextra -Isound/src -Isound/include \
	    sound/src/riff_reader.cpp sound/src/mixer.cpp sound/fuzz/wav_reader_fuzz.cpp \
	    -o $(FUZZ_BUILD)/wav_reader_fuzz
	$(FUZZ_BUILD)/wav_reader_fuzz -max_total_time=$(FUZZ_SECONDS) -malloc_limit_mb=256 \
	    -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ \
	    $(FUZZ_BUILD)/corpus sound/fuzz/seeds >$(FUZZ_BUILD)/fuzz.log 2>&1; status=$$?; \
	    grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' \
	        $(FUZZ_BUILD)/fuzz.log; \
	    if [ $$status -ne 0 ]; then tail -n 60 $(FUZZ_BUILD)/fuzz.log; fi; exit $$status

bench: build
	bash scripts/bench.sh $(BUILD)

# A Debian package (dravik-sudoku_VERSION_ARCH.deb in $(PACKAGE_BUILD)), built
# without the tests; install it with apt install ./$(PACKAGE_BUILD)/dravik-sudoku_*.deb
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DDRAVIK_BUILD_TESTS=OFF -DDRAVIK_BUILD_BENCH=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
