# KVL: the two commands an operator or a developer needs are `make run` and `make test`.
BUILD    ?= build
GENERATE  = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
WORKDIR   = contest

.PHONY: all deps build run test bench clean

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

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	cmake --build $(BUILD) --target benchmarks
	@for b in $$(find $(BUILD)/bench -type f -name 'bench_*' -perm -u+x | sort); do \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

clean:
	rm -rf $(BUILD)
