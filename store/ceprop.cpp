#include "store/ceprop.h"

#include "platform/messagebox.h"

namespace velmora {

namespace {
const std::u16string kNoText;
const std::vector<uint8_t> kNoBlob;
const CCeDbProp kNoProp;

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// The first `limit` units of `text`, one less when that would split a surrogate pair.
std::u16string_view CutText(std::u16string_view text, size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    size_t n = limit;
    if (n > 0 && IsHighSurrogate(text[n - 1])) {
        --n;
    }
    return text.substr(0, n);
}
}  // namespace

void CCeDbProp::Reset(uint16_t type) {
    m_v.type = type;
    m_v.i = 0;
    m_v.r = 0.0;
    m_v.text.clear();
    m_v.blob.clear();
}

void CCeDbProp::Set(uint16_t type, int64_t v) {
    Reset(type);
    m_v.i = v;
}

void CCeDbProp::SetR8(double v) {
    Reset(CEVT_R8);
    m_v.r = v;
}

void CCeDbProp::SetFileTime(const FILETIME& ft) {
    Reset(CEVT_FILETIME);
    m_v.i = static_cast<int64_t>(ft.Value());
}

void CCeDbProp::SetBlob(const uint8_t* bytes, size_t count) {
    Reset(CEVT_BLOB);
    if (bytes && count) {
        m_v.blob.assign(bytes, bytes + count);
    }
}

void CCeDbProp::SetText(const char16_t* text) {
    SetText(text ? std::u16string_view(text) : std::u16string_view());
}

void CCeDbProp::SetText(std::u16string_view text) {
    Reset(CEVT_LPWSTR);
    if (text.size() > kMaxPropText) {
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Very long string??"));
    }
    m_v.text.assign(CutText(text, kMaxPropText));
}

int32_t CCeDbProp::IntValue() const {
    switch (m_v.type) {
        case CEVT_I2:
            return static_cast<int16_t>(m_v.i);
        case CEVT_UI2:
            return static_cast<uint16_t>(m_v.i);
        case CEVT_I4:
        case CEVT_BOOL:
        case CEVT_UI4:
            return static_cast<int32_t>(m_v.i);
        default:
            return 0;
    }
}

FILETIME CCeDbProp::FileTimeValue() const {
    return m_v.type == CEVT_FILETIME ? FILETIME::FromValue(static_cast<uint64_t>(m_v.i))
                                     : FILETIME{};
}

const std::u16string& CCeDbProp::TextValue() const {
    return m_v.type == CEVT_LPWSTR ? m_v.text : kNoText;
}

const std::vector<uint8_t>& CCeDbProp::BlobValue() const {
    return m_v.type == CEVT_BLOB ? m_v.blob : kNoBlob;
}

bool CCeDbProp::AssignFromStore(StoredProp&& stored) {
    switch (stored.type) {
        case CEVT_I2:
        case CEVT_BOOL:  // a BOOL reads back as a 16-bit value
            Set(CEVT_I2, static_cast<int16_t>(stored.i));
            break;
        case CEVT_I4:
        case CEVT_UI4:  // a UI4 reads back as an I4 with the same bits
            Set(CEVT_I4, static_cast<int32_t>(static_cast<uint32_t>(stored.i)));
            break;
        case CEVT_UI2:
            Set(CEVT_UI2, static_cast<uint16_t>(stored.i));
            break;
        case CEVT_R8:
            SetR8(stored.r);
            break;
        case CEVT_FILETIME:
            Set(CEVT_FILETIME, stored.i);
            break;
        case CEVT_LPWSTR:
            Reset(CEVT_LPWSTR);
            if (stored.text.size() > kMaxPropText) {
                // Only a file edited by hand holds more; keep what a value can hold.
                m_v.text.assign(CutText(stored.text, kMaxPropText));
            } else {
                m_v.text.swap(stored.text);
            }
            break;
        case CEVT_BLOB:
            Reset(CEVT_BLOB);
            m_v.blob.swap(stored.blob);
            break;
        default:
            return false;
    }
    m_v.id = 0;  // ids belong to positions; they are given again when written
    return true;
}

void CCeDbPropArray::Insert(size_t pos, const CCeDbProp& prop) {
    if (pos > m_items.size()) {
        pos = m_items.size();
    }
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(pos), prop);
}

const CCeDbProp& CCeDbPropArray::operator[](size_t index) const {
    if (m_items.empty()) {
        return kNoProp;
    }
    return m_items[index < m_items.size() ? index : m_items.size() - 1];
}

CCeDbProp& CCeDbPropArray::At(size_t index) {
    if (m_items.empty()) {
        m_items.emplace_back();
    }
    return m_items[index < m_items.size() ? index : m_items.size() - 1];
}

}  // namespace velmora
