; The tokeniser: a typed line's keywords become their tokens (the table
; lies in the second ROM at TOKENTABLE).
;
; RAM: none of its own.

; Tokenise the text at HL (ending with 00) to DE; DE ends after the 00.
; BC is lost (LDI copies the text kept as it is).
; Keywords become their tokens, '?' becomes PRINT, an apostrophe the
; remark ':' REM "'"; letters outside strings are made upper case. Text
; in quotes and after REM is kept as it is; DATA is kept up to a ':'.
Tokenise:
  LD A,(HL)
  OR A
  JR Z,TokenEnd
  CP '"'
  CALL Z,TokenString
  JR Z,Tokenise
  CP '?'
  JR Z,TokenPrint
  CP 27h
  JR Z,TokenRemark
  CP '^'                    ; typed for the up arrow (power)
  JR Z,TokenPower
  PUSH DE
  CALL MatchKeyword
  POP DE
  JR C,TokenFound
  LD A,(HL)
  CALL UpperCase
  JR TokenStore
TokenFound:
  LD (DE),A
  INC DE
  CP 93h                    ; REM: the rest of the line as it is
  JR Z,TokenRaw
  CP 88h                    ; DATA: as it is up to ':'
  JR NZ,Tokenise
TokenData:
  LD A,(HL)
  OR A
  JR Z,TokenEnd
  CP ':'
  JR Z,Tokenise
  CP '"'                    ; a quoted item may hold a ':'
  CALL Z,TokenString
  JR Z,TokenData
  LDI                       ; (BC counts down unused)
  JR TokenData
TokenPower:
  LD A,0D1h
  DEFB 01h                  ; LD BC,nn: skips the LD A,0B2h
TokenPrint:
  LD A,0B2h
TokenStore:
  LD (DE),A
  INC HL
  INC DE
  JR Tokenise
TokenRemark:
  INC HL
  EX DE,HL
  LD (HL),':'
  INC HL
  LD (HL),93h
  INC HL
  LD (HL),0FBh
  INC HL
  EX DE,HL
TokenRaw:
  LD A,(HL)
  LDI
  OR A
  JR NZ,TokenRaw
  RET
TokenEnd:
  XOR A
  LD (DE),A
  INC DE
  RET

; Does a keyword start at HL? Carry set and A = its token, HL after it.
; The table is searched in token order, so the longer of two keywords
; that share a beginning must come first there (INPUT before INP). The
; first characters are found by a quick scan; most places match none.
MatchKeyword:
  LD A,(HL)
  CALL UpperCase
  OR 80h
  LD B,A                    ; the first character as the table marks it
  LD DE,TokenTable
  LD C,7Fh                  ; the token of the keyword scanned
MatchScan:
  LD A,(DE)
  INC DE
  OR A
  JP P,MatchScan            ; not a first character
  INC C
  CP 80h
  RET Z                     ; the end: no keyword (carry clear)
  CP B
  JR NZ,MatchScan
  PUSH HL
  PUSH DE
MatchRest:                  ; DE after the keyword's character matched
  INC HL
  LD A,(DE)
  OR A
  JP M,MatchFound           ; at the next keyword: all of this one matched
  LD A,(HL)
  CALL UpperCase
  EX DE,HL
  CP (HL)
  EX DE,HL
  INC DE
  JR Z,MatchRest
  POP DE
  POP HL
  JR MatchScan
MatchFound:
  POP AF                    ; drop the table and text places
  POP AF
  LD A,C
  SCF
  RET
