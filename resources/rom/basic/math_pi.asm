; Pi for the folding of an angle (math_sin.asm).

; In: -. Out: ARG = pi, HL = ARG+7 (its exponent). Keeps: -.
PiToArg:
  LD HL,QuarterPi
  CALL DLoadArg
  EX DE,HL                  ; HL = ARG+8
  DEC HL
  INC (HL)
  INC (HL)                  ; pi/4 * 4
  RET
