#ifndef QUENDRALVOSS_CONTENT_PICTURESCENES_H
#define QUENDRALVOSS_CONTENT_PICTURESCENES_H

#include "content/Image.h"

// Pictures that show a scene or a drawing rather than a surface.

// The title "Quendralvoss" in white on a transparent strip.
void drawTitleLettering(Image& strip);
// A gamepad outline with the control of set-up step 0..7 highlighted.
void drawGamepad(Image& image, int step);
// The maker's splash logo: a pixel-art lantern over black.
Image splashLogo();
// The wordless story pictures of the ending (257..271), 1024 x 768.
Image endingPicture(int number);
// The same stretched to 1024 x 1024, as the texture is stored.
Image endingTexture(int number);
// Atlas of old portraits, round sketches and an instant photo of a dog.
Image portraitAtlas();
// A faded oil painting, too dark to make out.
Image fadedPainting();
// Old photographs of people.
Image oldPhotos();

#endif
