#include "gfx/bitfile.h"

#include <new>

#include "gfx/lz77.h"
#include "platform/messagebox.h"
#include "platform/process.h"

namespace velmora {

BitFile* BitFile::Open(std::u16string_view name, char mode) {
    BitFile* f = TakeInjectedAllocationFailure() ? nullptr : new (std::nothrow) BitFile;
    if (!f) {
        return nullptr;
    }
    const char text[2] = {mode, 0};
    f->m_file = CMemoryLikeFile::fopen(name, text);
    if (!f->m_file) {
        delete f;
        return nullptr;
    }
    f->m_mode = mode;
    if (mode == 'r') {
        f->m_count =
            static_cast<uint32_t>(CMemoryLikeFile::fread(f->m_buffer, 1, kBlockSize, f->m_file));
        f->m_current = f->m_buffer[0];
        f->m_bit = 7;
        f->m_index = 1;
        f->m_atEnd = 0;
    } else {
        CMemoryLikeFile::SetBuffer(f->m_file, Lz77OutputPointer(), Lz77OutputSize());
        f->m_bit = 0;
        f->m_index = 0;
        f->m_current = 0;
    }
    return f;
}

void BitFile::Refill() {
    m_count = static_cast<uint32_t>(CMemoryLikeFile::fread(m_buffer, 1, kBlockSize, m_file));
    m_index = 0;
    if (m_count == 0) {
        m_atEnd = 1;
    }
}

uint32_t BitFile::ReadBits(int n) {
    if (n <= 0 || m_mode != 'r') {
        return 0;
    }
    if (n > 32) {
        n = 32;
    }
    uint32_t value = 0;
    for (int i = 0; i < n; ++i) {
        const bool taken0 = m_bit == 0;
        const uint32_t b = (m_bit >= 0 && m_bit <= 31) ? (m_current >> m_bit) & 1u : 0u;
        // Past the end the position only needs to stay outside the byte.
        if (m_bit >= 0) {
            --m_bit;
        }
        value = value << 1 | b;
        if (taken0 && !m_atEnd) {
            m_current = m_buffer[m_index];
            ++m_index;
            if (m_index >= m_count) {
                Refill();
            }
            m_bit = 7;
        }
    }
    return value;
}

int BitFile::WriteBits(uint32_t value, int n) {
    if (m_mode != 'w') {
        return -1;
    }
    if (n > 32) {
        n = 32;
    }
    for (int i = n - 1; i >= 0; --i) {
        m_current = static_cast<uint8_t>(m_current << 1 | ((value >> i) & 1u));
        ++m_bit;
        if (m_bit == 8) {
            m_buffer[m_index] = m_current;
            ++m_index;
            if (m_index == kBlockSize) {
                CMemoryLikeFile::fwrite(m_buffer, 1, kBlockSize, m_file);
                m_index = 0;
            }
            m_current = 0;
            m_bit = 0;
        }
    }
    return 1;
}

void BitFile::Close(BitFile* file) {
    if (!file) {
        return;
    }
    if (file->m_mode == 'w') {
        if (file->m_bit != 0) {
            file->WriteBits(0, 8 - file->m_bit);
        }
        if (file->m_index != 0) {
            CMemoryLikeFile::fwrite(file->m_buffer, 1, file->m_index, file->m_file);
        }
        if (CMemoryLikeFile::fstat(file->m_file).end > Lz77OutputSize()) {
            ShowMessageBox(QT_TRANSLATE_NOOP("Message", "NEPRAVILEN RAZMER NA KOMPRESIRANIQT FILE"),
                           QT_TRANSLATE_NOOP("Message", "Fatal Error"), MbIcon::Stop, MbButtons::Ok,
                           kForegroundWindow);
        }
    }
    CMemoryLikeFile::fclose(file->m_file);
    delete file;
}

}  // namespace velmora
