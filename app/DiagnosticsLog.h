#pragma once
// A log of the native handles the program holds, for long runs that must
// prove nothing piles up (tests/e2e/soak.sh). Each snapshot is one line:
// a label, then "Kind=count" for every kind of platform/HandleCounts.h, in
// the order of that enum. The program makes one only when asked to (see
// program/main.cpp); without it nothing here runs.

#include "platform/Text.h"

#include <string>
#include <string_view>
#include <utility>

class DiagnosticsLog {
public:
    explicit DiagnosticsLog(String path) : m_path(std::move(path)) {}

    // Adds the snapshot line and writes every line so far to the file;
    // false when the file cannot be written.
    bool writeSnapshot(std::string_view label);

private:
    String m_path;
    std::string m_lines;
};
