; AUTO [start][,step]: the command level offers the line numbers from
; start (10) on, step (10) apart, each followed by a blank; the text typed
; after it becomes that line. A line left empty keeps the line of that
; number as it was. BREAK, an error or a number past 65529 ends it.
;
; RAM: AUTOLINE (the next number offered), AUTOSTEP (0 while AUTO is
; off; READY turns it off).

; In: HL after the command's name. Out: to the command level. Keeps: -.
AutoCommand:
  CALL AutoNumber
  LD (AUTOLINE),DE
  LD DE,10
  CP ','
  JR NZ,AutoCommand_step
  INC HL
  CALL AutoNumber
AutoCommand_step:
  LD A,D
  OR E
  JP Z,FCError              ; a step of 0 would offer one number for ever
  LD (AUTOSTEP),DE
  JP CommandLoop

; In: HL at blanks and digits. Out: DE = their number, 10 without digits;
; HL at the next non-blank character, A = it. Keeps: BC.
AutoNumber:
  CALL SkipBlanks
  LD DE,10
  CALL IsDigit
  CALL C,DecimalToBinary
  JP SkipBlanks

; The command level's line while AUTO is on. In: -. Out: to the command
; level (through the program line store) or READY on BREAK. Keeps: -.
AutoLine:
  LD HL,(AUTOLINE)
  PUSH HL
  CALL PrintHLDecimal
  LD A,' '
  CALL DISPLAY
  LD DE,(AUTOSTEP)
  ADD HL,DE
  LD (AUTOLINE),HL
  JR C,AutoLine_last
  LD DE,65530
  RST 18h
  JR C,AutoLine_read
AutoLine_last:              ; no number after this one
  LD HL,0
  LD (AUTOSTEP),HL
AutoLine_read:
  CALL ReadInputLine        ; A = 0 for an empty line, 0Dh on BREAK
  POP DE                    ; this line's number
  INC A
  DEC A
  JP Z,CommandLoop          ; nothing typed: the line stays as it was
  JP C,ReadyLevel
  JP StoreProgramLine
