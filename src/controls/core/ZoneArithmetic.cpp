#include "controls/core/ZoneArithmetic.h"

#include <algorithm>

namespace ZoneArithmetic {

std::vector<int32_t> DefaultStages(size_t count, int32_t minimum, int32_t maximum)
{
    const int64_t step = (int64_t{maximum} - minimum) / static_cast<int64_t>(count + 1);
    std::vector<int32_t> values(count);
    for (size_t index = 0; index < count; ++index)
        values[index] = static_cast<int32_t>(static_cast<int64_t>(index + 1) * step + minimum);
    return values;
}

std::vector<CapRange> CapRanges(std::span<const int32_t> values, int32_t minimum, int32_t maximum, bool free)
{
    std::vector<CapRange> ranges(values.size(), CapRange{minimum, maximum});
    if (free || values.size() < 2)
        return ranges;
    for (size_t index = 0; index < values.size(); ++index) {
        if (index > 0)
            ranges[index].lower = values[index - 1];
        if (index + 1 < values.size())
            ranges[index].upper = values[index + 1];
    }
    return ranges;
}

void ApplyDefaultGreys(std::vector<uint32_t>& colours, size_t thumbCount, int32_t minimum, int32_t maximum)
{
    // Every zone has a colour: a thumb added without one must not leave its zone unpainted.
    if (colours.size() < thumbCount + 1)
        colours.resize(thumbCount + 1, 0);
    const int64_t range = int64_t{maximum} - minimum;
    const int64_t increment = range != 0 ? static_cast<int64_t>(thumbCount + 1) * 255 / range : 0;
    for (size_t zone = 0; zone < thumbCount; ++zone) {
        const auto grey = static_cast<uint32_t>((static_cast<int64_t>(zone) * increment) & 0xFF);
        colours[zone] = grey | (grey << 8) | (grey << 16);
    }
}

size_t ZoneOf(std::span<const int32_t> values, int32_t value) noexcept
{
    const auto greater = std::find_if(values.begin(), values.end(), [value](int32_t thumb) { return thumb > value; });
    return static_cast<size_t>(greater - values.begin());
}

int32_t ValueUnder(int32_t x, int32_t start, int32_t end, int32_t minimum, int32_t maximum) noexcept
{
    if (end <= start)
        return minimum;
    const int64_t along = std::clamp(x, start, end) - int64_t{start};
    return static_cast<int32_t>(minimum + (int64_t{maximum} - minimum) * along / (int64_t{end} - start));
}

std::vector<Span> ZoneSpans(std::span<const int32_t> centres, int32_t left, int32_t right)
{
    std::vector<Span> spans;
    spans.reserve(centres.size() + 1);
    int32_t from = left;
    for (const int32_t centre : centres) {
        spans.push_back(Span{from, centre});
        from = centre;
    }
    spans.push_back(Span{from, right});
    return spans;
}

}  // namespace ZoneArithmetic
