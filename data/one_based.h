#pragma once

#include <array>
#include <cstddef>

namespace telvo {

// Rows, slots, channels and device slots are numbered from 1 throughout the
// program; this array keeps that numbering so no call site has to shift by one.
template <typename T, int N>
struct One_Based {
    std::array<T, N> Items{};

    static constexpr int First = 1;
    static constexpr int Last = N;

    T &operator[](int i) { return Items[static_cast<std::size_t>(i - 1)]; }
    const T &operator[](int i) const { return Items[static_cast<std::size_t>(i - 1)]; }

    void Fill(const T &value) { Items.fill(value); }

    auto begin() { return Items.begin(); }
    auto end() { return Items.end(); }
    auto begin() const { return Items.begin(); }
    auto end() const { return Items.end(); }

    bool operator==(const One_Based &) const = default;
};

} // namespace telvo
