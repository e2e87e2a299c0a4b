; Tones: plays a rising scale on the beeper, over and over.
; Each note lights its own cell in the middle row of the screen.
; The pitch is a busy delay between speaker toggles, so interrupts stay off.

        org     0x8000

ATTR    equ     0x5800
ROW     equ     ATTR + 12 * 32 + 12
TOGGLES equ     500             ; speaker edges per note

start:  di
        ld      sp, 0xFF00
        ld      hl, ATTR        ; black paper everywhere
        ld      de, ATTR + 1
        ld      bc, 0x2FF
        ld      (hl), 0
        ldir

scale:  ld      hl, notes
        ld      ix, ROW
note:   ld      a, (hl)
        or      a
        jr      z, scale
        inc     hl
        push    hl
        ld      (ix + 0), 0x70  ; bright yellow paper for the note that sounds
        ld      c, a            ; half-period in 34-T-state delay steps
        ld      hl, TOGGLES
        xor     a
edge:   xor     0x10            ; flip the speaker bit
        out     (0xFE), a
        ld      d, 0
        ld      e, c
delay:  dec     de
        ld      b, a            ; keep the speaker level while testing DE
        ld      a, d
        or      e
        ld      a, b
        jr      nz, delay
        dec     hl
        ld      b, a
        ld      a, h
        or      l
        ld      a, b
        jr      nz, edge
        xor     a               ; speaker off between notes
        out     (0xFE), a
        ld      (ix + 0), 0x20  ; the note's cell turns green once played
        inc     ix
        pop     hl
        jr      note

; Half-periods of E4 F#4 G#4 A4 B4 C#5 D#5 E5 at 3.5 MHz.
notes:  db      156, 139, 124, 117, 104, 93, 83, 78, 0
