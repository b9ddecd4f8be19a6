# The two commands of the README: `make play` and `make test`. Both set up what they need.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build play test sanitize clean

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	@tools/play.sh $(BUILD)/bin

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The engine and the line mode built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# every test that runs without a screen, under them; any report fails.
sanitize: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVELT_SANITIZE=ON \
	  -DKVELT_TERM=OFF -DKVELT_FLTK=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan build-bench
