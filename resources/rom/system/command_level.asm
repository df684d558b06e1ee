; The command level: "READY", a prompt, a line, a command. Lines that
; begin with a number are program lines: they are tokenised and put into
; the program text in line-number order (an empty one deletes the line).
; The commands of the table below take their text as typed; every other
; line is a direct statement for the interpreter.

ReadyLevel:
  LD SP,(CMDSP)
  XOR A
  LD (OUTDEV),A
  LD H,A
  LD L,A
  LD (AUTOSTEP),HL          ; READY ends AUTO
  CALL PrintReady
CommandLoop:
  LD SP,(CMDSP)
  LD HL,0FFFFh              ; direct mode (a typed line leaves its number)
  LD (CURLINE),HL
  XOR A
  LD (OUTDEV),A
  LD HL,(AUTOSTEP)
  LD A,H
  OR L
  JP NZ,AutoLine
  LD A,'>'
  CALL DISPLAY
  CALL ReadInputLine
  JR C,CommandLoop
  OR A
  JR Z,CommandLoop
  CALL IsDigit
  JP C,EnterProgramLine
  LD DE,CommandTable
  CALL FindCommand          ; (HL kept when no name matches)
  JP NC,DirectStatement
  PUSH DE
  RET                       ; to the command, HL after its name

; Look the word at HL up in the table at DE (entries: the name, its last
; letter with bit 7 set, then the address; the table ends with 00).
; Letters match in either case. On a match: carry set, DE = the command's
; address, HL after the name; else no carry and HL kept. Keeps: -.
FindCommand:
  LD A,(DE)
  OR A
  RET Z
  PUSH HL
FindCommand_letter:
  LD A,(HL)
  CALL UpperCase
  EX DE,HL
  XOR (HL)                  ; 00, or 80h at the name's last letter
  EX DE,HL
  INC HL
  ADD A,A                   ; Z when the letter matches, carry at the last
  JR NZ,FindCommand_differs
  INC DE
  JR NC,FindCommand_letter
  POP BC                    ; drop the saved text pointer (carry stays)
  EX DE,HL
  LD A,(HL)
  INC HL
  LD H,(HL)
  LD L,A
  EX DE,HL
  RET
FindCommand_differs:
  POP HL
FindCommand_skip:
  LD A,(DE)
  INC DE
  ADD A,A
  JR NC,FindCommand_skip
  INC DE
  INC DE
  JR FindCommand

CommandTable:
  DEFB "SYSTE",'M' + 80h
  DEFW SystemCommand
  DEFB "CLOA",'D' + 80h
  DEFW CloadCommand
  DEFB "CSAV",'E' + 80h
  DEFW CsaveCommand
  DEFB "LLIS",'T' + 80h
  DEFW LlistCommand
  DEFB "LIS",'T' + 80h
  DEFW ListCommand
  DEFB "NE",'W' + 80h
  DEFW NewCommand
  DEFB "DELET",'E' + 80h
  DEFW DeleteCommand
  DEFB "AUT",'O' + 80h
  DEFW AutoCommand
  DEFB "EDI",'T' + 80h
  DEFW EditCommand
  DEFB "MO",'N' + 80h
  DEFW 3000h                ; the monitor in the second ROM
  DEFB 0


; READY on a line of its own. In: -. Out: -. Keeps: -.
PrintReady:
  CALL FreshLine
  LD HL,ReadyText
  JP PrintString
