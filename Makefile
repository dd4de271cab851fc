# Two commands do everything on a fresh machine: `make run` and `make test`.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
THREAD_SANITIZE_BUILD ?= build-tsan
BENCH_BUILD ?= build-bench
WEB_BUILD ?= build-web
# Where `make web-serve` listens.
WEB_PORT ?= 8000
FUZZ_BUILD ?= build-fuzz
# How long each fuzz target runs, in seconds.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = fuzz_nca_parser fuzz_selig_lednicer_converter fuzz_number_text fuzz_command_line
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Extra arguments for the benchmark program, e.g. BENCH_ARGS=--benchmark_repetitions=5
BENCH_ARGS ?=

.PHONY: all deps configure build run test test-sanitize test-thread-sanitize bench fuzz clean web web-serve bench-web \
  package web-dist FORCE

all: build

deps:
	@scripts/install-deps

# The flags the build folder was configured with. Other flags start the configuration afresh, so
# that a flag left out is not kept from the cache either.
FLAGS_STAMP = $(BUILD)/vantrel-cmake-flags
$(FLAGS_STAMP): FORCE
	@mkdir -p $(BUILD)
	@if [ ! -f $@ ] || [ "$$(cat $@)" != '$(CMAKE_FLAGS)' ]; then \
	  rm -f $(BUILD)/CMakeCache.txt; printf '%s\n' '$(CMAKE_FLAGS)' > $@; fi

$(BUILD)/CMakeCache.txt: $(FLAGS_STAMP)
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

# The code that runs on several threads (the solvers and the survey) under ThreadSanitizer.
THREAD_SANITIZE_TESTS = vantrel_coefficients_tests vantrel_vortex_tests vantrel_panel_tests vantrel_survey_tests
test-thread-sanitize: deps
	cmake -S . -B $(THREAD_SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_SANITIZE_THREAD=ON \
	  -DVANTREL_WINDOW=OFF $(CMAKE_FLAGS)
	cmake --build $(THREAD_SANITIZE_BUILD) -j $(JOBS) --target $(THREAD_SANITIZE_TESTS)
	set -e; for program in $(THREAD_SANITIZE_TESTS); do \
	  TSAN_OPTIONS=halt_on_error=1 $(THREAD_SANITIZE_BUILD)/tests/$$program; done

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

# The page: the core in WebAssembly (Debian's emscripten), with its HTML, CSS and scripts, in
# $(WEB_BUILD)/page; page/standalone.html is the same page in one file, for file://.
web: deps
	@scripts/build-web $(WEB_BUILD)

# The page as one archive a static web server serves as it is: $(WEB_BUILD)/qeb-vantrel-web-*.zip
web-dist: web
	cmake --build $(WEB_BUILD) --target vantrel_web_dist

web-serve: web
	@echo "QEB-Vantrel in the browser: http://127.0.0.1:$(WEB_PORT)/  (Ctrl+C stops it)"
	cd $(WEB_BUILD)/page && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The lumped vortex method at 2000 panels in the page (Debian's chromium) against the native
# batch tool; prints both times and their ratio.
bench-web: build web
	node tests/web/bench_web.js $(BUILD)/src/batch/qeb-vantrel-batch $(WEB_BUILD)/page

# The Debian package (CPack's DEB generator) of what `cmake --install` installs, in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

run: build
	@scripts/run-window $(BUILD)

FORCE:

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(THREAD_SANITIZE_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)
