# Two commands do everything on a fresh machine: `make run` and `make test`.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
# How long each fuzz target runs, in seconds.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_nca_parser fuzz_selig_lednicer_converter fuzz_text_rules fuzz_command_line
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Extra arguments for the benchmark program, e.g. BENCH_ARGS=--benchmark_repetitions=5
BENCH_ARGS ?=

.PHONY: all deps configure build run test test-sanitize bench fuzz clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVANTREL_BENCH=ON -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target vantrel_bench
	OPENBLAS_NUM_THREADS=1 $(BENCH_BUILD)/bench/vantrel_bench $(BENCH_ARGS)

# Each target starts from its seed corpus in fuzz/corpus/<target> and keeps what it finds in
# $(FUZZ_BUILD)/corpus/<target>; a crash leaves its input in $(FUZZ_BUILD)/artifacts.
fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang: apt-get install -y clang libclang-rt-14-dev"; exit 1; }
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVANTREL_FUZZ=ON -DVANTREL_WINDOW=OFF -DVANTREL_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	mkdir -p $(FUZZ_BUILD)/artifacts
	set -e; for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$target; \
	  ASAN_OPTIONS=detect_leaks=1 $(FUZZ_BUILD)/fuzz/$$target $(FUZZ_BUILD)/corpus/$$target \
	    fuzz/corpus/$$target -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=5 \
	    -artifact_prefix=$(FUZZ_BUILD)/artifacts/$$target- -print_final_stats=1; \
	done

run: build
	@scripts/run-window $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
