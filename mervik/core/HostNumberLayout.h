// The 16-byte host number: a tag that marks the bytes as ours, then the value
// as an IEEE double.  Bytes without the tag are refused when read.
#pragma once

#include <cstddef>

namespace mervik {

constexpr std::size_t kHostNumberBytes = 16;

void EncodeHostNumber(double value, unsigned char (&bytes)[kHostNumberBytes]);
// False for bytes that hold no host number or a value that is not finite.
bool DecodeHostNumber(const unsigned char (&bytes)[kHostNumberBytes], double& value);

} // namespace mervik
