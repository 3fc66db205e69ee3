# The front door: `make run` and `make test` are all a fresh Debian 12
# machine needs; both install what is missing first.
NATIVE  := build/native
WINDOWS := build/windows
WINDOWS32 := build/windows32
BENCH   := build/bench
JOBS    ?= 2
PAKBUILD := $(CURDIR)/$(NATIVE)/bin/pakbuild
# The tests' Wine prefix is thrown away with the build folder.
export TINTSCOPE_WINEPREFIX ?= $(CURDIR)/$(WINDOWS)/wineprefix
# Of the 32-bit build's tests, `make test` runs its unit suites and the
# start-up and main-window runs: the rest exercise the same portable code as
# the 64-bit runs, and the full set would double the time under Wine.
WINDOWS32_TESTS := ^(platform_tests|app_tests|uicore_tests|uiwidgets_tests|picker_tests|xml_tests|win32_tests|e2e_startup|e2e_main_window)$$

.PHONY: all deps native windows windows32 test test-native test-windows test-windows32 format format-check run dist bench clean

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

test: format-check windows windows32
	$(MAKE) --no-print-directory test-native test-windows test-windows32

test-native:
	cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

test-windows:
	WINEPREFIX=$(TINTSCOPE_WINEPREFIX) tools/wine-prefix
	tools/with-xvfb ctest --test-dir $(WINDOWS) --output-on-failure

# The import check needs no Wine; the rest needs a Wine that runs 32-bit
# programs (wine32, on a kernel that runs 32-bit x86 code).
test-windows32:
	ctest --test-dir $(WINDOWS32) --output-on-failure -R '^check_imports$$'
	@if TINTSCOPE_WINEPREFIX=$(CURDIR)/$(WINDOWS32)/wineprefix \
		tools/wine-run $(WINDOWS32)/bin/newer_header_probe.exe >/dev/null 2>&1; then \
		TINTSCOPE_WINEPREFIX=$(CURDIR)/$(WINDOWS32)/wineprefix tools/with-xvfb \
			ctest --test-dir $(WINDOWS32) --output-on-failure -R '$(WINDOWS32_TESTS)'; \
	else \
		echo "test-windows32: this Wine cannot run 32-bit programs; only the import check ran"; \
	fi

dist: windows
	rm -rf dist && mkdir -p dist
	cp $(WINDOWS)/bin/tintscope.exe dist/
	if [ -f $(WINDOWS)/bin/data.pak ]; then cp $(WINDOWS)/bin/data.pak dist/; fi
	if [ -f $(WINDOWS)/bin/styles/default.style ]; then mkdir -p dist/styles && cp $(WINDOWS)/bin/styles/default.style dist/styles/; fi
	if [ -d $(WINDOWS)/bin/languages ]; then cp -r $(WINDOWS)/bin/languages dist/; fi

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
