# Entry points: `make test` (set up, build everything, run every test) and `make run` (start the program).
BUILD   ?= build
NATIVE  := $(BUILD)/native
WIN64   := $(BUILD)/win64
WIN32   := $(BUILD)/win32
FUZZ    := $(BUILD)/fuzz
FUZZ_RUNS ?= 1000000
FUZZ_TARGETS := history theme_file description bmp
CMAKE_GEN := -G Ninja
JOBS    ?= $(shell nproc)

.PHONY: test run deps build native win64 win32 bench gallery themes format fuzz

test: build
	cmake/with-display.sh sh -c 'ctest --test-dir $(NATIVE) --output-on-failure -j$(JOBS) && \
		ctest --test-dir $(WIN64) --output-on-failure'

run: deps win64
	cmake/run-program.sh $(WIN64)

deps:
	@cmake/install-deps.sh

build: deps native win64 win32

native:
	cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON
	cmake --build $(NATIVE) -j$(JOBS)

win64: native
	cmake -S . -B $(WIN64) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DVANTREL_HOST_TOOLS=$(abspath $(NATIVE))/tools
	cmake --build $(WIN64) -j$(JOBS)

win32: native
	cmake -S . -B $(WIN32) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DVANTREL_HOST_TOOLS=$(abspath $(NATIVE))/tools
	cmake --build $(WIN32) -j$(JOBS)

bench: deps win64
	cmake/with-display.sh cmake/wine-run.sh $(WIN64)/tools/bench/store_bench.exe
	cmake/with-display.sh cmake/wine-run.sh $(WIN64)/tools/bench/paint_bench.exe
	cmake/with-display.sh cmake/wine-run.sh $(WIN64)/tools/bench/mainwindow_bench.exe

# Pictures of every skinned component in every style, and one composite per page, in $(BUILD)/gallery.
gallery: deps win64
	cmake/gallery.sh $(WIN64) $(BUILD)/gallery

# Refreshes the theme files shipped in themes/ from the built-in styles, after the skin art changed.
themes: deps native
	cp $(NATIVE)/themes/*.vsk themes/

# Every fuzz target for FUZZ_RUNS executions, built with clang and libFuzzer in $(FUZZ); prints a table of
# executions, speed, new corpus entries and findings. (`make test` replays the stored inputs without fuzzing.)
fuzz: deps
	cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTREL_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang-19 -DCMAKE_CXX_COMPILER=clang++-19 \
		"-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
	cmake --build $(FUZZ) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	tests/fuzz/run-fuzz.sh $(FUZZ) $(FUZZ_RUNS) $(FUZZ_TARGETS)

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i
