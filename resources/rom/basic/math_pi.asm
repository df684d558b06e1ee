; Pi and its fractions for the mathematical functions.

; In: A = 0, 1, 2 or 3. Out: ARG = pi/4, pi/2, pi or 2pi. Keeps: -.
PiToArg:
  PUSH AF
  LD HL,QuarterPi
  CALL DLoadArg
  POP AF
  LD HL,ARG+7
  ADD A,(HL)
  LD (HL),A
  RET
