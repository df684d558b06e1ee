; LIST and LLIST [from][-[to]]: the program text back as typed, each line
; as its number, a blank and the text with the tokens spelt out. BREAK
; stops the listing.

LlistCommand:
  LD A,1
  DEFB 0FEh                 ; CP n: skips the XOR A
ListCommand:
  XOR A
ListStart:
  LD (OUTDEV),A
  CALL ListRange
  LD HL,(TXTTAB)
ListLine:
  LD A,(KBROW6)
  AND 04h
  JR NZ,ListDone
  LD A,(HL)
  INC HL
  OR (HL)
  JR Z,ListDone             ; the end mark
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL                    ; DE = line number, HL at the text
  PUSH HL
  LD HL,(LISTTO)
  RST 18h
  JR C,ListDone             ; past the range (READY drops the pushed HL)
  LD HL,(LISTFROM)
  EX DE,HL
  RST 18h
  CALL NC,PrintHLDecimal
  POP HL
  JR C,ListSkip             ; before the range
  CALL OutSpace
  CALL ListText
  CALL FreshLineNew
  JR ListLine
ListSkip:
  CALL NextLineScan
  JR ListLine
ListDone:
  JP ReadyLevel

; LISTFROM..LISTTO from the text at HL: "", "n", "n-", "-m", "n-m".
ListRange:
  LD DE,0
  LD (LISTFROM),DE
  DEC DE
  LD (LISTTO),DE
  CALL SkipBlanks
  OR A
  RET Z
  CALL IsDigit
  JR NC,ListRangeTo
  CALL DecimalToBinary
  LD (LISTFROM),DE
  CALL SkipBlanks
  CP '-'
  JR NZ,ListRange_end       ; "n": that line alone
ListRangeTo:                ; "n-": to the end unless a number follows
  CP '-'
  JP NZ,SNError
  INC HL
  CALL SkipBlanks
  CALL IsDigit
  RET NC
  CALL DecimalToBinary
ListRange_end:
  LD (LISTTO),DE
  RET
