// The media library: the game's pictures read from BMP files (bmp_file.h)
// and its text in the Liberation faces (fonts.h), the two things the
// platform core asks for through media.h.
#pragma once

namespace plat {

// Registers the media library with the core (useMedia) for the rest of the
// run. Programs call it first thing; calling it again changes nothing.
void useMediaLibrary();

}  // namespace plat
