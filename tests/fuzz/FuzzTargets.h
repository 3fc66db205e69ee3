#pragma once
// The fuzz targets of the readers: one function per target, taking one
// input as libFuzzer hands it over. Each is linked into a libFuzzer
// executable of its own and into the native test suite, which replays the
// inputs that once broke a reader (tests/fuzz/regressions/<name>/).
//
// A target returns normally for any input. Whatever must hold beyond "no
// crash" (a round trip that reads back what was written) is checked with
// fuzzCheck, which aborts, so the fuzzer keeps the input as a crash.
#include <cstddef>
#include <cstdint>
#include <filesystem>

using FuzzTarget = void (*)(const uint8_t* data, size_t size);

// XML text: read, write, read back; both trees and both writes agree.
void fuzzXml(const uint8_t* data, size_t size);
// A config.dat: load and validate against the program's schema, save, load
// again; the entries survive unchanged.
void fuzzSettings(const uint8_t* data, size_t size);
// A data package: parse, walk every file, write and parse back.
void fuzzPackage(const uint8_t* data, size_t size);
// A language file: parse, read the translations, translate with them.
void fuzzLanguage(const uint8_t* data, size_t size);
// A pix image: decode, encode, decode back; the pixels agree.
void fuzzPix(const uint8_t* data, size_t size);
// The first byte picks the reader: skins geometry, metrics, models,
// cursors (from a package), the style value parsers or the image decoder;
// the rest is its input.
void fuzzStyleParts(const uint8_t* data, size_t size);
// A style set package held in memory, through the whole loader.
void fuzzStyleSet(const uint8_t* data, size_t size);
// The first byte picks the clipboard or drop block reader; the rest is the
// block.
void fuzzClipboard(const uint8_t* data, size_t size);

struct NamedFuzzTarget {
    const char* name;
    FuzzTarget run;
};

inline constexpr NamedFuzzTarget kFuzzTargets[] = {
    {"xml", fuzzXml}, {"settings", fuzzSettings},      {"package", fuzzPackage},    {"language", fuzzLanguage},
    {"pix", fuzzPix}, {"style_parts", fuzzStyleParts}, {"style_set", fuzzStyleSet}, {"clipboard", fuzzClipboard},
};

// Aborts, naming what broke, when `condition` is false.
void fuzzCheck(bool condition, const char* what);

// A folder of this process's own, removed at exit, for targets whose
// reader only reads files.
const std::filesystem::path& fuzzScratchFolder();
