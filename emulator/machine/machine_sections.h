// Where the machine's hot code goes on the GBA. The two screen renderers are
// linked to run at the same IWRAM address (the RendererSlot) and copied there
// when chosen, so each has its own section; everything else hot is ordinary
// IWRAM code (gba/attributes.h).
#ifndef TAMBERLIN_MACHINE_SECTIONS_H
#define TAMBERLIN_MACHINE_SECTIONS_H

#include "gba/attributes.h"

#if defined(TMB_HOST)
#define TMB_GAME_RENDERER_CODE
#define TMB_PREVIEW_RENDERER_CODE
#define TMB_PREVIEW_RENDERER_DATA
#else
#define TMB_GAME_RENDERER_CODE __attribute__((section(".renderer.normal.code"), target("arm"), noipa))
#define TMB_PREVIEW_RENDERER_CODE __attribute__((section(".renderer.preview.code"), target("arm"), noipa))
#define TMB_PREVIEW_RENDERER_DATA __attribute__((section(".renderer.preview.table")))
#endif

#endif  // TAMBERLIN_MACHINE_SECTIONS_H
