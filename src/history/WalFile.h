// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// What SQLite will make of a write-ahead log ("games.db-wal"), told from its
// bytes alone before SQLite opens it, after SQLite's documented WAL format:
// a 32-byte header (magic 0x377f0682 or 0x377f0683, format version 3007000,
// page size, checkpoint sequence, salt-1, salt-2, checksum-1, checksum-2)
// and frames of a 24-byte header (page number, database size after a
// commit or 0, salt-1, salt-2, checksum-1, checksum-2) and one page each.
// The checksums run on from the header's through every frame, over the
// frame header's first 8 bytes and the page, in 32-bit words whose byte
// order the magic's low bit selects (1: big-endian).
//
// When SQLite opens the database it reads the frames in order as long as
// their salts are the header's and their checksums hold, and applies them
// up to the last commit frame among them; everything from the first frame
// that fails on is thrown away without a word.  One damaged byte in an
// early frame thus drops every game action after it.  This class tells
// where that happens and whether committed frames of the same generation
// (the header's salts) lie behind the damage: such a frame's checksum is
// checked from the one stored in the frame before it, which needs no
// intact frame further back.

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <vector>

class WalFile
{
public:
    static constexpr qint64 HeaderSize = 32;
    static constexpr qint64 FrameHeaderSize = 24;

    // Reads up to `length` bytes at `offset` of the file (fewer at its end).
    using Reader = std::function<QByteArray(qint64 offset, qint64 length)>;

    WalFile(qint64 size, const Reader &read);
    explicit WalFile(const QByteArray &bytes);

    // Whether SQLite accepts the header; without it no frame is applied.
    bool HeaderValid() const { return m_headerValid; }
    std::uint32_t PageSize() const { return m_pageSize; }
    // Complete frames in the file (0 without a valid header).
    int FrameCount() const { return m_frameCount; }
    // The frames from the first on whose salts and checksums hold.
    int ValidFrames() const { return m_validFrames; }
    // The frames SQLite applies: the valid ones up to the last commit frame among them.
    int AppliedFrames() const { return m_appliedFrames; }
    // Whether a commit frame that looks valid lies behind a frame that
    // fails (or behind a damaged header): SQLite would throw away
    // committed work.  A damaged last frame drops only the last commit
    // and is no such case.
    bool DropsCommits() const { return m_dropsCommits; }
    // The first DatabaseHeader::Size bytes of page 1 in each applied frame that holds it, in order.
    const std::vector<QByteArray> &AppliedFirstPages() const { return m_firstPages; }

private:
    void ReadFrames(qint64 size, const Reader &read, const QByteArray &header);
    static bool LooksLikeLostCommits(qint64 size, const Reader &read, const QByteArray &header);

    bool m_headerValid = false;
    std::uint32_t m_pageSize = 0;
    int m_frameCount = 0;
    int m_validFrames = 0;
    int m_appliedFrames = 0;
    bool m_dropsCommits = false;
    std::vector<QByteArray> m_firstPages;
};
