@ Cartridge header and entry point. The BIOS (or a loader) jumps to offset 0
@ in ARM state; we set the three stacks and go to the boot sequence.

        .syntax unified
        .section .header, "ax", %progbits
        .arm
        .global _start
_start:
        b       entry                   @ 0x00
        .fill   156, 1, 0               @ 0x04 logo area, left to the cartridge tools
        .ascii  "Tamberlin   "          @ 0xA0 title
        .ascii  "Home"                  @ 0xAC game code
        .byte   0, 0                    @ 0xB0 maker code
        .byte   0x96                    @ 0xB2 fixed value
        .byte   0                       @ 0xB3 main unit
        .byte   0                       @ 0xB4 device type
        .fill   7, 1, 0                 @ 0xB5
        .byte   0                       @ 0xBC software version
        .byte   0                       @ 0xBD complement, filled in after the link
        .byte   0x80, 0x00              @ 0xBE
        .word   __image_length          @ 0xC0 the builder's data starts this far in

entry:                                  @ 0xC4
        @ Our own ROM address first: loaders that guess "multiboot" from the
        @ start-up code then run us in place.
        ldr     r3, =_start
        mov     r0, #0xD2               @ IRQ mode, interrupts masked
        msr     cpsr_c, r0
        ldr     sp, =0x03007FA0
        mov     r0, #0xD3               @ supervisor mode
        msr     cpsr_c, r0
        ldr     sp, =0x03007FE0
        mov     r0, #0x1F               @ system mode: the program's own
        msr     cpsr_c, r0
        ldr     sp, =0x03007F00
        ldr     r0, =tmbBoot
        mov     lr, pc
        bx      r0
        b       .
        .ltorg

        @ Save-type marker for flash-cart loaders and emulators: battery SRAM.
        .balign 4
        .ascii  "SRAM_V113"
        .balign 4
