// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace ravello::collection {

// Reads a file line by line in large blocks, so that memory stays at one block however big
// the file is; a line longer than a block is still given whole (the buffer grows to hold it).
// A reader of more than one buffer fills them in turn, so that what it gave from one stays as
// it is while the others are filled: for a reader that hands lines to another thread.
class LineReader
{
public:
    static constexpr std::size_t kDefaultBlockSize = std::size_t{256} * 1024;
    // No export line comes near this; a file holding a longer one (a disk image chosen by
    // mistake) would otherwise take memory without bound. Reading such a line fails.
    static constexpr std::size_t kDefaultMaxLineBytes = 256u << 20;

    explicit LineReader(const std::filesystem::path& file,
                        std::size_t blockSize = kDefaultBlockSize,
                        std::size_t maxLineBytes = kDefaultMaxLineBytes, std::size_t buffers = 1);

    // False when the file could not be opened.
    bool isOpen() const { return m_open; }

    // Gives the next line without its '\n' (a '\r' before it stays); a last line without a
    // line end counts too. The view lives until the next call. False at the end of the file
    // or on a read error.
    bool next(std::string_view& line);

    // Gives every whole line read and not given yet, as one text: the lines with their '\n'
    // (a last line without a line end comes alone, as it is). The view lives until as many
    // more calls as the reader has buffers: until the next call with one. False at the end of
    // the file or on a read error. Mixed with next(), each line is given once.
    bool nextLines(std::string_view& lines);

    // True when reading stopped on an error rather than at the end of the file.
    bool failed() const { return m_failed; }
    // True when the error was a line longer than the longest the reader takes.
    bool lineTooLong() const { return m_lineTooLong; }
    // Bytes of the file given out as lines so far, line ends included.
    std::uint64_t position() const { return m_position; }
    // The file's size when it was opened; 0 when unknown.
    std::uint64_t size() const { return m_size; }
    // How many blocks have been read so far.
    std::uint64_t blocksRead() const { return m_blocks; }

private:
    bool refill();

    std::ifstream m_stream;
    std::vector<char> m_buffer;              // the one being read
    std::vector<std::vector<char>> m_spares; // the others, the next one to fill first
    std::size_t m_nextSpare = 0;
    std::size_t m_begin = 0;    // first byte not yet given out
    std::size_t m_end = 0;      // end of the bytes read into the buffer
    std::size_t m_searched = 0; // bytes after m_begin known to hold no '\n'
    std::size_t m_blockSize;
    std::size_t m_maxLineBytes;
    std::uint64_t m_position = 0;
    std::uint64_t m_size = 0;
    std::uint64_t m_blocks = 0;
    bool m_open = false;
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_lineTooLong = false;
};

} // namespace ravello::collection
