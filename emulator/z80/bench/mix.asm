; A mix of typical game code for the core benchmarks: sprite blitting,
; screen clearing, arithmetic, table look-ups, indexed object updates,
; bit shifting, calls, stack work, keyboard polling and the beeper.
; Runs forever from 0x8000 with interrupts off.

        org 0x8000

start:  di
        ld sp, 0xFF00
main:   call clear_attrs
        ld b, 24
sprites:
        push bc
        ld a, b
        and 7
        ld e, a
        ld d, 0
        ld hl, 0x4000
        add hl, de
        ld de, sprite
        call blit
        pop bc
        djnz sprites
        call objects
        call shifter
        call maths
        call keys
        call beep
        jp main

; 8 x 16 sprite OR-ed into the screen, one byte column
blit:   ld c, 16
blit1:  ld a, (de)
        or (hl)
        ld (hl), a
        inc de
        inc h
        ld a, h
        and 7
        jr nz, blit2
        ld a, l
        add a, 32
        ld l, a
        jr c, blit2
        ld a, h
        sub 8
        ld h, a
blit2:  dec c
        jr nz, blit1
        ret

clear_attrs:
        ld hl, 0x5800
        ld de, 0x5801
        ld bc, 255
        ld (hl), 0x38
        ldir
        ret

; eight objects of four bytes: x, y, dx, dy
objects:
        ld ix, objs
        ld b, 8
obj1:   ld a, (ix+0)
        add a, (ix+2)
        ld (ix+0), a
        ld a, (ix+1)
        add a, (ix+3)
        cp 176
        jr c, obj2
        ld a, (ix+3)
        neg
        ld (ix+3), a
        ld a, (ix+1)
obj2:   ld (ix+1), a
        ld de, 4
        add ix, de
        djnz obj1
        ret

; shift a 32-byte strip right by one pixel
shifter:
        ld hl, 0x4800
        ld b, 32
        and a
shift1: rr (hl)
        inc hl
        djnz shift1
        ld a, (0x4900)
        srl a
        rl c
        bit 3, a
        jr z, shift2
        set 1, c
shift2: ret

; 16-bit sums and a table look-up
maths:  ld hl, 0
        ld de, 1234
        ld b, 20
math1:  add hl, de
        ex de, hl
        inc hl
        ex de, hl
        push hl
        ld a, l
        and 15
        ld l, a
        ld h, 0
        ld bc, table
        add hl, bc
        ld a, (hl)
        pop hl
        ld b, a
        ld a, l
        xor b
        ld l, a
        ld b, 20
        dec b
        ld b, 1
        djnz math1
        ld hl, (score)
        ld de, 10
        and a
        sbc hl, de
        ld (score), hl
        ld a, (score)
        add a, 1
        daa
        ld (score), a
        ret

keys:   ld bc, 0xFEFE
        ld e, 8
keys1:  in a, (c)
        cpl
        and 31
        jr nz, keys2
        rlc b
        dec e
        jr nz, keys1
keys2:  in a, (0x1F)
        ret

beep:   ld b, 8
        xor a
beep1:  xor 0x10
        out (0xFE), a
        ld c, 4
beep2:  dec c
        jr nz, beep2
        djnz beep1
        ret

sprite: db 0x18, 0x3C, 0x7E, 0xFF, 0xDB, 0xFF, 0x66, 0x3C
        db 0x18, 0x3C, 0x7E, 0xFF, 0xDB, 0xFF, 0x66, 0x3C
table:  db 3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 3
objs:   db 10, 20, 1, 2,  30, 40, 255, 3,  50, 60, 2, 253,  70, 80, 1, 1
        db 90, 100, 3, 2,  110, 120, 254, 1,  130, 140, 1, 5,  150, 160, 2, 255
score:  dw 5000
