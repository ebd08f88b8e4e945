; A binary program for MSX BASIC: BLOAD"CAS:",R from the demo tape or BLOAD"HELLO.BIN",R from the
; demo disk loads it at 0xC000, runs it, and it returns to BASIC.

CHPUT   equ 0x00A2          ; BIOS: print the character in A

        org 0xC000
start:  ld hl, text
print:  ld a, (hl)
        or a
        ret z
        call CHPUT
        inc hl
        jr print

text:   db "Hello from the Corvane Launcher demo!", 13, 10
        db "This program came from a disk or a tape.", 13, 10, 0
