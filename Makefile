# The two everyday commands: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test bench clean asan fuzz package check-package tidy check-hardening

deps:
	@./tools/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD)

run: build
	@./tools/run.sh $(BUILD)

# Every test, the slower process checks (label "slow") included; choose with
# TEST_ARGS, e.g. TEST_ARGS="-LE slow" to leave them out, "-L slow" for them alone.
TEST_ARGS ?=
test: build
	@cd $(BUILD) && ctest --output-on-failure -j2 $(TEST_ARGS)

# One table: each benchmark prints its rows under this header; what the
# benchmarks say on stderr goes to a log, shown when one fails.
bench: build
	@printf '| measure | median | baseline | ratio | target |\n|---|---|---|---|---|\n'
	@log=$(BUILD)/bench.log; : > $$log; export QT_LOGGING_RULES='qt.qpa.*=false'; \
	for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	"$$b" 2>>$$log || { cat $$log; exit 1; }; done

# Hardening and delivery (see README.md): each step has a script in tools/.
FUZZ_SECONDS ?= 30

asan: deps
	@./tools/sanitize.sh

fuzz: deps
	@./tools/fuzz.sh $(FUZZ_SECONDS)

package: build
	@cmake --build $(BUILD) --target package

check-package: build
	@./tools/check-package.sh $(BUILD)

tidy: build
	@./tools/tidy.sh $(BUILD)

check-hardening: tidy check-package asan fuzz

clean:
	rm -rf $(BUILD) build-asan build-fuzz
