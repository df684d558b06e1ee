; The command level: "READY", a prompt, a line, a command. Lines that
; begin with a number are program lines: they are tokenised and put into
; the program text in line-number order (an empty one deletes the line).

ReadyLevel:
  LD SP,(STACKTOP)
  XOR A
  LD (OUTDEV),A
  CALL FreshLine
  LD HL,ReadyText
  CALL PrintString
CommandLoop:
  LD SP,(STACKTOP)
  XOR A
  LD (OUTDEV),A
  LD A,'>'
  CALL DISPLAY
  LD HL,INBUF
  LD B,INBUFLEN - 1
  CALL LINEINPUTB
  JR C,CommandLoop
  LD E,B
  LD D,0
  ADD HL,DE
  LD (HL),0                 ; the command text ends with 00
  LD HL,INBUF
  CALL SkipBlanks
  OR A
  JR Z,CommandLoop
  CALL IsDigit
  JP C,EnterProgramLine
  LD DE,CommandTable
  CALL FindCommand
  JP NC,SyntaxError
  PUSH DE
  RET                       ; to the command, HL after its name

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

UpperCase:
  CP 'a'
  RET C
  CP 'z' + 1
  RET NC
  SUB 20h
  RET

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
  DEFB "CLS",0
  DEFW ClsCommand
  DEFB "MON",0
  DEFW 3000h                ; the monitor in the second ROM
  DEFB "RUN",0
  DEFW RunCommand
  DEFB 0

ClsCommand:
  CALL ClearScreen
  JP CommandLoop

NewCommand:
  CALL DoNew
  JP ReadyLevel

; RUN and the other statements need the BASIC interpreter, which this ROM
; does not have yet.
RunCommand:
  LD HL,NoBasicText
  JR ErrorText

SyntaxError:
  LD HL,SyntaxText
  JR ErrorText
DiskOnlyError:
  LD HL,DiskOnlyText
  JR ErrorText
OutOfMemory:
  LD HL,MemoryText
ErrorText:
  PUSH HL
  XOR A
  LD (OUTDEV),A
  CALL TapeMotorOff
  CALL FreshLine
  POP HL
  CALL PrintString
  JP ReadyLevel

ReadyText:
  DEFB "READY",0Dh,0
SyntaxText:
  DEFB "?SN ERROR",0Dh,0
NoBasicText:
  DEFB "?NO BASIC INTERPRETER IN THIS ROM",0Dh,0
DiskOnlyText:
  DEFB "?DISK BASIC ONLY",0Dh,0
MemoryText:
  DEFB "?OM ERROR",0Dh,0
