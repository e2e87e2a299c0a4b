; The benchmarks' hard case: register arithmetic in 4 T-state instructions,
; where the per-instruction cost of dispatch weighs most.

        org 0x8000

        di
        ld hl, 0x9000
loop:   ld a, b
        add a, c
        ld b, a
        inc c
        xor d
        ld d, a
        dec e
        ld a, (hl)
        add a, e
        ld (hl), a
        inc l
        cp 0x40
        jr nz, loop
        jp loop
