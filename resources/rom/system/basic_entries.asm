; Entry points of the BASIC area, at the addresses programs and disk
; systems call. The interpreter that will fill this area is still to come;
; until then the statements that need it report so.

  AT READYLEVEL
  JP ReadyLevel

; Rebuild the links of the program's lines from the line at DE, then go to
; the command level (used after a program is put into memory from
; outside).
  AT RELINK
  CALL RelinkLines
  JP ReadyLevel

  AT NEWCMD
  JP NewCommand

; RST 18: compare HL with DE: Z if equal, C if HL < DE. A is used.
  AT CPHLDE
CompareHLDE:
  LD A,H
  SUB D
  RET NZ
  LD A,L
  SUB E
  RET

; RST 10: A = the next non-blank character after HL, HL at it. Carry for a
; digit, Z at the end of a statement (00 or ':').
  AT NEXTCHAR
NextChar:
  INC HL
  LD A,(HL)
  CP ':'
  RET NC
  CP ' '
  JR Z,NextChar
  CP '0'
  CCF
  INC A
  DEC A
  RET

  AT DECTOBIN
  JP DecimalToBinary

  AT RUNCMD
  JP RunCommand

; Display the text at HL up to a 00 byte or a quote; HL ends at it.
  AT PRINTSTR
PrintQuoted:
  LD A,(HL)
  OR A
  RET Z
  CP '"'
  RET Z
  CALL OutChar
  INC HL
  JR PrintQuoted
