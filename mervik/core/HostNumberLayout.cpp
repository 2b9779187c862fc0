#include "HostNumberLayout.h"

#include <cmath>
#include <cstring>

namespace mervik {
namespace {
const unsigned char kTag[8] = {'M', 'V', 'N', '1', 0, 0, 0, 0};
}

void EncodeHostNumber(double value, unsigned char (&bytes)[kHostNumberBytes]) {
    std::memcpy(bytes, kTag, sizeof kTag);
    std::memcpy(bytes + sizeof kTag, &value, sizeof value);
}

bool DecodeHostNumber(const unsigned char (&bytes)[kHostNumberBytes], double& value) {
    if (std::memcmp(bytes, kTag, sizeof kTag) != 0)
        return false;
    double read = 0;
    std::memcpy(&read, bytes + sizeof kTag, sizeof read);
    if (!std::isfinite(read))
        return false;
    value = read;
    return true;
}

} // namespace mervik
