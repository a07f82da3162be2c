#ifndef QUENDRALVOSS_CONTENT_PICTURETEXTS_H
#define QUENDRALVOSS_CONTENT_PICTURETEXTS_H

#include <cstdint>
#include <string>
#include <vector>

// The pictures that carry writing, drawn as dark ink on a transparent ground
// (they lie over the sphere-mapped paper): the invitation's front and the
// three costume notes on its back, and the letter on the desk, each in
// English and in German. Returns the PNG, or empty for other numbers. Without
// `writing` the picture is laid out alike but its writing is left out, so
// that the writing can be told apart from the drawing and the frame.
std::vector<uint8_t> makeTextPicture(int number, bool writing = true);
// The writing of a text picture as written: the title's line, then the
// body's lines (before word wrap); empty for other numbers.
std::string textPictureWriting(int number);

#endif
