; Restarts and the low entry points, 0000h-0068h.
;
; Each restart jumps through its 3-byte RAM vector (4000h-4014h), which
; cold start fills and programs may patch. Between the restarts sit the
; device entry points; they are packed tightly because the restarts are
; only eight bytes apart.

  AT 0000h
  DI
  JP ColdStart

  AT 0008h                  ; RST 08: syntax check
  JP RST08VEC

  AT 0010h                  ; RST 10: next character of the text
  JP RST10VEC

  AT DEVREAD                ; 0013h: read from the device at DE
  PUSH BC
  LD B,DEVOP_READ
  JR DeviceIo

  AT 0018h                  ; RST 18: compare DE with HL
  JP RST18VEC

  AT DEVWRITE               ; 001Bh: write A to the device at DE
  PUSH BC
  LD B,DEVOP_WRITE
  JR DeviceIo

  AT 0020h                  ; RST 20: type of the number accumulator
  JP RST20VEC

  AT DEVCTL                 ; 0023h: control byte A to the device at DE
  PUSH BC
  LD B,DEVOP_CONTROL
  JR DeviceIo

  AT 0028h                  ; RST 28: BREAK / DOS call
  JP RST28VEC

  AT KBSCAN                 ; 002Bh: one keyboard scan through its DCB
  LD DE,KBDCB
  JR DEVREAD

  AT 0030h                  ; RST 30: DOS debugger
  JP RST30VEC

  AT DISPLAY                ; 0033h: display A through the video DCB
  LD DE,VIDDCB
  JR DEVWRITE

  AT 0038h                  ; maskable interrupt (IM 1)
  JP INTVEC

  AT PRINTCHR               ; 003Bh: print A through the printer DCB
  LD DE,PRTDCB
  JR DEVWRITE

  AT LINEINPUT              ; 0040h: line input; same as 05D9h
  JP LineInput

; Wait for a key. The emulator's text input puts its character in A and
; continues at 004Ch, the instruction after the scan call, so this shape
; (call, then return on a non-zero key, else loop back to 0049h) is fixed.
  AT WAITKEY
  CALL KBSCAN
  AT WAITKEY_CONT
  OR A
  RET NZ
  JR WAITKEY

; BC times 26 T-states (about 14.67 microseconds at 1.774 MHz).
  AT DELAY
DelayLoop:
  DEC BC                    ; 6
  LD A,B                    ; 4
  OR C                      ; 4
  JR NZ,DelayLoop           ; 12
  RET

; Non-maskable interrupt: the reset button. With a disk controller the
; machine starts again and boots; without one it goes through the RAM
; vector at 41BEh, which cold start points at the command level.
  AT NMIENTRY
  LD A,(FDCSTATUS)
  INC A
  JP Z,RESETVEC
  JP 0000h
