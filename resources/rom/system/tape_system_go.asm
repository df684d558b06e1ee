; SYSTEM "/" and "/nnnnn": start the program loaded last, or at an
; address.

SystemGo:
  INC HL
  CALL SkipBlanks
  OR A
  LD HL,(SYSENTRY)
  JR Z,SystemJump
  LD HL,INBUF + 1
  CALL SkipBlanks
  CALL DecimalToBinary
  EX DE,HL
SystemJump:                 ; a program that returns comes to READY
  LD DE,ReadyLevel
  PUSH DE
  JP (HL)

SystemPromptText:
  DEFB "*? ",0
