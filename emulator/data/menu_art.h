// Front-end graphics: menu palette, menu tiles and the background maps.
// Placeholders of the final sizes until the menu artwork is drawn.
#ifndef TAMBERLIN_DATA_MENU_ART_H
#define TAMBERLIN_DATA_MENU_ART_H

#include <stdint.h>

namespace tmb {

constexpr uint32_t kMenuPaletteColours = 80;  // five banks of 16
constexpr uint32_t kMenuTileBytes = 6400;     // tiles 0-199
constexpr uint32_t kMenuPanelMapEntries = 480;
constexpr uint32_t kStatusLineMapEntries = 3 * 32;
constexpr uint32_t kPreviewPanelMapEntries = 13 * 32;
constexpr uint32_t kVirtualKeyboardMapEntries = 4 * 32;

extern const uint16_t kMenuPalette[kMenuPaletteColours];
extern const uint8_t kMenuTiles[kMenuTileBytes];
extern const uint16_t kMenuPanelMap[kMenuPanelMapEntries];
extern const uint16_t kStatusLineMap[kStatusLineMapEntries];
extern const uint16_t kPreviewPanelMap[kPreviewPanelMapEntries];
extern const uint16_t kVirtualKeyboardMap[kVirtualKeyboardMapEntries];

}  // namespace tmb

#endif  // TAMBERLIN_DATA_MENU_ART_H
