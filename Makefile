# Tervalo: `make run` starts the program under Wine, `make test` runs every test.
JOBS ?= 2
MAKEFLAGS += --no-print-directory
NATIVE := build/native
WIN := build/win

.PHONY: all deps native exe win test native-test win-test run clean

all: exe

deps:
	@scripts/install-deps.sh

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

exe: deps
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN) -j$(JOBS) --target Tervalo

win: exe
	@cmake --build $(WIN) -j$(JOBS) --target tervalo_win32_tests

native-test: native
	@cd $(NATIVE) && ctest --output-on-failure --no-tests=error -j$(JOBS)

win-test: win
	@ctest --test-dir $(WIN) --output-on-failure --no-tests=error

test: native-test win-test

run: exe
	@scripts/run.sh

clean:
	rm -rf build
