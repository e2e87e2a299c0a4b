/* Link of the cartridge image. ROM at 0x08000000 runs in place; IWRAM and
   EWRAM contents are stored in ROM and copied by the boot. The image ends with
   the intro snapshot, and the builder's data follows its last byte. */

OUTPUT_ARCH(arm)
ENTRY(_start)

MEMORY {
  rom   (rx)  : ORIGIN = 0x08000000, LENGTH = 32M
  ewram (rwx) : ORIGIN = 0x02000000, LENGTH = 256K
  iwram (rwx) : ORIGIN = 0x03000000, LENGTH = 32K
}

RENDERER_SLOT_SIZE = 1536;
IWRAM_CLEAR_END = 0x03007900;   /* above it: the stack */

SECTIONS {
  .header : { KEEP(*(.header)) } > rom

  .text : ALIGN(4) {
    *(.text .text.*)
    *(.glue_7 .glue_7t .vfp11_veneer .v4_bx)
  } > rom

  .rodata : ALIGN(4) {
    *(.rodata .rodata.*)
    . = ALIGN(4);
  } > rom

  /* Fixed shared state, zeroed by the boot's IWRAM clear. */
  .globals 0x03000000 (NOLOAD) : {
    __globals_start = .;
    . += 256;
  } > iwram

  /* Core overlay: speed-critical code and its data, run from IWRAM. */
  .iwram 0x03000100 : ALIGN(4) {
    __iwram_start = .;
    *(.iwram.text .iwram.text.*)
    *(.iwram.data .iwram.data.*)
    *(.data .data.*)
    . = ALIGN(4);
    __iwram_end = .;
  } > iwram AT > rom
  __iwram_load = LOADADDR(.iwram);

  /* RendererSlot: one renderer at a time; the boot loads the normal one. */
  __renderer_slot = ALIGN(__iwram_end, 4);
  .renderer_normal __renderer_slot : {
    *(.renderer.normal .renderer.normal.*)
    . = ALIGN(4);
    __renderer_normal_end = .;
  } AT > rom
  __renderer_normal_load = LOADADDR(.renderer_normal);
  .renderer_preview __renderer_slot : {
    *(.renderer.preview .renderer.preview.*)
    . = ALIGN(4);
    __renderer_preview_end = .;
  } AT > rom
  __renderer_preview_load = LOADADDR(.renderer_preview);

  .bss (__renderer_slot + RENDERER_SLOT_SIZE) (NOLOAD) : ALIGN(4) {
    *(.bss .bss.* COMMON)
    . = ALIGN(4);
    __bss_end = .;
  } > iwram

  /* Table overlay at the bottom of EWRAM, below the Z80 address space. */
  .ewram 0x02000000 : ALIGN(4) {
    __ewram_start = .;
    *(.ewram .ewram.*)
    . = ALIGN(4);
    __ewram_end = .;
  } > ewram AT > rom
  __ewram_load = LOADADDR(.ewram);

  .spectrum_rom : ALIGN(4) { KEEP(*(.spectrum_rom)) } > rom

  /* Last: the intro snapshot and its fill byte end the image. */
  .intro : ALIGN(4) { KEEP(*(.intro_snapshot)) } > rom
  __image_end = LOADADDR(.intro) + SIZEOF(.intro);
  __image_length = __image_end - ORIGIN(rom);

  /DISCARD/ : { *(.ARM.exidx*) *(.ARM.extab*) *(.init) *(.fini) *(.init_array*) *(.fini_array*) *(.comment) }
}

ASSERT(__renderer_normal_end - __renderer_slot <= RENDERER_SLOT_SIZE, "normal renderer larger than the RendererSlot")
ASSERT(__renderer_preview_end - __renderer_slot <= RENDERER_SLOT_SIZE, "preview renderer larger than the RendererSlot")
ASSERT(__bss_end <= IWRAM_CLEAR_END, "IWRAM contents reach into the stack")
ASSERT(__ewram_end <= 0x02002200, "table overlay reaches into the Z80 address space")
