#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Reads the fuzzer's bytes as a stream of small decisions. Past the end every read yields zero,
// so a short input is simply a short sequence and never an error.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }

    bool Empty() const { return pos_ >= size_; }

    std::uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }

    // low..high inclusive, from one byte (the ranges used here are small).
    int Pick(int low, int high) { return low + Byte() % (high - low + 1); }

    bool Flag() { return (Byte() & 1) != 0; }

    std::uint32_t U32()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }

    std::int32_t I32()
    {
        const std::uint32_t bits = U32();
        std::int32_t value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Any bit pattern, NaNs and infinities included.
    double AnyDouble()
    {
        const std::uint64_t bits = U32() | (static_cast<std::uint64_t>(U32()) << 32);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A length byte, then that many raw bytes.
    std::string Text(std::size_t maxLength)
    {
        std::string text;
        for (std::size_t n = Byte() % (maxLength + 1); n > 0 && !Empty(); --n)
            text += static_cast<char>(Byte());
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A broken invariant is a finding: say which and stop, so libFuzzer keeps the input.
inline void Require(bool holds, const std::string& what)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}
