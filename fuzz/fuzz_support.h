// Shared by the fuzz targets: profiles and a canvas that take the plain road,
// so that a target can check the canvas's shortcuts against it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "canvas.h"
#include "color_ramp.h"
#include "image.h"
#include "stroke_profile.h"
#include "support/plain_road.h"

namespace fuzz {

using ::ForwardingProfile;
using ::InOrderCanvas;

inline void ExpectSameBytes(const BufferImage& a, const BufferImage& b) {
    if (a.ByteSize() != b.ByteSize() || std::memcmp(a.Data(), b.Data(), a.ByteSize()) != 0)
        std::abort();
}

}  // namespace fuzz
