// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "history/WalFile.h"

#include "history/DatabaseHeader.h"

namespace {

constexpr std::uint32_t Magic = 0x377f0682;
constexpr std::uint32_t FormatVersion = 3007000;
constexpr std::uint32_t MinPageSize = 512;
constexpr std::uint32_t MaxPageSize = 65536;

std::uint32_t BigEndian(const char *bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

std::uint32_t LittleEndian(const char *bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return std::uint32_t(b[3]) << 24 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[1]) << 8 | b[0];
}

bool ValidPageSize(std::uint32_t size)
{
    return size >= MinPageSize && size <= MaxPageSize && (size & (size - 1)) == 0;
}

// SQLite's running checksum: two 32-bit sums over pairs of words.
struct Checksum
{
    std::uint32_t First = 0;
    std::uint32_t Second = 0;

    static Checksum StoredAt(const char *bytes) { return {BigEndian(bytes), BigEndian(bytes + 4)}; }
    bool operator==(const Checksum &) const = default;

    // `length` is a multiple of 8.
    void Add(const char *bytes, qint64 length, bool bigEndian)
    {
        for (qint64 at = 0; at + 8 <= length; at += 8) {
            const std::uint32_t x0 = bigEndian ? BigEndian(bytes + at) : LittleEndian(bytes + at);
            const std::uint32_t x1 = bigEndian ? BigEndian(bytes + at + 4) : LittleEndian(bytes + at + 4);
            First += x0 + Second;
            Second += x1 + First;
        }
    }
};

// A frame as read from the file: its header fields and whether its
// checksum, run on from `previous`, matches the one it stores.
struct Frame
{
    std::uint32_t Page = 0;
    std::uint32_t CommitSize = 0;
    QByteArray Salts;
    Checksum Stored;
    Checksum Computed;

    Frame(const QByteArray &bytes, Checksum previous, bool bigEndian)
        : Page(BigEndian(bytes.constData()))
        , CommitSize(BigEndian(bytes.constData() + 4))
        , Salts(bytes.mid(8, 8))
        , Stored(Checksum::StoredAt(bytes.constData() + 16))
        , Computed(previous)
    {
        Computed.Add(bytes.constData(), 8, bigEndian);
        Computed.Add(bytes.constData() + WalFile::FrameHeaderSize, bytes.size() - WalFile::FrameHeaderSize, bigEndian);
    }
    // As SQLite decides: the generation's salts, a page number and the checksum.
    bool Valid(const QByteArray &salts) const { return Salts == salts && Page != 0 && Computed == Stored; }
};

} // namespace

WalFile::WalFile(const QByteArray &bytes)
    : WalFile(bytes.size(), [&bytes](qint64 offset, qint64 length) { return bytes.mid(offset, length); })
{ }

WalFile::WalFile(qint64 size, const Reader &read)
{
    const QByteArray header = read(0, HeaderSize);
    if (header.size() < HeaderSize)
        return;
    const std::uint32_t magic = BigEndian(header.constData());
    const bool bigEndian = (magic & 1) != 0;
    const std::uint32_t pageSize = BigEndian(header.constData() + 8);
    Checksum sum;
    sum.Add(header.constData(), 24, bigEndian);
    m_headerValid = (magic & ~1u) == Magic && BigEndian(header.constData() + 4) == FormatVersion
        && ValidPageSize(pageSize) && sum == Checksum::StoredAt(header.constData() + 24);
    if (m_headerValid) {
        m_pageSize = pageSize;
        ReadFrames(size, read, header);
    } else {
        // SQLite ignores the whole log; frames that still chain behind the
        // damaged header were committed work all the same.
        m_dropsCommits = LooksLikeLostCommits(size, read, header);
    }
}

void WalFile::ReadFrames(qint64 size, const Reader &read, const QByteArray &header)
{
    const bool bigEndian = (BigEndian(header.constData()) & 1) != 0;
    const QByteArray salts = header.mid(16, 8);
    const qint64 frameSize = FrameHeaderSize + m_pageSize;
    m_frameCount = int(std::min<qint64>((size - HeaderSize) / frameSize, INT32_MAX));
    Checksum running = Checksum::StoredAt(header.constData() + 24);
    std::vector<std::pair<int, QByteArray>> firstPages;
    bool broken = false;
    for (int index = 0; index < m_frameCount && !m_dropsCommits; ++index) {
        const QByteArray bytes = read(HeaderSize + index * frameSize, frameSize);
        if (bytes.size() < frameSize)
            break;
        const Frame frame(bytes, running, bigEndian);
        if (!broken && frame.Valid(salts)) {
            ++m_validFrames;
            if (frame.CommitSize != 0)
                m_appliedFrames = index + 1;
            if (frame.Page == 1)
                firstPages.emplace_back(index, bytes.mid(FrameHeaderSize, DatabaseHeader::Size));
            running = frame.Computed;
            continue;
        }
        if (broken && frame.Valid(salts) && frame.CommitSize != 0)
            m_dropsCommits = true;
        broken = true;
        // The next frame's checksum runs on from what this one stores,
        // whatever became of this frame's own bytes.
        running = frame.Stored;
    }
    for (const auto &[index, page] : firstPages) {
        if (index < m_appliedFrames)
            m_firstPages.push_back(page);
    }
}

bool WalFile::LooksLikeLostCommits(qint64 size, const Reader &read, const QByteArray &header)
{
    // Any field of the header may be the damaged one: every page size and
    // byte order is tried, with the salts the first frame carries.
    for (std::uint32_t pageSize = MinPageSize; pageSize <= MaxPageSize; pageSize *= 2) {
        const qint64 frameSize = FrameHeaderSize + pageSize;
        const qint64 frames = (size - HeaderSize) / frameSize;
        if (frames < 1)
            break;
        const QByteArray salts = read(HeaderSize + 8, 8);
        for (const bool bigEndian : {false, true}) {
            Checksum previous = Checksum::StoredAt(header.constData() + 24);
            for (qint64 index = 0; index < frames; ++index) {
                const QByteArray bytes = read(HeaderSize + index * frameSize, frameSize);
                if (bytes.size() < frameSize)
                    break;
                const Frame frame(bytes, previous, bigEndian);
                if (frame.Valid(salts) && frame.CommitSize != 0)
                    return true;
                previous = frame.Stored;
            }
        }
    }
    return false;
}
