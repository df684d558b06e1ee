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

; Spell out the tokenised text at HL up to its 00 byte; HL ends after it.
; B and DE are lost.
; Text in quotes and after REM is shown as stored. ':' REM "'" (and
; REM "'") show as the apostrophe they were typed as.
ListText:
  LD C,0                    ; bit 0: in quotes; bit 1: in a remark
ListTextByte:
  LD A,(HL)
  INC HL
  OR A
  RET Z
  BIT 1,C
  JR NZ,ListPlain
  CP '"'
  JR NZ,ListNotQuote
  INC C                     ; bit 0 turns over (bit 1 is clear here)
  RES 1,C
  JR ListPlain
ListNotQuote:
  BIT 0,C
  JR NZ,ListPlain
  CP ':'
  JR NZ,ListNotColon
  LD A,(HL)
  CP 93h
  JR NZ,ListColon
  INC HL
  LD A,(HL)
  DEC HL
  CP 0FBh                   ; ':' REM "'": only the apostrophe shows,
  JR Z,ListTextByte         ; through the REM that follows
ListColon:
  LD A,':'
  JR ListPlain
ListNotColon:
  CP 80h
  JR C,ListPlain
  CP 93h
  JR NZ,ListToken
  SET 1,C
  LD A,(HL)
  CP 0FBh
  LD A,93h
  JR NZ,ListToken
  INC HL
  LD A,27h
  JR ListPlain
ListToken:
  CALL PrintKeyword
  JR ListTextByte
ListPlain:
  CALL OutChar
  JR ListTextByte

; Show the keyword of token A (80h and up); a byte with no keyword shows
; as it is. In: A. Out: -. Keeps: C HL (ListText's state).
PrintKeyword:
  PUSH HL
  LD E,A
  SUB 7Fh
  LD B,A                    ; the keyword's number, from 1
  LD HL,TokenTable
KeywordFind:                ; HL at a keyword's first character
  LD A,(HL)
  CP 80h
  JR Z,KeywordMissing
  DEC B
  JR Z,KeywordOut
KeywordSkip:
  INC HL
  BIT 7,(HL)
  JR Z,KeywordSkip
  JR KeywordFind
KeywordOut:
  AND 7Fh
KeywordChar:
  CALL OutChar
  INC HL
  LD A,(HL)
  BIT 7,A
  JR Z,KeywordOut
  POP HL
  RET
KeywordMissing:             ; the byte alone: HL back before the end
  LD A,E                    ; mark, which stops KeywordChar
  DEC HL
  JR KeywordChar
