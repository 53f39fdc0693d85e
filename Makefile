# Tervalo: `make run` starts the program under Wine, `make test` runs every test.
JOBS ?= 2
MAKEFLAGS += --no-print-directory
NATIVE := build/native
WIN := build/win

FUZZ := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps native exe win installer test native-test win-test fuzz bench run clean

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

# The Windows installer, build/win/Tervalo-3.0-setup.exe (NSIS).
installer: exe
	@cmake --build $(WIN) -j$(JOBS) --target installer

win-test: win installer
	@ctest --test-dir $(WIN) --output-on-failure --no-tests=error

# The settings loader on any bytes, for a bounded time, from the seed corpus.
fuzz: deps
	@cmake -S . -B $(FUZZ) -DTERVALO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS) --target settings_loader_fuzz
	@rm -rf $(FUZZ)/corpus && mkdir -p $(FUZZ)/corpus && cp tests/fuzz/corpus/* $(FUZZ)/corpus/
	@$(FUZZ)/tests/fuzz/settings_loader_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=4096 \
		-print_final_stats=1 $(FUZZ)/corpus >$(FUZZ)/fuzz.log 2>&1; status=$$?; \
		tail -n 6 $(FUZZ)/fuzz.log; exit $$status

test: native-test fuzz win-test

# The idle cost and the memory of the bar under Wine; it reports, it does not fail the tests.
bench: win
	@cmake --build $(WIN) -j$(JOBS) --target idle_baseline
	@timeout 2400 scripts/bench.sh

run: exe
	@scripts/run.sh

clean:
	rm -rf build
