; Errors: "?xx ERROR" (direct) or "?xx ERROR IN nnnn" (program), then
; READY; or, when ON ERROR GOTO has armed a trap, on at the trap's line with
; ERR and ERL set (the trap statements are in error_trap.asm).
;
; RAM: ERRTRAP, ERRLINE, ERRCODE, ERRPTR, INTRAP; clears DIMFLAG.

NFError: LD E,1
  DEFB 01h                  ; LD BC,nn: skips the next LD E,n
SNError: LD E,2
  DEFB 01h
RGError: LD E,3
  DEFB 01h
ODError: LD E,4
  DEFB 01h
FCError: LD E,5
  DEFB 01h
OVError: LD E,6
  DEFB 01h
OMError: LD E,7
  DEFB 01h
ULError: LD E,8
  DEFB 01h
BSError: LD E,9
  DEFB 01h
DDError: LD E,10
  DEFB 01h
DZError: LD E,11
  DEFB 01h
IDError: LD E,12
  DEFB 01h
TMError: LD E,13
  DEFB 01h
OSError: LD E,14
  DEFB 01h
LSError: LD E,15
  DEFB 01h
STError: LD E,16
  DEFB 01h
CNError: LD E,17
  DEFB 01h
RWError: LD E,19
  DEFB 01h
MOError: LD E,21
  DEFB 01h
L3Error: LD E,23

; In: E = error code 1..23. Out: does not return. Keeps: -.
BasicError:
  LD A,E
  LD (ERRCODE),A
  LD HL,(CURLINE)
  LD (ERRLINE),HL
  LD HL,(STMTPTR)
  LD (ERRPTR),HL
  LD HL,(STACKTOP)
  LD (CMDSP),HL
  XOR A
  LD (OUTDEV),A
  LD (DIMFLAG),A            ; a DIM it stopped must not size the next array
  LD H,A
  LD L,A
  LD (CONTPTR),HL
  LD HL,(ERRTRAP)
  LD A,H
  OR L
  JR Z,BasicError_report
  LD A,(INTRAP)
  OR A
  JR NZ,BasicError_report   ; an error inside the trap is reported
  INC A
  LD (INTRAP),A
  EX DE,HL
  LD SP,(STACKTOP)
  JP GotoLineDE
BasicError_report:
  XOR A
  LD (INTRAP),A
  CALL TapeMotorOff
  CALL FreshLine
  LD A,'?'
  CALL OutChar
  LD A,(ERRCODE)
  CP 24
  JR C,BasicError_known
  LD A,20                   ; UE: no message for this code
BasicError_known:
  ADD A,A
  LD E,A
  LD D,0
  LD HL,ErrorLetters - 2
  ADD HL,DE
  LD A,(HL)
  CALL OutChar
  INC HL
  LD A,(HL)
  CALL OutChar
  LD HL,ErrorWord
  LD A,E
  CP 2 * 2                  ; SN
  JR Z,BasicError_syntax

; The end of an error's or BREAK's report: the text at HL, " IN nnnn" when
; a program runs, READY (which ends the line). In: HL. Out: -. Keeps: -.
ReportEnd:
  CALL ReportText
ReportEnd_ready:
  JP ReadyLevel
BasicError_syntax:          ; in a program: READY, then its line in the editor
  CALL ReportText
  CALL CurLineDirect
  JR Z,ReportEnd_ready      ; a direct statement
  CALL PrintReady
  JP EditLine

; The text at HL, then " IN nnnn" when a program runs.
; In: HL. Out: -. Keeps: nothing.
ReportText:
  CALL PrintString

; " IN nnnn" when a program runs. In: -. Out: -. Keeps: nothing.
PrintInLine:
  CALL CurLineDirect
  RET Z
  PUSH DE
  LD HL,InText
  CALL PrintString
  POP HL
  JP PrintHLDecimal

; The running line's number; Z when a direct statement runs (FFFFh).
; In: -. Out: DE = it, A. Keeps: BC HL.
CurLineDirect:
  LD DE,(CURLINE)
  LD A,D
  AND E
  INC A
  RET
