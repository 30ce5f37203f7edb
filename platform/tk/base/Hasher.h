#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

// A streaming hasher (SipHash-1-3) keyed with a seed that is drawn once per process from the system's
// random source, so hash values differ from run to run and must not be stored. Feed it values with
// combine() and read the result with finalize().
//
//     tk::Hasher hasher;
//     hasher.combine(0.5f);
//     hasher.combine(std::uint64_t{42});
//     std::int64_t hash = hasher.finalize();
//
// Values are fed by their bytes (little-endian, their own width). Floating-point values are fed with
// negative zero as positive zero, since they compare equal. Feeding "ab" then "c" equals feeding
// "abc": there are no separators; combine a length first where that matters.

namespace tk {

class Hasher {
public:
    // [any] Keyed with the process seed.
    Hasher();
    // [any] Keyed with a given seed, for reproducible values in tests.
    Hasher(std::uint64_t key0, std::uint64_t key1);

    void combineBytes(const void* bytes, std::size_t count);

    template <class T>
    requires(std::integral<T> || std::is_enum_v<T>) void combine(T value) {
        using Raw = typename RawType<T>::type;
        auto raw = static_cast<Raw>(value);
        if constexpr (std::endian::native == std::endian::big && sizeof(Raw) > 1)
            raw = byteSwapped(raw);
        combineBytes(&raw, sizeof raw);
    }
    void combine(float value);
    void combine(double value);
    void combine(std::string_view text) { combineBytes(text.data(), text.size()); }

    // [any] The hash of everything fed so far (the hasher may go on being fed).
    std::int64_t finalize() const;

    // [any] The process's seed, drawn on first use.
    static std::array<std::uint64_t, 2> processSeed();

private:
    template <class T, bool = std::is_enum_v<T>> struct RawType { using type = T; };
    template <class T> struct RawType<T, true> { using type = std::underlying_type_t<T>; };
    template <class Raw> static Raw byteSwapped(Raw value) {
        Raw result;
        auto* in = reinterpret_cast<const unsigned char*>(&value);
        auto* out = reinterpret_cast<unsigned char*>(&result);
        for (std::size_t i = 0; i < sizeof(Raw); ++i)
            out[i] = in[sizeof(Raw) - 1 - i];
        return result;
    }
    void compress(std::uint64_t word);

    std::uint64_t v0_, v1_, v2_, v3_;
    std::uint64_t tail_ = 0;       // bytes not yet forming a whole word, low byte first
    std::size_t tailCount_ = 0;    // how many
    std::uint64_t totalBytes_ = 0; // length of the message so far
};

} // namespace tk
