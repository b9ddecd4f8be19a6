# The two commands of the README: `make play` and `make test`. Both set up what they need.
BUILD ?= build
JOBS ?= $(shell nproc)

WINDOWS_BUILD ?= build-windows
WEB_BUILD ?= build-web
WEB_PORT ?= 8000

.PHONY: deps build play test lint sanitize windows web serve clean

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	@tools/play.sh $(BUILD)/bin

# Deterministic tests run once; only the display tests may get a second try, printed as such.
test: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVELT_WERROR=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@JOBS=$(JOBS) tools/run-tests.sh $(BUILD)

# clang-format and clang-tidy, both clean or the target fails.
lint: build
	@JOBS=$(JOBS) tools/lint.sh $(BUILD)

# The engine, the line mode and the terminal built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# every test that runs without a screen, under them; any report fails.
sanitize: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVELT_SANITIZE=ON -DKVELT_WERROR=ON \
	  -DKVELT_FLTK=OFF -DKVELT_WINDOWS=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# kvelt.exe for Windows, cross-built with MinGW-w64 and packed with its catalogue.
windows: deps
	@cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVELT_TESTS=OFF \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@tools/pack-windows.sh $(WINDOWS_BUILD)/bin dist/kvelt-windows.zip

# The browser edition in dist/web: the page, the engine as WebAssembly, the catalogue and pictures.
web: deps
	@cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DKVELT_TESTS=OFF -DKVELT_WERROR=ON \
		-DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake -DKVELT_WEB_SITE=$(CURDIR)/dist/web >/dev/null
	@cmake --build $(WEB_BUILD) -j $(JOBS)

# Any static server will do; this one is Python's, on this machine only.
serve: web
	@echo "kvelt in a browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl-C stops the server)"
	@python3 -m http.server --bind 127.0.0.1 --directory dist/web $(WEB_PORT)

clean:
	rm -rf $(BUILD) build-asan build-bench $(WINDOWS_BUILD) $(WEB_BUILD) dist
