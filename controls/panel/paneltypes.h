#pragma once

// The enumerations a panel's properties take.

#include <cstdint>
#include <initializer_list>

// Vertical placement of the caption.
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

// A bevel: none, lowered (dark top-left edges), raised, or space (drawn like
// a raised one).
enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// The strip at the right edge: none, with a right-pointing or with a
// down-pointing arrow.
enum TTipusApendix : uint8_t { taCap, taDreta, taAbaix };

// Placement and stretching of a panel's picture.
enum TEstilCentrat : uint8_t {
    ecNoCentrat,
    ecEsquerra,
    ecCentre,
    ecDreta,
    ecSuperior,
    ecInferior,
    ecCentreVertical,
};

// A set of TEstilCentrat: bit n for ordinal n.
class TSetEstilCentrat {
public:
    constexpr TSetEstilCentrat() = default;
    constexpr TSetEstilCentrat(std::initializer_list<TEstilCentrat> styles) {
        for (const TEstilCentrat style : styles)
            bits_ = static_cast<uint8_t>(bits_ | (1u << style));
    }

    constexpr bool Contains(TEstilCentrat style) const { return (bits_ & (1u << style)) != 0; }
    constexpr bool IsEmpty() const { return bits_ == 0; }
    friend constexpr bool operator==(TSetEstilCentrat, TSetEstilCentrat) = default;

private:
    uint8_t bits_ = 0;
};
