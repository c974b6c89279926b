#pragma once

#include <QtGlobal>

// SplitMix64: the same numbers for the same seed on every platform and library, which the
// standard distributions do not promise.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : m_state(seed) {}

    // An independent stream for one item of the library, so adding items never shifts others.
    static DemoRandom forItem(quint64 seed, quint64 stream, quint64 index) {
        DemoRandom mixer(seed ^ (stream * 0xD1B54A32D192ED03ULL));
        mixer.m_state ^= index * 0x9E3779B97F4A7C15ULL;
        return DemoRandom(mixer.next());
    }

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [low, high]; the modulo bias is irrelevant at these ranges.
    qint64 between(qint64 low, qint64 high) { return low + qint64(next() % quint64(high - low + 1)); }
    bool percent(int chance) { return between(0, 99) < chance; }

private:
    quint64 m_state;
};
