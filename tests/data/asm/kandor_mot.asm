; Kandor turnout decoder (type 10), Motorola: the protocol test sits in word 35,
; word 8 tests the input flag first. Program words 0x00B..0x01F are left out.
        processor 16f84a
        radix   dec
        __config 0x3FF1
        __idlocs 0x1340

        org     0x000
        movlw   10              ; type code, byte 0
        movlw   0               ; byte 1
        movlw   0               ; byte 2
        goto    init
        org     0x004
        retfie
init    bsf     0x03,5
        movlw   0x1F
        movwf   0x05
        btfss   0x0C,0          ; word 8: input flag
        goto    wait
        bcf     0x03,5
        goto    init

        org     0x020
wait    clrwdt
        nop
        nop
        btfss   0x0B,1          ; word 35: Motorola track input
        goto    wait
        return

; Slot 1: address 317 green (decoder 80), slot 2: address 42 red. The EEPROM is
; written in one block from 0x2100: gpasm places an org inside the EEPROM at
; half the byte address the data words get.
        org     0x2100
        de      0xFF, 0x00, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF
        de      0xFF, 0x00, 0x30, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF
        de      0xFF, 0xC3, 0x33, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF
        de      3, 20, 20       ; mode and switching times
        end
