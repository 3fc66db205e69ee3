# The front door: `make run` and `make test` are all a fresh Debian 12
# machine needs; both install what is missing first.
NATIVE  := build/native
WINDOWS := build/windows
WINDOWS32 := build/windows32
BENCH   := build/bench
FUZZ    := build/fuzz
# Seconds each fuzz target runs under `make fuzz`, and how many run at once.
FUZZ_SECONDS ?= 60
FUZZ_JOBS    ?= 1
JOBS    ?= 2
PAKBUILD := $(CURDIR)/$(NATIVE)/bin/pakbuild
# The tests' Wine prefix is thrown away with the build folder.
export TINTSCOPE_WINEPREFIX ?= $(CURDIR)/$(WINDOWS)/wineprefix
# Of the 32-bit build's tests, `make test` runs its unit suites, the
# start-up and main-window runs and the runs of the release artefacts (the
# ones users download): the rest exercise the same portable code as the
# 64-bit runs, and the full set would double the time under Wine.
WINDOWS32_TESTS := ^(platform_tests|app_tests|uicore_tests|uiwidgets_tests|picker_tests|xml_tests|win32_tests|e2e_startup|e2e_main_window|e2e_release_.*)$$
# The build whose artefacts `make release` ships.
RELEASE_PRESET ?= windows32
RELEASE_BUILD  ?= $(WINDOWS32)

.PHONY: all deps native windows windows32 fuzz-build test test-native test-windows test-windows32 test-fuzz fuzz format format-check soak run dist release bench clean

all: windows

deps:
	@tools/install-deps

native: deps
	cmake --preset native >/dev/null
	cmake --build $(NATIVE) -j$(JOBS)

windows: native
	cmake --preset windows -DPAKBUILD=$(PAKBUILD) >/dev/null
	cmake --build $(WINDOWS) -j$(JOBS)

# The build users download: 32-bit, for every Windows from XP SP3 on.
windows32: native
	cmake --preset windows32 -DPAKBUILD=$(PAKBUILD) >/dev/null
	cmake --build $(WINDOWS32) -j$(JOBS)

test: format-check windows fuzz-build
	$(MAKE) --no-print-directory test-native test-windows test-windows32 test-fuzz

test-native:
	cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

# The readers' fuzz targets: clang with libFuzzer over the layers that read
# files and data blocks.
fuzz-build: deps
	cmake --preset fuzz >/dev/null
	cmake --build $(FUZZ) -j$(JOBS)

# A few seconds of each fuzz target, as a smoke test.
test-fuzz:
	ctest --test-dir $(FUZZ) --output-on-failure

# Each target for FUZZ_SECONDS; crashing inputs stay in build/fuzz/crashes.
fuzz: fuzz-build
	tools/run-fuzz $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_JOBS)

test-windows:
	WINEPREFIX=$(TINTSCOPE_WINEPREFIX) tools/wine-prefix
	tools/with-xvfb ctest --test-dir $(WINDOWS) --output-on-failure

# The import check needs no Wine, only the program and the check's probes;
# the rest of the 32-bit build (its test programs) is built and run where
# Wine runs 32-bit programs (wine32, on a kernel that runs 32-bit x86 code).
test-windows32: native
	cmake --preset windows32 -DPAKBUILD=$(PAKBUILD) >/dev/null
	cmake --build $(WINDOWS32) --target tintscope vista_import_probe newer_header_probe -j$(JOBS)
	ctest --test-dir $(WINDOWS32) --output-on-failure -R '^check_imports$$'
	@if TINTSCOPE_WINEPREFIX=$(CURDIR)/$(WINDOWS32)/wineprefix \
		tools/wine-run $(WINDOWS32)/bin/newer_header_probe.exe >/dev/null 2>&1; then \
		cmake --build $(WINDOWS32) -j$(JOBS) && \
		TINTSCOPE_WINEPREFIX=$(CURDIR)/$(WINDOWS32)/wineprefix tools/with-xvfb \
			ctest --test-dir $(WINDOWS32) --output-on-failure -R '$(WINDOWS32_TESTS)'; \
	else \
		echo "test-windows32: this Wine cannot run 32-bit programs; only the import check ran"; \
	fi

# The long run of the real program under Wine (tests/e2e/soak.sh), not part
# of `make test`: SOAK_STEPS, SOAK_MENUS and SOAK_OPTIONS set its counts
# (10000, 1000, 1000 unless set).
soak: windows
	WINEPREFIX=$(TINTSCOPE_WINEPREFIX) tools/wine-prefix
	TINTSCOPE_BIN=$(CURDIR)/$(WINDOWS)/bin TINTSCOPE_TOOLS=$(CURDIR)/tools tools/with-xvfb bash tests/e2e/soak.sh

dist: windows
	mkdir -p dist && find dist -mindepth 1 -maxdepth 1 ! -name release -exec rm -rf {} +
	cp $(WINDOWS)/bin/tintscope.exe dist/
	if [ -f $(WINDOWS)/bin/data.pak ]; then cp $(WINDOWS)/bin/data.pak dist/; fi
	if [ -f $(WINDOWS)/bin/styles/default.style ]; then mkdir -p dist/styles && cp $(WINDOWS)/bin/styles/default.style dist/styles/; fi
	if [ -d $(WINDOWS)/bin/languages ]; then cp -r $(WINDOWS)/bin/languages dist/; fi

# The portable zip and the installer, named with version and architecture,
# in dist/release. Only the host package builder and the product are built
# (not the tests); the artefacts are packed afresh every time.
release: deps
	cmake --preset native >/dev/null
	cmake --build $(NATIVE) --target pakbuild -j$(JOBS)
	cmake --preset $(RELEASE_PRESET) -DPAKBUILD=$(PAKBUILD) >/dev/null
	rm -f $(RELEASE_BUILD)/release/tintscope-*
	cmake --build $(RELEASE_BUILD) --target release_artefacts -j$(JOBS)
	rm -rf dist/release && mkdir -p dist/release
	cp $(RELEASE_BUILD)/release/tintscope-*.zip $(RELEASE_BUILD)/release/tintscope-*-setup.exe dist/release/
	@ls -l dist/release

# Every C++ file under version control is laid out by .clang-format.
format:
	git ls-files -z '*.cpp' '*.h' | xargs -0r clang-format -i

# Fails, naming the files, when a file is not laid out as `make format`
# would.
format-check:
	git ls-files -z '*.cpp' '*.h' | xargs -0r clang-format --dry-run -Werror

# The program keeps its settings in a prefix of its own across runs.
run: dist
	TINTSCOPE_WINEPREFIX=$(CURDIR)/build/wineprefix tools/wine-run dist/tintscope.exe

bench: windows
	cmake --preset bench >/dev/null
	cmake --build $(BENCH) -j$(JOBS)
	tools/run-benchmarks $(BENCH)/bin $(WINDOWS)/bin

clean:
	rm -rf build dist
