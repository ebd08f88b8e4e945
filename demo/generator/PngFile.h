// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "generator/IndexedImage.h"

namespace corvane::demo {

// The bytes of a PNG file of the picture: 8-bit palette colour, no text or time chunks, so the
// same picture always gives the same bytes. Empty when the picture cannot be stored (no or
// more than 256 colours, no pixels).
std::string encodePng(const IndexedImage& image);

}  // namespace corvane::demo
