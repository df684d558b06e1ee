; SYSTEM "/" and "/nnnnn": start the program loaded last, or at an
; address.

SystemGo:                   ; HL at the '/'
  INC HL
  CALL SkipBlanks
  OR A
  JR NZ,SystemGo_address
  LD HL,(SYSENTRY)
  JR SystemJump
SystemGo_address:           ; the digits after the '/' (and its blanks)
  CALL DecimalToBinary
  EX DE,HL
SystemJump:                 ; a program that returns comes to READY
  LD DE,ReadyLevel
  PUSH DE
  JP (HL)

SystemPromptText:
  DEFB "*? ",0
