#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

// Bounded reading of installation files, block by block.
namespace FileReading {

enum class ReadResult
{
    Complete,  // every byte was handed on
    Missing,   // the file cannot be opened or read
    TooLarge,  // the file holds more than the allowed bytes
};

// Hands the file's bytes to `block` in blocks of at most blockBytes bytes, in order. Stops
// with TooLarge as soon as more than maxBytes bytes were seen (the caller then discards what it
// was given).
ReadResult ReadBlocks(const std::wstring& path, size_t blockBytes, uint64_t maxBytes,
                      const std::function<void(std::span<const uint8_t>)>& block);

// The file's length in bytes; 0 when it cannot be opened.
[[nodiscard]] uint64_t FileLength(const std::wstring& path) noexcept;

}  // namespace FileReading
