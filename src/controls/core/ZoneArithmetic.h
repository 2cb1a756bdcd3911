#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The arithmetic of a zone slider: thumbs, left to right, split a range into zones, zone 0 left
// of the first thumb and zone n right of the last; each zone has its colour (red + 256 x green
// + 65536 x blue).
namespace ZoneArithmetic {

struct CapRange
{
    int32_t lower = 0;
    int32_t upper = 0;
    friend bool operator==(const CapRange&, const CapRange&) = default;
};

struct Span
{
    int32_t left = 0;
    int32_t right = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

// `count` thumbs spread evenly: the step is (maximum - minimum) / (count + 1), whole steps, and
// thumb i (from 0) stands at (i + 1) x step + minimum.
[[nodiscard]] std::vector<int32_t> DefaultStages(size_t count, int32_t minimum, int32_t maximum);

// The steps each thumb may take: the whole range when `free` or for a single thumb; otherwise
// from the thumb before it (or the minimum) to the thumb after it (or the maximum), so no thumb
// passes a neighbour.
[[nodiscard]] std::vector<CapRange> CapRanges(std::span<const int32_t> values, int32_t minimum, int32_t maximum,
                                              bool free);

// Gives the list one colour per zone (new entries black) and makes the zones left of the last
// thumb grey, from black upwards in steps of (count + 1) x 255 / (maximum - minimum), each
// channel kept in 8 bits; the last zone keeps its colour. A range without steps gives black.
void ApplyDefaultGreys(std::vector<uint32_t>& colours, size_t thumbCount, int32_t minimum, int32_t maximum);

// The zone a value falls in: the position of the first thumb whose value is greater, or the
// thumb count when none is.
[[nodiscard]] size_t ZoneOf(std::span<const int32_t> values, int32_t value) noexcept;

// The value under `x` on a track whose minimum lies at `start` and maximum at `end`, whole
// steps towards the minimum; the nearer end's value outside the track.
[[nodiscard]] int32_t ValueUnder(int32_t x, int32_t start, int32_t end, int32_t minimum, int32_t maximum) noexcept;

// The zones' horizontal spans between the thumbs' centres, from `left` to `right`: one more
// than there are centres.
[[nodiscard]] std::vector<Span> ZoneSpans(std::span<const int32_t> centres, int32_t left, int32_t right);

}  // namespace ZoneArithmetic
