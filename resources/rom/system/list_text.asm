; A tokenised line spelled out for LIST and EDIT: keywords from the token
; table in the second ROM.
;
; RAM: none of its own.

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
