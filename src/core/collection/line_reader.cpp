// SPDX-License-Identifier: MIT
#include "core/collection/line_reader.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace ravello::collection {

LineReader::LineReader(const std::filesystem::path& file, std::size_t blockSize,
                       std::size_t maxLineBytes, std::size_t buffers)
    : m_spares(std::max<std::size_t>(buffers, 1) - 1),
      m_blockSize(blockSize == 0 ? kDefaultBlockSize : blockSize), m_maxLineBytes(maxLineBytes)
{
    std::error_code error;
    if (std::filesystem::is_directory(file, error))
        return;
    m_stream.open(file, std::ios::binary);
    m_open = m_stream.is_open();
    if (!m_open)
        return;
    const auto size = std::filesystem::file_size(file, error);
    m_size = error ? 0 : static_cast<std::uint64_t>(size);
    // Two blocks, so that a line running over the end of a block never makes it grow.
    m_buffer.resize(2 * m_blockSize);
}

bool LineReader::next(std::string_view& line)
{
    if (!m_open)
        return false;
    for (;;) {
        const char* from = m_buffer.data() + m_begin;
        const std::size_t pending = m_end - m_begin;
        const auto* newline =
            static_cast<const char*>(std::memchr(from + m_searched, '\n', pending - m_searched));
        if (newline != nullptr) {
            const auto length = static_cast<std::size_t>(newline - from);
            line = std::string_view(from, length);
            m_begin += length + 1;
            m_position += length + 1;
            m_searched = 0;
            return true;
        }
        m_searched = pending;
        if (!refill()) {
            if (m_failed || pending == 0)
                return false;
            // The last line of a file that does not end with a line end.
            line = std::string_view(m_buffer.data() + m_begin, pending);
            m_begin = m_end;
            m_position += pending;
            m_searched = 0;
            return true;
        }
    }
}

bool LineReader::nextLines(std::string_view& lines)
{
    if (!m_open)
        return false;
    for (;;) {
        const char* from = m_buffer.data() + m_begin;
        const std::size_t pending = m_end - m_begin;
        // Lines are short: the last line end is found sooner from the back than from the front.
        std::size_t whole = pending;
        while (whole > m_searched && from[whole - 1] != '\n')
            --whole;
        if (whole > m_searched) {
            lines = std::string_view(from, whole);
            m_begin += whole;
            m_position += whole;
            m_searched = 0;
            return true;
        }
        m_searched = pending;
        if (!refill()) {
            if (m_failed || pending == 0)
                return false;
            lines = std::string_view(m_buffer.data() + m_begin, pending);
            m_begin = m_end;
            m_position += pending;
            m_searched = 0;
            return true;
        }
    }
}

// Moves the unfinished line to the front of the buffer (growing it when that line fills it)
// and reads the next block behind it. False at the end of the file or on an error. When lines
// of the buffer have been given and the reader has others, the line goes to the next one.
bool LineReader::refill()
{
    if (m_atEnd)
        return false;
    const std::size_t pending = m_end - m_begin;
    if (pending > m_maxLineBytes) {
        m_lineTooLong = m_failed = true;
        return false;
    }
    if (m_begin > 0 && !m_spares.empty()) {
        std::vector<char>& next = m_spares[m_nextSpare];
        next.resize(std::max({next.size(), 2 * m_blockSize, pending}));
        std::memcpy(next.data(), m_buffer.data() + m_begin, pending);
        std::swap(m_buffer, next);
        m_nextSpare = (m_nextSpare + 1) % m_spares.size();
    } else if (m_begin > 0 && pending > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, pending);
    }
    m_begin = 0;
    m_end = pending;
    if (m_buffer.size() - m_end < m_blockSize)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_end + m_blockSize));
    m_stream.read(m_buffer.data() + m_end, static_cast<std::streamsize>(m_blockSize));
    const auto got = static_cast<std::size_t>(m_stream.gcount());
    m_end += got;
    if (got > 0)
        ++m_blocks;
    if (m_stream.bad())
        m_failed = true;
    if (!m_stream)
        m_atEnd = true;
    return got > 0 && !m_failed;
}

} // namespace ravello::collection
