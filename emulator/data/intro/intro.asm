; Intro: the title picture and a scrolling credits line, shown while the
; emulator counts down to the first game. Letters come from the Spectrum ROM's
; own character set, drawn double size for the title.

        org     0x8000

FONT    equ     0x3C00          ; glyph of character c at FONT + 8 * c
ATTR    equ     0x5800
VECTORS equ     0xFE00          ; 257 bytes of 0xFD: any bus value vectors to 0xFDFD
ISR     equ     0xFDFD
SCROLL  equ     0x509F          ; char row 20, column 31, top pixel line

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
        xor     a
        out     (0xFE), a       ; black border

        ld      hl, 0x4000      ; clear the bitmap
        ld      de, 0x4001
        ld      bc, 0x17FF
        ld      (hl), 0
        ldir
        ld      hl, ATTR        ; white ink on black everywhere
        ld      de, ATTR + 1
        ld      bc, 0x2FF
        ld      (hl), 0x07
        ldir

        ld      hl, ATTR + 1 * 32       ; rainbow bars above and below the title
        call    bars
        ld      hl, ATTR + 11 * 32
        call    bars
        ld      hl, ATTR + 4 * 32       ; title rows in bright colours
        call    inks
        ld      hl, ATTR + 5 * 32
        call    inks
        ld      hl, ATTR + 20 * 32      ; credits line: bright yellow
        ld      b, 32
yellow: ld      (hl), 0x46
        inc     hl
        djnz    yellow

        ld      hl, title
        ld      c, 7            ; 9 letters of 2 columns, centred
        call    bigtext
        ld      hl, sub1
        ld      de, 0x4804      ; row 8, column 4
        call    text
        ld      hl, sub2
        ld      de, 0x4846      ; row 10, column 6
        call    text

        ld      hl, credits
        ld      (textptr), hl
        ei
frame:  halt
        call    scroll
        jr      frame

; A row of 32 attribute cells in the seven colours as paper, repeating.
bars:   ld      b, 32
        ld      a, 0x08
bar1:   ld      (hl), a
        inc     hl
        add     a, 0x08
        cp      0x40
        jr      c, bar2
        ld      a, 0x08
bar2:   djnz    bar1
        ret

; A row of 32 cells with bright inks 2 to 7 on black, two columns each.
inks:   ld      b, 16
        ld      a, 0x42
ink1:   ld      (hl), a
        inc     hl
        ld      (hl), a
        inc     hl
        inc     a
        cp      0x48
        jr      c, ink2
        ld      a, 0x42
ink2:   djnz    ink1
        ret

; DE = glyph address of character A.
glyph:  ld      l, a
        ld      h, 0
        add     hl, hl
        add     hl, hl
        add     hl, hl
        ld      de, FONT
        add     hl, de
        ex      de, hl
        ret

; Print the NUL-terminated string at HL at screen address DE (top line of a cell).
text:   ld      a, (hl)
        or      a
        ret     z
        push    hl
        push    de
        push    de
        call    glyph           ; DE = glyph
        pop     hl              ; HL = screen
        ld      b, 8
text1:  ld      a, (de)
        ld      (hl), a
        inc     de
        inc     h
        djnz    text1
        pop     de
        pop     hl
        inc     hl
        inc     e
        jr      text

; HL = screen address of pixel line A (0-191), column C.
pixaddr:
        ld      l, a
        and     7
        or      0x40
        ld      h, a
        ld      a, l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h, a
        ld      a, l
        rla
        rla
        and     0xE0
        or      c
        ld      l, a
        ret

; Double-size string at HL from column C, pixel lines 32 to 47.
bigtext:
        ld      a, (hl)
        or      a
        ret     z
        push    hl
        ld      (bigcol), bc
        call    glyph
        ld      a, 32
        ld      (bigy), a
        ld      b, 8
big1:   push    bc
        ld      a, (de)         ; widen the glyph line: every bit twice
        ld      b, 8
big2:   rla
        push    af
        rl      l
        rl      h
        pop     af
        rl      l
        rl      h
        djnz    big2
        push    hl              ; the 16 pixels, twice (double height)
        pop     ix
        call    bigline
        call    bigline
        inc     de
        pop     bc
        djnz    big1
        ld      bc, (bigcol)
        inc     c
        inc     c
        pop     hl
        inc     hl
        jr      bigtext

; Store IX's 16 pixels at line (bigy), column (bigcol), and move one line down.
bigline:
        ld      a, (bigcol)
        ld      c, a
        ld      a, (bigy)
        inc     a
        ld      (bigy), a
        dec     a
        call    pixaddr
        push    ix
        pop     bc
        ld      (hl), b
        inc     l
        ld      (hl), c
        ret

; Move the credits line one pixel to the left, feeding in the next glyph column.
scroll: ld      hl, (textptr)
        ld      a, (hl)
        or      a
        jr      nz, scroll1
        ld      hl, credits
        ld      (textptr), hl
        ld      a, (hl)
scroll1:
        call    glyph
        ld      hl, SCROLL
        ld      b, 8
scroll2:
        push    bc
        ld      a, (de)
        ld      c, a
        ld      a, (bitpos)
        or      a
        jr      z, scroll4
        ld      b, a
scroll3:
        sla     c
        djnz    scroll3
scroll4:
        sla     c               ; the glyph's next column into carry
        push    hl
        ld      b, 32
scroll5:
        rl      (hl)            ; right to left; DEC L and DJNZ keep the carry
        dec     l
        djnz    scroll5
        pop     hl
        inc     h
        inc     de
        pop     bc
        djnz    scroll2
        ld      a, (bitpos)
        inc     a
        and     7
        ld      (bitpos), a
        ret     nz
        ld      hl, (textptr)
        inc     hl
        ld      (textptr), hl
        ret

title:  defb    "TAMBERLIN", 0
sub1:   defb    "ZX Spectrum 48K emulator", 0
sub2:   defb    "for the Game Boy Advance", 0
credits:
        defb    "Tamberlin ... a ZX Spectrum 48K for your Game Boy Advance ... "
        defb    "Z80 core, beeper, Kempston joystick and virtual keyboard ... "
        defb    "press SELECT and START in a game for the menu ... "
        defb    "games are added with the TMB builder ... "
        defb    "                                ", 0

textptr: defw   0
bitpos: defb    0
bigy:   defb    0
bigcol: defw    0
