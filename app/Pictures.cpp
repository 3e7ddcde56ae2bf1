#include "app/Pictures.h"

#include <string_view>

namespace {

// Opens the file into the item's slot while the slot is empty. A nil result is
// stored too, so the next call tries again; an exception leaves the slot as it was.
fw::Ref<fw::Picture> Cached(fw::Ref<fw::Picture>& pic, std::string_view fileName) {
    if (!pic) {
        pic = fw::Picture::_OpenFromApp(fileName);
    }
    return pic;
}

}  // namespace

fw::Ref<fw::Picture> Curve() {
    static fw::Ref<fw::Picture> pic;
    return Cached(pic, "Curve.png");
}

fw::Ref<fw::Picture> q36() {
    static fw::Ref<fw::Picture> pic;
    return Cached(pic, "q36.png");
}

fw::Ref<fw::Picture> QuenvaleTitle() {
    static fw::Ref<fw::Picture> pic;
    return Cached(pic, "QuenvaleTitle.png");
}

fw::Ref<fw::Picture> QuenvaleSmTitle() {
    static fw::Ref<fw::Picture> pic;
    return Cached(pic, "QuenvaleSmTitle.png");
}
