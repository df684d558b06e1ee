; The video driver: 64 x 16 characters at 3C00h-3FFFh, cursor address at
; 4020h. In 32-column mode (port FF bit 3) the hardware shows only the
; even cells, so the driver writes to even cells and steps by two.

; Driver of the video DCB: display the code in C. All registers kept.
VideoDriver:
  PUSH AF
  PUSH BC
  PUSH DE
  PUSH HL
  CALL HideCursor
  LD A,C
  CALL VideoCode
VideoDriver_show:
  CALL ShowCursor
  POP HL
  POP DE
  POP BC
  POP AF
  RET

HideCursor:
  LD A,(CURUNDER)
  OR A
  RET Z
  LD HL,(CURSOR)
  LD (HL),A
  XOR A
  LD (CURUNDER),A
  RET

ShowCursor:
  LD A,(CURSORON)
  OR A
  RET Z
  LD HL,(CURSOR)
  LD A,(HL)
  LD (CURUNDER),A
  LD A,(CURCHAR)
  LD (HL),A
  RET
