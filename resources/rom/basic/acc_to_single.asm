; 0AB1h: the ACC as a single (CSNG).
;
; RAM: FAC, TYPEFLAG.

; In: ACC a number. Out: ACC as a single; ?TM for a string. Keeps:
; nothing.
AccToSingle:
  LD A,(TYPEFLAG)
  CP 3
  JP Z,TMError
  CP 8
  JP Z,DoubleToSingle
  CP 2
  RET NZ
  LD HL,(FAC)
  JP IntToSingle
