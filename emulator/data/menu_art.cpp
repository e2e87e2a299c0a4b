#include "data/menu_art.h"

namespace tmb {

// Empty until the menu artwork exists; kept in ROM at their final sizes.
alignas(4) const uint16_t kMenuPalette[kMenuPaletteColours] = {};
alignas(4) const uint8_t kMenuTiles[kMenuTileBytes] = {};
alignas(4) const uint16_t kMenuPanelMap[kMenuPanelMapEntries] = {};
alignas(4) const uint16_t kStatusLineMap[kStatusLineMapEntries] = {};
alignas(4) const uint16_t kPreviewPanelMap[kPreviewPanelMapEntries] = {};
alignas(4) const uint16_t kVirtualKeyboardMap[kVirtualKeyboardMapEntries] = {};

}  // namespace tmb
