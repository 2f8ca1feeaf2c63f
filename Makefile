# The two set-up commands: `make run` and `make test`. Everything else wraps CMake.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/korvel

test: deps $(BUILD)/CMakeCache.txt
	@scripts/install-deps.sh --test
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DKORVEL_BUILD_BENCH=ON -DKORVEL_BUILD_TESTS=OFF $(LAUNCHER)
	cmake --build $(BUILD)-bench -j $(JOBS)
	@for b in $(BUILD)-bench/bench/bench_*; do [ -x "$$b" ] && "$$b" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

clean:
	rm -rf $(BUILD) $(BUILD)-bench

# Regenerates the shipped puzzle book assets/dm_book1.qztw, byte for byte (about a minute).
.PHONY: book
book: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target korvel-book -j $(JOBS)
	$(BUILD)/tools/korvel-book generate --count 1000 --sizes 6-30 --mix 30:30:25:15 --seed 1 --out assets/dm_book1.qztw
