// Host build: the test says where its image parts lie in the twin's ROM array.
#include "boot/image_layout.h"

namespace tmb {

namespace {
ImageLayout g_layout{};
}

ImageLayout imageLayout() { return g_layout; }
void setImageLayout(const ImageLayout& layout) { g_layout = layout; }

}  // namespace tmb
