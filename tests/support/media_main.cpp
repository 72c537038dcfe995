// The main of the test programs: the media library registered first, as the
// game and the runner register it at start-up, then every test.
#include <gtest/gtest.h>

#include "platform/media/media_library.h"

int main(int argc, char** argv) {
    plat::useMediaLibrary();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
