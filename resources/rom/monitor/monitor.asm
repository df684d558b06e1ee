; The monitor's command loop: one letter, then hexadecimal arguments.

MonitorStart:
  LD HL,MonitorGreeting
  CALL PRINTSTR
MonitorLoop:
  LD SP,(4047h)             ; the system ROM's stack top
  LD A,0Dh
  CALL MonFreshLine
  LD A,'#'
  CALL DISPLAY
  LD HL,INBUF
  LD B,60
  CALL LINEINPUTB
  JP C,READYLEVEL           ; BREAK leaves the monitor
  LD E,B
  LD D,0
  ADD HL,DE
  LD (HL),0
  LD HL,INBUF
  CALL SkipBlanks
  OR A
  JR Z,MonitorLoop
  CALL UpperCase
  INC HL
  PUSH AF
  CALL ParseArguments
  POP BC                    ; B = the command letter
  JR C,MonitorError
  LD HL,MonitorCommands
FindMonCommand:
  LD A,(HL)
  OR A
  JR Z,MonitorError
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  CP B
  JR NZ,FindMonCommand
  EX DE,HL
  JP (HL)

MonitorError:
  LD HL,MonitorWhat
  CALL PRINTSTR
  JR MonitorLoop

MonitorCommands:
  DEFB 'D'
  DEFW MonDisplay
  DEFB 'M'
  DEFW MonModify
  DEFB 'F'
  DEFW MonFill
  DEFB 'T'
  DEFW MonMove
  DEFB 'G'
  DEFW MonGo
  DEFB 'L'
  DEFW MonLoad
  DEFB 'S'
  DEFW MonSave
  DEFB 'H'
  DEFW MonHelp
  DEFB '?'
  DEFW MonHelp
  DEFB 'X'
  DEFW READYLEVEL
  DEFB 0

MonHelp:
  LD HL,MonitorHelpText
  CALL PRINTSTR
  JR MonitorLoop

  IF SERIES = 1
MonitorGreeting:
  DEFB 0Dh,"QUILLOR MONITOR (SERIES I)  H:HELP",0Dh,0
  ENDIF
  IF SERIES = 2
MonitorGreeting:
  DEFB 0Dh,"QUILLOR MONITOR (SERIES II)  H:HELP",0Dh,0
  ENDIF
  IF SERIES = 3
MonitorGreeting:
  DEFB 0Dh,"QUILLOR MONITOR (/64)  H:HELP",0Dh,0
  ENDIF
MonitorWhat:
  DEFB "?",0Dh,0
MonitorHelpText:            ; A, B, C: addresses, V: a byte, E: entry, N: name
  DEFB "D A:DUMP  M A:MODIFY  F A B V:FILL  T A B C:MOVE",0Dh
  DEFB "G A:GO L:LOAD S A B E N:SAVE X:READY",0Dh,0
