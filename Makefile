# The two commands of the README: `make play` and `make test`. Both set up what they need.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build play test clean

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	@tools/play.sh $(BUILD)/bin

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
