#ifndef QUENDRALVOSS_CONTENT_PICTURETEXTS_H
#define QUENDRALVOSS_CONTENT_PICTURETEXTS_H

#include <cstdint>
#include <vector>

// The pictures that carry writing, drawn as dark ink on a transparent ground
// (they lie over the sphere-mapped paper): the invitation's front and the
// three costume notes on its back, and the letter on the desk, each in
// English and in German. Returns the PNG, or empty for other numbers.
std::vector<uint8_t> makeTextPicture(int number);

#endif
