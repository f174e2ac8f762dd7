#pragma once

// Bounds on what a calculator or an archive may make the link hold.
namespace LinkLimits {
// Largest file the link agrees to hold in memory; larger listed sizes are refused up front.
inline constexpr int maxFileSize = 64 * 1024 * 1024;
// Most files a calculator may list (and a restore may send).
inline constexpr int maxFileCount = 65535;
inline constexpr int defaultChunkSize = 512;
// A FRAME message wraps the chunk in its own fields: type (2 bytes), the frame sub-message header
// (at most 4), size and frameNum (at most 6 each for non-negative values) and the data element's
// header (at most 4) - 22 bytes. The margin leaves room for that with slack to spare, so a frame
// of a full chunk always fits the 16-bit length field.
inline constexpr int maxChunkSize = 65535 - 64;
} // namespace LinkLimits
