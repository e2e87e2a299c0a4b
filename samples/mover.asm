; Mover: a block that the player steers across the attribute grid.
; Keys Q A O P (up down left right) and SPACE, or a Kempston joystick.
; Fire changes the block's colour and clicks the beeper.
; The left edge shows what the ports read: attribute rows 0-7 are the eight
; keyboard half-rows (0xFEFE first), five cells each, green while a key is down;
; row 9 is the Kempston byte, red while a bit is set.
; Frames are paced by an IM 2 interrupt whose handler only re-enables interrupts.

        org     0x8000

ATTR    equ     0x5800
VECTORS equ     0xFE00          ; 257 bytes of 0xFD: any bus value vectors to 0xFDFD
ISR     equ     0xFDFD

start:  di
        ld      sp, 0xFD00
        ld      hl, VECTORS
        ld      de, VECTORS + 1
        ld      bc, 256
        ld      (hl), 0xFD
        ldir
        ld      a, 0xFB         ; EI
        ld      (ISR), a
        ld      a, 0xC9         ; RET
        ld      (ISR + 1), a
        ld      a, VECTORS / 256
        ld      i, a
        im      2

        ld      hl, 0x4000      ; clear the bitmap
        ld      de, 0x4001
        ld      bc, 0x17FF
        ld      (hl), 0
        ldir
        ld      hl, ATTR        ; paper blue everywhere
        ld      de, ATTR + 1
        ld      bc, 0x2FF
        ld      (hl), 0x08
        ldir
        xor     a
        out     (0xFE), a
        ei

frame:  halt
        call    erase
        call    input
        call    show
        call    draw
        jr      frame

; The port monitor on the left edge.
show:   ld      hl, ATTR
        ld      b, 0xFE         ; high byte of the first half-row port
show_r: ld      c, 0xFE
        in      a, (c)
        ld      d, 0x20         ; green for a cleared (pressed) bit
        call    bits
        ld      de, 32 - 5
        add     hl, de
        rlc     b
        ld      a, b
        cp      0xFE
        jr      nz, show_r
        ld      hl, ATTR + 9 * 32
        in      a, (0x1F)
        cpl                     ; Kempston is active high
        ld      d, 0x10         ; red for a set bit
; Five cells from HL for bits 0-4 of A: colour D where the bit is 0.
bits:   ld      e, 5
bits_n: rrca
        ld      (hl), 0x08
        jr      c, bits_s
        ld      (hl), d
bits_s: inc     hl
        dec     e
        jr      nz, bits_n
        ret

; Joystick and keys folded into one byte: bit0 right, 1 left, 2 down, 3 up, 4 fire.
input:  in      a, (0x1F)
        and     0x1F
        ld      c, a
        ld      a, 0xDF         ; half-row Y..P: P = bit 0, O = bit 1
        in      a, (0xFE)
        cpl
        bit     0, a
        jr      z, no_r
        set     0, c
no_r:   bit     1, a
        jr      z, no_l
        set     1, c
no_l:   ld      a, 0xFD         ; half-row A..G: A = bit 0
        in      a, (0xFE)
        bit     0, a
        jr      nz, no_d
        set     2, c
no_d:   ld      a, 0xFB         ; half-row Q..T: Q = bit 0
        in      a, (0xFE)
        bit     0, a
        jr      nz, no_u
        set     3, c
no_u:   ld      a, 0x7F         ; half-row B..SPACE: SPACE = bit 0
        in      a, (0xFE)
        bit     0, a
        jr      nz, no_f
        set     4, c
no_f:   ld      a, c
        ld      (held), a

        ld      hl, xpos
        bit     0, c
        jr      z, mv_r
        ld      a, (hl)
        cp      31
        jr      z, mv_r
        inc     (hl)
mv_r:   bit     1, c
        jr      z, mv_l
        ld      a, (hl)
        or      a
        jr      z, mv_l
        dec     (hl)
mv_l:   ld      hl, ypos
        bit     2, c
        jr      z, mv_d
        ld      a, (hl)
        cp      23
        jr      z, mv_d
        inc     (hl)
mv_d:   bit     3, c
        jr      z, mv_f
        ld      a, (hl)
        or      a
        jr      z, mv_f
        dec     (hl)
mv_f:   bit     4, c
        ret     z
        ld      a, (colour)     ; next colour, never blue on blue
        add     a, 8
        and     0x38
        jr      nz, col1
        ld      a, 0x10
col1:   cp      0x08
        jr      nz, col2
        ld      a, 0x10
col2:   ld      (colour), a
        ld      b, 40           ; a short click
click:  ld      a, b
        and     0x10
        out     (0xFE), a
        djnz    click
        ret

; HL = attribute address of the block.
cell:   ld      a, (ypos)
        ld      l, a
        ld      h, 0
        add     hl, hl
        add     hl, hl
        add     hl, hl
        add     hl, hl
        add     hl, hl
        ld      a, (xpos)
        ld      e, a
        ld      d, 0
        add     hl, de
        ld      de, ATTR
        add     hl, de
        ret

erase:  call    cell
        ld      (hl), 0x08
        ret

draw:   call    cell
        ld      a, (colour)
        or      0x40            ; bright
        ld      (hl), a
        ret

xpos:   db      16
ypos:   db      12
colour: db      0x20
held:   db      0
