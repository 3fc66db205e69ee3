# The front door: `make run` and `make test` are all a fresh Debian 12
# machine needs; both install what is missing first.
NATIVE  := build/native
WINDOWS := build/windows
BENCH   := build/bench
JOBS    ?= 2
PAKBUILD := $(CURDIR)/$(NATIVE)/bin/pakbuild
# The tests' Wine prefix is thrown away with the build folder.
export TINTSCOPE_WINEPREFIX ?= $(CURDIR)/$(WINDOWS)/wineprefix

.PHONY: all deps native windows test test-native test-windows soak format format-check run dist bench clean

all: windows

deps:
	@tools/install-deps

native: deps
	cmake --preset native >/dev/null
	cmake --build $(NATIVE) -j$(JOBS)

windows: native
	cmake --preset windows -DPAKBUILD=$(PAKBUILD) >/dev/null
	cmake --build $(WINDOWS) -j$(JOBS)

test: format-check windows
	$(MAKE) --no-print-directory test-native test-windows

test-native:
	cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

test-windows:
	WINEPREFIX=$(TINTSCOPE_WINEPREFIX) tools/wine-prefix
	tools/with-xvfb ctest --test-dir $(WINDOWS) --output-on-failure

# The long run of the real program under Wine (tests/e2e/soak.sh), not part
# of `make test`: SOAK_STEPS, SOAK_MENUS and SOAK_OPTIONS set its counts
# (10000, 1000, 1000 unless set).
soak: windows
	WINEPREFIX=$(TINTSCOPE_WINEPREFIX) tools/wine-prefix
	TINTSCOPE_BIN=$(CURDIR)/$(WINDOWS)/bin TINTSCOPE_TOOLS=$(CURDIR)/tools tools/with-xvfb bash tests/e2e/soak.sh

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
