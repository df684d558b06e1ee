; The monitor's texts: its greeting, the answer to a bad command and the
; help. They follow the code so that the commands reach the command loop
; with relative jumps.

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
; The commands with their arguments (A, B, C: addresses, V: a byte, E: the
; entry, N: a name): D dump, M modify, F fill, T move, G go, L load, S save,
; X back to READY. Terse: the second ROM has little room.
MonitorHelpText:
  DEFB "D/M A  F A B V  T A B C  G A",0Dh
  DEFB "L  S A B E N  X",0Dh,0
