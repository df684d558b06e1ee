; Quoted text for the tokeniser, kept as it is (its own file, so that it
; fits one of the small gaps between entry points).
;
; RAM: none.

; Text in quotes as it is, HL at the opening quote: HL after the closing
; one, or at the 00 of a line that does not close it. Out: Z. Keeps: -.
TokenString:
  LDI
  LD A,(HL)
  OR A
  RET Z
  CP '"'
  JR NZ,TokenString
  LDI                       ; (Z stays from the CP)
  RET
