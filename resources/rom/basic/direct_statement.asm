; A line typed at the prompt without a number, run at once.
;
; RAM: none (the statement runs below the stack).

; A direct statement typed at the prompt: HL at the text in the input
; buffer, ending with 00. It is tokenised below the stack and run there,
; where INPUT in a subroutine it calls cannot overwrite it.
; CURLINE is FFFFh already: the command level sets it before each line.
DirectStatement:
  CALL TokeniseLine
  DEC HL
  JP ExecStatement
