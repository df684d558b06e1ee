; DELETE n, DELETE n-m, DELETE -m, DELETE n-: the program lines in the
; range go; the program's variables go with them, as after any change of
; the program. A range that holds no line is refused (?FC), and so is a
; DELETE without one, which would take the whole program.
;
; It lies in the second ROM at DeleteCommand (second_rom.inc), as the
; first has no room for it.
;
; RAM: LISTFROM, LISTTO (through ListRange).

; In: HL after the command's name. Out: to READY. Keeps: -.
  AT DeleteCommand
  CALL SkipBlanks
  OR A
  JP Z,FCError
  CALL ListRange
  LD DE,(LISTTO)
  CALL FindLineByLink       ; HL = the range's last line or the one after
  CALL Z,NextLine
  PUSH HL
  LD DE,(LISTFROM)
  CALL FindLineByLink       ; HL = the range's first line
  POP DE                    ; DE after the range's last line
  RST 18h
  JP NC,FCError             ; nothing between them
  EX DE,HL                  ; DE = the first line, HL after the last
  CALL DeleteText
  CALL RelinkProgram
  JP ReadyLevel
