#include "picture.h"

#include "media.h"

namespace plat {

std::vector<uint32_t> Picture::pixels() const {
    if (!indexed()) return argb;
    std::vector<uint32_t> out(indices.size());
    for (size_t i = 0; i < indices.size(); ++i) out[i] = palette[indices[i]];
    return out;
}

PictureRef PictureStore::get(const std::string& name) {
    auto it = loaded_.find(name);
    if (it != loaded_.end()) return it->second;
    PictureRef p = media().loadPicture(folder_ + "/" + name + ".bmp", name, false);
    loaded_[name] = p;
    return p;
}

CursorRef PictureStore::cursor(const std::string& name, int hotX, int hotY) {
    auto c = std::make_shared<Cursor>();
    c->picture = media().loadPicture(folder_ + "/" + name + ".bmp", name, true);
    c->hotX = hotX;
    c->hotY = hotY;
    return c;
}

}  // namespace plat
