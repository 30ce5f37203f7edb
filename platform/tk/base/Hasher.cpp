#include "platform/tk/base/Hasher.h"

#include <random>

namespace tk {
namespace {

constexpr std::uint64_t rotl(std::uint64_t x, int b) {
    return (x << b) | (x >> (64 - b));
}

void sipRound(std::uint64_t& v0, std::uint64_t& v1, std::uint64_t& v2, std::uint64_t& v3) {
    v0 += v1;
    v1 = rotl(v1, 13);
    v1 ^= v0;
    v0 = rotl(v0, 32);
    v2 += v3;
    v3 = rotl(v3, 16);
    v3 ^= v2;
    v0 += v3;
    v3 = rotl(v3, 21);
    v3 ^= v0;
    v2 += v1;
    v1 = rotl(v1, 17);
    v1 ^= v2;
    v2 = rotl(v2, 32);
}

} // namespace

std::array<std::uint64_t, 2> Hasher::processSeed() {
    static const std::array<std::uint64_t, 2> seed = [] {
        std::random_device random;
        auto draw = [&] { return (std::uint64_t{random()} << 32) ^ std::uint64_t{random()}; };
        return std::array<std::uint64_t, 2>{draw(), draw()};
    }();
    return seed;
}

Hasher::Hasher() : Hasher(processSeed()[0], processSeed()[1]) {}

Hasher::Hasher(std::uint64_t key0, std::uint64_t key1)
    : v0_(key0 ^ 0x736f6d6570736575ULL), v1_(key1 ^ 0x646f72616e646f6dULL), v2_(key0 ^ 0x6c7967656e657261ULL),
      v3_(key1 ^ 0x7465646279746573ULL) {}

void Hasher::compress(std::uint64_t word) {
    v3_ ^= word;
    sipRound(v0_, v1_, v2_, v3_);
    v0_ ^= word;
}

void Hasher::combineBytes(const void* bytes, std::size_t count) {
    const auto* data = static_cast<const unsigned char*>(bytes);
    totalBytes_ += count;
    for (std::size_t i = 0; i < count; ++i) {
        tail_ |= std::uint64_t{data[i]} << (8 * tailCount_);
        if (++tailCount_ == 8) {
            compress(tail_);
            tail_ = 0;
            tailCount_ = 0;
        }
    }
}

void Hasher::combine(float value) {
    if (value == 0.0f)
        value = 0.0f; // -0 hashes as +0
    combine(std::bit_cast<std::uint32_t>(value));
}

void Hasher::combine(double value) {
    if (value == 0.0)
        value = 0.0;
    combine(std::bit_cast<std::uint64_t>(value));
}

std::int64_t Hasher::finalize() const {
    auto v0 = v0_, v1 = v1_, v2 = v2_, v3 = v3_;
    const std::uint64_t last = (totalBytes_ << 56) | tail_;
    v3 ^= last;
    sipRound(v0, v1, v2, v3);
    v0 ^= last;
    v2 ^= 0xff;
    for (int round = 0; round < 3; ++round)
        sipRound(v0, v1, v2, v3);
    return static_cast<std::int64_t>(v0 ^ v1 ^ v2 ^ v3);
}

} // namespace tk
