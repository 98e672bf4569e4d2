#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/objectstore.h"
#include "platform/timezone.h"

namespace velmora {

// Longest text a value holds, in UTF-16 units.
inline constexpr size_t kMaxPropText = 199;

// One typed value of a record. A default value has type 0 and holds nothing. Each setter
// replaces whatever the value held before.
class CCeDbProp {
public:
    CCeDbProp() = default;

    uint16_t GetType() const { return m_v.type; }
    // Property id: 0 in memory; records get their ids (their positions) when written.
    uint16_t GetPropId() const { return m_v.id; }

    void SetI2(int16_t v) { Set(CEVT_I2, v); }
    void SetI4(int32_t v) { Set(CEVT_I4, v); }
    void SetUI2(uint16_t v) { Set(CEVT_UI2, v); }
    void SetUI4(uint32_t v) { Set(CEVT_UI4, v); }
    // A BOOL is kept as 32 bits, sign-extended from the 16-bit argument.
    void SetBool(int16_t v) { Set(CEVT_BOOL, static_cast<int32_t>(v)); }
    void SetR8(double v);
    void SetFileTime(const FILETIME& ft);
    void SetBlob(const uint8_t* bytes, size_t count);
    // Texts hold at most 199 units. A longer text is announced ("Very long string??") and
    // cut to its first 199 units, never splitting a surrogate pair. A null text is empty.
    void SetText(const char16_t* text);
    void SetText(std::u16string_view text);

    // Typed reads. Each gives its type's empty value when the value holds another type.
    int32_t IntValue() const;  // I2, I4, BOOL, UI2, UI4
    double R8Value() const { return m_v.type == CEVT_R8 ? m_v.r : 0.0; }
    FILETIME FileTimeValue() const;
    const std::u16string& TextValue() const;
    const std::vector<uint8_t>& BlobValue() const;

    // The value as the store takes it, with property id `id`.
    const StoredProp& Stored() const { return m_v; }
    // Builds the value a stored one reads back as: BOOL comes back as a 16-bit I2, UI4 as
    // an I4 with the same bits, integers keep the bits of their width. Returns false (and
    // leaves the value unchanged) for a type the store does not know.
    bool AssignFromStore(StoredProp&& stored);

private:
    void Set(uint16_t type, int64_t v);
    void Reset(uint16_t type);

    StoredProp m_v;
};

// The values of one record; a value's position is its property id.
class CCeDbPropArray {
public:
    void Clear() { m_items.clear(); }
    // Inserts at `pos`; a position past the end appends.
    void Insert(size_t pos, const CCeDbProp& prop);
    void Append(const CCeDbProp& prop) { m_items.push_back(prop); }
    size_t GetCount() const { return m_items.size(); }
    // Access clamps an index past the end to the last value (an empty array gives an empty
    // value), so a short record from an older file still reads.
    const CCeDbProp& operator[](size_t index) const;
    CCeDbProp& At(size_t index);

    void Resize(size_t count) { m_items.resize(count); }

private:
    std::vector<CCeDbProp> m_items;
};

}  // namespace velmora
