#include "media.h"

#include <stdexcept>

namespace plat {

namespace {

Media* registered = nullptr;

}  // namespace

void useMedia(Media* media) { registered = media; }

Media& media() {
    if (!registered) throw std::logic_error("no media registered: the program calls useMedia at start-up");
    return *registered;
}

}  // namespace plat
