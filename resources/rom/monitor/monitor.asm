; The monitor's command loop: one letter, then hexadecimal arguments.

MonitorStart:
  LD HL,MonitorGreeting
MonitorMessage:             ; the text at HL, then the prompt
  CALL PRINTSTR
MonitorLoop:
  LD SP,(4047h)             ; the system ROM's stack top
  CALL FreshLine
  LD A,'#'
  CALL DISPLAY
  CALL ReadInputLine        ; the command level's: HL, A at the first letter
  JP C,READYLEVEL           ; BREAK leaves the monitor
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
  LD HL,MonitorLoop         ; a command ends with RET
  PUSH HL
  EX DE,HL
  JP (HL)

MonitorError:
  LD HL,MonitorWhat
  JR MonitorMessage

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
  JR MonitorMessage
