#include "zone_totals.h"

#include <cmath>
#include <cstddef>

namespace telvo {

namespace {

// The zone's selected channels as 0-based indexes into a slot's counts, so
// the sums below visit only those channels.
struct Channel_List {
    std::array<std::size_t, Channel_Count> Index{};
    std::size_t Size = 0;

    const std::size_t *begin() const { return Index.data(); }
    const std::size_t *end() const { return Index.data() + Size; }
};

Channel_List Selected_Channels(const ID_Record &record, int zone)
{
    Channel_List list;
    if (zone < 0 || zone >= Zones_Per_Device)
        return list;
    const auto &flags = record.Zones[static_cast<std::size_t>(zone)].Channels.Items;
    for (std::size_t index = 0; index < flags.size(); ++index) {
        if (flags[index])
            list.Index[list.Size++] = index;
    }
    return list;
}

// Channels pair up as (1,2), (3,4) ...: in 0-based indexes a channel and its
// partner differ only in the lowest bit.
std::size_t Partner(std::size_t index)
{
    return index ^ 1u;
}

std::uint16_t Scaled(std::uint16_t count, double factor)
{
    // Factors are never negative and a count times a factor stays far below
    // 2^63, so the 64-bit conversion is exact; storing keeps the low 16 bits
    // like every other count that outgrows them.
    return static_cast<std::uint16_t>(static_cast<std::int64_t>(std::nearbyint(count * factor)));
}

// Scales the incoming (odd) and outgoing (even) channels of the whole day so
// that the zone's two directions come to the same total.
void Balance(Half_Hour_Table_Type &table, const Channel_List &channels)
{
    std::int64_t s = 0;
    std::int64_t p = 0;
    for (const Half_Hour_Slot &slot : table) {
        for (const std::size_t index : channels) {
            s += slot.Counts.Items[index];
            p += slot.Counts.Items[Partner(index)];
        }
    }
    const auto sd = static_cast<double>(s);
    const auto pd = static_cast<double>(p);
    const double f_odd = s != 0 ? 1.0 - (sd - pd) / 2.0 / sd : 1.0;
    const double f_even = p != 0 ? 1.0 - (pd - sd) / 2.0 / pd : 1.0;

    for (Half_Hour_Slot &slot : table) {
        auto &counts = slot.Counts.Items;
        for (std::size_t index = 0; index < counts.size(); index += 2) {
            counts[index] = Scaled(counts[index], f_odd);
            counts[index + 1] = Scaled(counts[index + 1], f_even);
        }
    }
}

} // namespace

std::int32_t Zone_Day_Total(const Model &model, int zone, const ID_Record &record)
{
    const Channel_List channels = Selected_Channels(record, zone);
    std::int32_t total = 0;
    for (const Half_Hour_Slot &slot : model.Half_Hour_Table) {
        for (const std::size_t index : channels)
            total += slot.Counts.Items[index];
    }
    return total;
}

void Zone_In_Out(Model &model, int zone, Day_Result &row, const ID_Record &record)
{
    const Channel_List channels = Selected_Channels(record, zone);
    if (model.Enable_Day_Tab1 && model.Enable_Day_Balance)
        Balance(model.Half_Hour_Table, channels);

    for (int s = 1; s <= Half_Hour_Slots; ++s) {
        const auto &counts = model.Half_Hour_Table[s].Counts.Items;
        std::uint16_t in = 0;
        std::uint16_t out = 0;
        for (const std::size_t index : channels) {
            in = static_cast<std::uint16_t>(in + counts[index]);
            out = static_cast<std::uint16_t>(out + counts[Partner(index)]);
        }
        row.In[s] = in;
        row.Out[s] = out;
    }
}

} // namespace telvo
