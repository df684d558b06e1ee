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
  PUSH HL
  CALL FindCommand
  POP BC
  JR C,CommandLoop_found
  LD H,B
  LD L,C
  JP DirectStatement
CommandLoop_found:
  PUSH DE
  RET                       ; to the command, HL after its name

; A line from the keyboard into the input buffer, ended with 00.
; Out: carry on BREAK; else HL at its first non-blank character, A = it.
; Keeps: C.
ReadInputLine:
  LD HL,INBUF
  LD B,INBUFLEN - 1
  CALL LINEINPUTB
  RET C
  LD E,B
  LD D,0
  ADD HL,DE
  LD (HL),D
  LD HL,INBUF
  CALL SkipBlanks
  OR A                      ; carry clear: SkipBlanks sets it at an empty
  RET                       ; line's end, which is no BREAK

; Look the word at HL up in the table at DE (entries: name, 00, address;
; the table ends with 00). Letters match in either case. On a match:
; carry set, DE = the command's address, HL after the name.
FindCommand:
  LD A,(DE)
  OR A
  RET Z
  PUSH HL
CompareName:
  LD A,(DE)
  OR A
  JR Z,NameMatched
  LD A,(HL)
  CALL UpperCase
  EX DE,HL
  CP (HL)
  EX DE,HL
  JR NZ,NameDiffers
  INC HL
  INC DE
  JR CompareName
NameMatched:
  POP AF                    ; drop the saved text pointer
  INC DE
  EX DE,HL
  LD A,(HL)
  INC HL
  LD H,(HL)
  LD L,A
  EX DE,HL
  SCF
  RET
NameDiffers:
  POP HL
SkipName:
  LD A,(DE)
  INC DE
  OR A
  JR NZ,SkipName
  INC DE
  INC DE
  JR FindCommand

CommandTable:
  DEFB "SYSTEM",0
  DEFW SystemCommand
  DEFB "CLOAD",0
  DEFW CloadCommand
  DEFB "CSAVE",0
  DEFW CsaveCommand
  DEFB "LLIST",0
  DEFW LlistCommand
  DEFB "LIST",0
  DEFW ListCommand
  DEFB "NEW",0
  DEFW NewCommand
  DEFB "DELETE",0
  DEFW DeleteCommand
  DEFB "AUTO",0
  DEFW AutoCommand
  DEFB "EDIT",0
  DEFW EditCommand
  DEFB "MON",0
  DEFW 3000h                ; the monitor in the second ROM
  DEFB 0

NewCommand:
  CALL DoNew
  JP ReadyLevel

; READY on a line of its own. In: -. Out: -. Keeps: -.
PrintReady:
  CALL FreshLine
  LD HL,ReadyText
  JP PrintString
