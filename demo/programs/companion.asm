; Companion cartridge for slot 2 (16 KB, page 1). It runs nothing itself (no init address): the
; demo cartridge in slot 1 finds its tag and prints its text.

        org 0x4000
        db "AB"
        dw 0, 0, 0, 0
        ds 6, 0

; Offset 0x10: the tag the demo cartridge looks for, then its text.
        db "CMPN"
        ds 4, 0
        db "the companion cartridge answers", 0

        ds 0x8000 - $, 0xFF
