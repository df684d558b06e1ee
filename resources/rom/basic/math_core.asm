; The shared parts of the mathematical functions: a double from a single
; constant, and pi and its fractions.
;
; RAM: MATHX, MATHZ (owned here; the functions keep their doubles there),
; ARG.

; In: HL = a single. Out: ARG = it as a double, HL after it. Keeps: -.
ArgFromSingle:
  LD DE,ARG
  LD B,4
  XOR A
ArgFromSingle_zero:
  LD (DE),A
  INC DE
  DJNZ ArgFromSingle_zero
  LD C,4
  LDIR
  RET

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
