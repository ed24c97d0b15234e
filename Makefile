# Two commands do everything on a fresh Debian 12 machine: `make run` and `make test`.
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: setup build run test test-plain test-sanitize test-tsan test-fuzz bench format clean

setup:
	@scripts/setup.sh

build/CMakeCache.txt:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) $(CMAKE_FLAGS)

build: setup build/CMakeCache.txt
	cmake --build build -j $(JOBS)

run: build
	./build/auvo

test: build
	$(MAKE) test-plain test-sanitize test-tsan test-fuzz

test-plain:
	ctest --test-dir build --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: setup
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DAUVO_SANITIZE=address,undefined -DAUVO_BENCH=OFF $(LAUNCHER)
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The mixer is where the audio thread meets the UI thread.
test-tsan: setup
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DAUVO_SANITIZE=thread -DAUVO_BENCH=OFF -DAUVO_GUI=OFF $(LAUNCHER)
	cmake --build build-tsan -j $(JOBS) --target tsan_tests
	ctest --test-dir build-tsan --output-on-failure -L tsan

# Bounded fuzzing of the document reader (clang + libFuzzer).
test-fuzz: setup
	@if [ -f fuzz/CMakeLists.txt ] && grep -q add_executable fuzz/CMakeLists.txt; then \
	  CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo && \
	  cmake --build build-fuzz -j $(JOBS) && \
	  cmake --build build-fuzz --target run_fuzz; \
	else echo "no fuzz targets"; fi

bench: setup
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DAUVO_BENCH=ON $(LAUNCHER)
	cmake --build build-bench -j $(JOBS)
	@status=0; for b in build-bench/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then \
	    QT_QPA_PLATFORM=offscreen "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || status=1; \
	  fi; \
	done; exit $$status

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-tsan build-fuzz build-bench
