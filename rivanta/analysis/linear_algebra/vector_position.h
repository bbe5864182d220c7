// Node and panel numbers are ints, as the records keep them; the vectors they index take sizes.
#pragma once

#include <cstddef>

inline std::size_t at(int i) { return static_cast<std::size_t>(i); }
