#pragma once
// The keys a settings file must hold, each with its default value, in the
// order a reset writes them.

#include "app/Variant.h"

#include <utility>
#include <vector>

class SettingsSchema {
public:
    struct Pair {
        String key;
        Variant defaultValue;
    };

    void add(String key, Variant defaultValue) { m_pairs.push_back({std::move(key), std::move(defaultValue)}); }

    const std::vector<Pair>& pairs() const { return m_pairs; }
    size_t count() const { return m_pairs.size(); }

private:
    std::vector<Pair> m_pairs;
};

// The program's eleven settings with their defaults, in file order.
SettingsSchema defaultSettingsSchema();
