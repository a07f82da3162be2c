#ifndef QUENDRALVOSS_TOOLS_SHOTPICTURE_H
#define QUENDRALVOSS_TOOLS_SHOTPICTURE_H

#include <string>
#include <vector>

// An RGB picture of 8-bit bytes, top row first: a shot of the screen or a
// contact sheet of shots.
class ShotPicture {
public:
    // width x height pixels of one grey.
    ShotPicture(int width, int height, unsigned char grey);
    // rgb holds width x height x 3 bytes.
    ShotPicture(int width, int height, std::vector<unsigned char> rgb);

    int width() const { return w; }
    int height() const { return h; }
    // The picture made factor times smaller, each pixel the mean of its block.
    ShotPicture shrunk(int factor) const;
    // Copies other in with its top left corner at (x, y), clipped to this one.
    void paste(const ShotPicture& other, int x, int y);
    // The mean brightness 0..255, to tell a black shot.
    double meanBrightness() const;
    // Writes an 8-bit RGB PNG; false when the file or libpng fails.
    bool writePng(const std::string& path) const;

private:
    int w, h;
    std::vector<unsigned char> rgb;
};

#endif
