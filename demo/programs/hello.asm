; Demo cartridge (16 KB, page 1). Greets, shows the name of the profile it belongs to and tells
; what it finds in cartridge slot 2. The demo generator writes the profile name into the name
; field, so each profile's cartridge is a medium of its own.

CHPUT   equ 0x00A2          ; BIOS: print the character in A
INITXT  equ 0x006C          ; BIOS: text mode (SCREEN 0)
RDSLT   equ 0x000C          ; BIOS: A = byte at HL in slot A
WRSLT   equ 0x0014          ; BIOS: write E to HL in slot A
LINL40  equ 0xF3AE          ; width of SCREEN 0
EXPTBL  equ 0xFCC1          ; bit 7: the primary slot is expanded

        org 0x4000
        db "AB"             ; cartridge header: the BIOS calls init at start-up
        dw init
        dw 0, 0, 0
        ds 6, 0

; Offset 0x10: the tag the generator checks, then the NUL-terminated profile name.
        db "NAME"
profile_name:
        db "Demo", 0
        ds profile_name + 40 - $, 0

init:   ld a, 40
        ld (LINL40), a
        call INITXT
        ld hl, greeting
        call print
        ld hl, profile_label
        call print
        ld hl, profile_name
        call print
        call newline
        call report_slot2
idle:   ei
        halt
        jr idle

; Slot 2 holds the companion cartridge, an SCC, another copy of this cartridge (then this one may
; be it: say nothing) or nothing at all.
report_slot2:
        ld hl, name_tag
        call slot2_has_tag
        ret z
        ld hl, companion_tag
        call slot2_has_tag
        jr nz, no_companion
        ld hl, slot2_label
        call print
        ld hl, 0x4018
        call print_slot2
        jr newline
no_companion:
        call slot2_has_scc
        ld hl, scc_found
        jr z, report
        ld hl, slot2_empty
report: call print
        ret

; Z when slot 2 holds, from 0x4010 on, the four bytes at HL.
slot2_has_tag:
        ld de, 0x4010
        ld b, 4
tag_loop:
        push bc
        push hl
        ex de, hl
        call read_slot2
        ex de, hl
        pop hl
        pop bc
        cp (hl)
        ret nz
        inc hl
        inc de
        djnz tag_loop
        ret

; Z when slot 2 answers like an SCC: its wave memory keeps what is written there once the chip
; has been switched in at 0x9800. ROM and an empty slot do not.
slot2_has_scc:
        ld hl, 0x9000
        ld e, 0x3F
        call write_slot2
        ld hl, 0x9800
        ld e, 0x55
        call write_slot2
        call read_slot2
        cp 0x55
        ret nz
        ld e, 0xAA
        call write_slot2
        call read_slot2
        cp 0xAA
        ret

slot2_id:
        ld a, (EXPTBL + 2)
        and 0x80
        or 2
        ret

read_slot2:
        push de
        call slot2_id
        call RDSLT
        pop de
        ret

write_slot2:
        push de
        call slot2_id
        call WRSLT
        pop de
        ret

; Prints the NUL-terminated text at HL in slot 2.
print_slot2:
        call read_slot2
        or a
        ret z
        call CHPUT
        inc hl
        jr print_slot2

; Prints the NUL-terminated text at HL.
print:  ld a, (hl)
        or a
        ret z
        call CHPUT
        inc hl
        jr print

newline:
        ld a, 13
        call CHPUT
        ld a, 10
        jp CHPUT

greeting:       db "Hello from the Corvane Launcher demo!", 13, 10, 13, 10, 0
profile_label:  db "Profile: ", 0
slot2_label:    db "Slot 2: ", 0
scc_found:      db "Slot 2: SCC sound cartridge", 13, 10, 0
slot2_empty:    db "Slot 2: empty", 13, 10, 0
name_tag:       db "NAME"
companion_tag:  db "CMPN"

        ds 0x8000 - $, 0xFF
