# The two set-up commands: `make run` and `make test`. Everything else wraps CMake.
SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps test-deps build run test check check-windows fuzz bench mutation install package clean format format-check

all: build

deps:
	@scripts/install-deps.sh

# The test packages come before CMake is configured: the configure step looks for some of them
# (desktop-file-validate, appstreamcli) and leaves their tests out when they are missing.
test-deps:
	@scripts/install-deps.sh --test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/korvel

test: test-deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole test suite again, built with clang under AddressSanitizer and UndefinedBehaviorSanitizer.
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

check: test-deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-asan -DKORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen $(SAN_ENV) ctest --output-on-failure -j $(JOBS)

# The Windows-only code (the registry store, the book tool's progress line), compiled for syntax
# and warnings with the MinGW-w64 cross compiler against the Linux Qt headers.
check-windows:
	@scripts/install-deps.sh --windows
	scripts/check-windows.sh

# Each libFuzzer harness runs for FUZZ_SECONDS on a copy of its seed corpus and of the inputs it
# once found at fault, with its dictionary when it has one. A finding is kept in build-fuzz/.
FUZZ_SECONDS ?= 60
FUZZERS := book saved_game settings typed_number book_tool
fuzz: test-deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DKORVEL_FUZZ=ON -DKORVEL_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	@set -e; for f in $(FUZZERS); do \
	  mkdir -p $(BUILD)-fuzz/corpus/$$f; \
	  cp -n tests/fuzz/corpus/$$f/* tests/fuzz/regressions/$$f/* $(BUILD)-fuzz/corpus/$$f/ 2>/dev/null || true; \
	  dict=tests/fuzz/dict/$$f.dict; [ -f $$dict ] && dict=-dict=$$dict || dict=; \
	  echo "== fuzz_$$f for $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $(SAN_ENV) $(BUILD)-fuzz/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -seed=1 \
	    -max_len=65536 -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 $$dict -artifact_prefix=$(BUILD)-fuzz/$$f- \
	    $(BUILD)-fuzz/corpus/$$f 2>&1 | \
	    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|Done [0-9]|.*ERROR|fuzz harness|SUMMARY)' ; \
	  test $${PIPESTATUS[0]} -eq 0; \
	done

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DKORVEL_BUILD_BENCH=ON -DKORVEL_BUILD_TESTS=OFF $(LAUNCHER)
	cmake --build $(BUILD)-bench -j $(JOBS)
	@for b in $(BUILD)-bench/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

# Fault injection: 40 one-token faults in src/, one at a time, each rebuilt in $(BUILD)-mutation/
# and run through the suite; prints which test caught each. Takes long. MUTATION_FLAGS="--seed 2".
MUTATION_FLAGS ?=
mutation: test-deps
	scripts/mutation-check.sh --build $(BUILD)-mutation --jobs $(JOBS) $(MUTATION_FLAGS)

# Installs under PREFIX (default /usr/local; DESTDIR is honoured): the program folder
# lib/korvel, the launcher bin/korvel, the desktop entry and the icons.
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package, from a release build of the program alone, into $(BUILD)-package/; an
# error found by lintian fails it.
package:
	@scripts/install-deps.sh --package
	cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DKORVEL_BUILD_TESTS=OFF -DKORVEL_BIN_DIR=games $(LAUNCHER)
	cmake --build $(BUILD)-package -j $(JOBS)
	cd $(BUILD)-package && cpack -G DEB
	lintian --fail-on error $(BUILD)-package/korvel_*.deb

# Every C++ file of ours in the project's own style (.clang-format); format-check only reports.
FORMATTED := $(shell git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp' 'tools/*.h' 'tests/*.cpp' 'tests/*.h' \
	'bench/*.cpp' 'bench/*.h' 2>/dev/null)
format: test-deps
	clang-format -i $(FORMATTED)

format-check: test-deps
	clang-format --dry-run --Werror $(FORMATTED)

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-package $(BUILD)-mutation

# Regenerates the shipped puzzle book assets/dm_book1.qztw, byte for byte (about three minutes).
.PHONY: book
book: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target korvel-book -j $(JOBS)
	$(BUILD)/tools/korvel-book generate --count 1000 --sizes 6-30 --mix 28:27:22:11:12 --seed 1 --out assets/dm_book1.qztw
