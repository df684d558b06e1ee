; A tape command's failure: the text at HL on a fresh line (the motor
; stopped), then READY. It lies in the second ROM at TAPEFAIL
; (second_rom.inc), as the first has no room for it.
;
; RAM: OUTDEV (back to the screen).

; In: HL = the text. Out: does not return. Keeps: -.
  AT TAPEFAIL
ErrorText:
  PUSH HL
  XOR A
  LD (OUTDEV),A
  CALL TapeMotorOff
  CALL FreshLine
  POP HL
  CALL PrintString
  JP ReadyLevel
