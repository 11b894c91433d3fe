# SPDX-License-Identifier: GPL-3.0-or-later
# KVL: the two commands an operator or a developer needs are `make run` and `make test`.
BUILD    ?= build
GENERATE  = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
WORKDIR   = contest

# The whole test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
# -O1 as the sanitizers advise, and line tables only: half the compile time,
# and the reports still name file and line.
CHECKED_FLAGS = "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
GENERATE_ASAN = cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CHECKED_FLAGS) -DKVL_SANITIZE=ON
# Leak checks stay on: the suite, Qt included, frees what it takes; only the
# third-party libraries named in tests/lsan.supp are excused.
ASAN_ENV  = ASAN_OPTIONS=abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
            LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The sanitized program is several times slower: fewer kills keep the crash test short.
ASAN_CRASH_KILLS ?= 10

# The readers of outside input under libFuzzer (clang only). `make test` runs
# each target a few seconds on its seeds; `make fuzz` runs them long.
FUZZ_BUILD ?= build-fuzz
GENERATE_FUZZ = cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CHECKED_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DKVL_FUZZ=ON
FUZZ_SECONDS ?= 300
FUZZ_TARGETS = station_data records base calls_scan master macro wave

.PHONY: all deps build run test test-plain test-sanitize test-fuzz fuzz-build fuzz bench package package-check clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@[ -f $(BUILD)/build.ninja ] || $(GENERATE)
	cmake --build $(BUILD)

run: build
	@mkdir -p $(WORKDIR)
	@[ -e $(WORKDIR)/Mydata.kvl ] || cp app/starter/Mydata.kvl $(WORKDIR)/Mydata.kvl
	cd $(WORKDIR) && ../$(BUILD)/kvl

# One after the other: the machine's cores go to one build at a time.
test:
	@$(MAKE) --no-print-directory test-plain
	@$(MAKE) --no-print-directory test-sanitize
	@$(MAKE) --no-print-directory test-fuzz

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

test-sanitize: deps
	@[ -f $(ASAN_BUILD)/build.ninja ] || $(GENERATE_ASAN)
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen KVL_CRASH_KILLS=$(ASAN_CRASH_KILLS) $(ASAN_ENV) ctest --output-on-failure

fuzz-build: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || $(GENERATE_FUZZ)
	cmake --build $(FUZZ_BUILD)

test-fuzz: fuzz-build
	cd $(FUZZ_BUILD) && ctest --output-on-failure

# Each target in turn for FUZZ_SECONDS (paths absolute: the targets work in
# a scratch folder of their own); what it finds is kept in
# $(FUZZ_BUILD)/fuzz/corpus, a failing input in $(FUZZ_BUILD)/fuzz/artifacts.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  dir=$(abspath $(FUZZ_BUILD))/fuzz; log=$$dir/$$t.log; echo "== fuzz_$$t, $(FUZZ_SECONDS) s, output in $$log"; \
	  $$dir/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=$$dir/artifacts/$$t- $$dir/corpus/$$t $(CURDIR)/fuzz/corpus/$$t >$$log 2>&1 \
	    || { tail -n 40 $$log; exit 1; }; \
	  grep -E 'stat::(number_of_executed_units|peak_rss_mb)|DONE' $$log; \
	done

bench: build
	cmake --build $(BUILD) --target benchmarks
	@for b in $$(find $(BUILD)/bench -type f -name 'bench_*' -perm -u+x | sort); do \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# The Debian package kvl_<version>_amd64.deb in $(BUILD), checked by lintian
# (an error fails); package-check then installs it with apt and starts the
# installed program in a fresh folder (root only: CI does it in its root).
package: build
	rm -f $(BUILD)/kvl_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --info --fail-on error $(BUILD)/kvl_*.deb

package-check: package
	scripts/check-package.sh $(BUILD)/kvl_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
