; Clearing the screen (01C9h, which it begins at).
;
; RAM: PORTFF (back to 64 columns), CURUNDER; the cursor through CtlHome.

; 01C9h: clear the screen, back to 64 columns, cursor home. Keeps all
; registers.
ClearScreen:
  PUSH AF
  PUSH BC
  PUSH DE
  PUSH HL
  LD A,(PORTFF)
  AND 0F7h
  LD (PORTFF),A
  OUT (0FFh),A
  CALL CtlHome              ; (HL = VIDEO)
  CALL CtlEraseScreen
  XOR A
  LD (CURUNDER),A
  JP VideoDriver_show
