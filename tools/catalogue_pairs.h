// The generators pair each catalogued name with the code that makes its
// file by the name itself, never by position. pairsEachOnce checks such a
// table at compile time: every catalogued name has exactly one maker and
// every maker a catalogued name, so a swap or a typo in either list stops
// the build instead of writing a file under another's name.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace catalogue_pairs {

// makers: entries with a member `name`; named: the catalogue's entries,
// nameOf(entry) giving each one's name.
template <typename Maker, std::size_t N, typename Entry, std::size_t M, typename NameOf>
constexpr bool pairsEachOnce(const std::array<Maker, N>& makers, const std::array<Entry, M>& named, NameOf nameOf) {
    if (N != M) return false;
    for (const Entry& entry : named) {
        int found = 0;
        for (const Maker& maker : makers) found += std::string_view(maker.name) == std::string_view(nameOf(entry));
        if (found != 1) return false;
    }
    for (const Maker& maker : makers) {
        int found = 0;
        for (const Entry& entry : named) found += std::string_view(maker.name) == std::string_view(nameOf(entry));
        if (found != 1) return false;
    }
    return true;
}

// The maker of that name (one pairsEachOnce has checked is there).
template <typename Maker, std::size_t N>
constexpr const Maker& makerOf(const std::array<Maker, N>& makers, std::string_view name) {
    for (const Maker& maker : makers)
        if (name == maker.name) return maker;
    return makers[0];
}

}  // namespace catalogue_pairs
