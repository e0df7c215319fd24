# The commands of the README. Each installs what it needs first.
ROOT := $(CURDIR)
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
WIN := build/windows
NAT := build/native

.PHONY: deps build native windows test run bench screenshots fuzz dist clean

deps:
	@tools/deps.sh

native: deps
	@cmake --preset native >/dev/null
	@cmake --build $(NAT) -j $(JOBS)

windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

build: native windows

test: build
	cd $(NAT) && ctest --output-on-failure
	cd $(WIN) && ctest --output-on-failure

run: windows
	@tools/run.sh

screenshots: windows
	@tools/screenshots.sh

bench: windows
	@tools/bench.sh

dist: deps
	@JOBS=$(JOBS) tools/dist.sh

fuzz: deps
	@EXTRA_PACKAGES="clang libclang-rt-14-dev" tools/deps.sh
	@CC=clang CXX=clang++ cmake -S . -B build/fuzz -DKDC_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build/fuzz -j $(JOBS)
	@tools/fuzz.sh build/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
