# The two commands of the README, `make play` and `make test`, and the packages. Each installs
# the Debian packages it needs (tools/debian-packages.txt) and no more.
BUILD ?= build
JOBS ?= $(shell nproc)
WINDOWS_BUILD ?= build-windows
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
VERSION := $(shell tools/version.sh)

CONFIGURE = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Only the Linux programs: playing needs no tests, benchmarks, fuzzers or Windows build.
PLAY_OPTIONS = -DKVELT_TESTS=OFF -DKVELT_WINDOWS=OFF -DKVELT_BENCHMARKS=OFF -DKVELT_FUZZ=OFF
TEST_OPTIONS = -DKVELT_TESTS=ON -DKVELT_WINDOWS=ON

.PHONY: play test lint sanitize windows deb web serve release clean

play:
	@tools/install-deps.sh play
	@$(CONFIGURE) $(PLAY_OPTIONS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@tools/play.sh $(BUILD)/bin

# Deterministic tests run once; only the display tests may get a second try, printed as such.
test:
	@tools/install-deps.sh play test windows deb web
	@$(CONFIGURE) $(TEST_OPTIONS) -DKVELT_WERROR=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@JOBS=$(JOBS) tools/run-tests.sh $(BUILD)

# clang-format and clang-tidy, both clean or the target fails.
lint:
	@tools/install-deps.sh play test
	@$(CONFIGURE) $(TEST_OPTIONS) >/dev/null
	@JOBS=$(JOBS) tools/lint.sh $(BUILD)

# The engine, the line mode and the terminal built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# every test that runs without a screen, under them; any report fails. A small quarantine keeps
# the memory tests measuring the game, not the sanitizer's store of freed blocks.
sanitize:
	@tools/install-deps.sh play test
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVELT_SANITIZE=ON -DKVELT_WERROR=ON \
	  -DKVELT_FLTK=OFF -DKVELT_WINDOWS=OFF >/dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=4 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# kvelt.exe for Windows, cross-built with MinGW-w64 and packed with its catalogue.
windows:
	@tools/install-deps.sh play windows
	@cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVELT_TESTS=OFF \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@tools/pack-windows.sh $(WINDOWS_BUILD)/bin dist/kvelt-$(VERSION)-windows.zip

# dist/kvelt_VERSION_amd64.deb, built by Debian's own tooling from debian/ and checked by lintian.
deb:
	@tools/install-deps.sh play deb
	@tools/build-deb.sh dist
	@lintian --fail-on error,warning dist/kvelt_$(VERSION)_$(shell dpkg --print-architecture).deb

# The browser edition in dist/web: the page, the engine as WebAssembly, the catalogue and pictures.
web:
	@tools/install-deps.sh play web
	@cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DKVELT_TESTS=OFF -DKVELT_WERROR=ON \
		-DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake -DKVELT_WEB_SITE=$(CURDIR)/dist/web >/dev/null
	@cmake --build $(WEB_BUILD) -j $(JOBS)

# Any static server will do; this one is Python's, on this machine only.
serve: web
	@echo "kvelt in a browser: http://127.0.0.1:$(WEB_PORT)/ (Ctrl-C stops the server)"
	@python3 -m http.server --bind 127.0.0.1 --directory dist/web $(WEB_PORT)

# dist/release/: the source tarball, the .deb, the Windows and browser zips and SHA256SUMS, all
# built from the commit checked out (tools/release.sh).
release:
	@tools/install-deps.sh play windows deb web
	@tools/release.sh dist/release

clean:
	rm -rf $(BUILD) build-asan build-bench build-deb build-release $(WINDOWS_BUILD) $(WEB_BUILD) dist
