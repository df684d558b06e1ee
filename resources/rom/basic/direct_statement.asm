; A line typed at the prompt without a number, run at once.
;
; RAM: DIRECTEND (where the statement ends in the input buffer; INPUT in a
; subroutine it calls reads its line after it, and RUN, CLEAR and NEW set
; it back to the buffer's start).

; A direct statement typed at the prompt: HL at the text in the input
; buffer, ending with 00. The command level reads its lines two bytes into
; the buffer, so the statement is tokenised in place at the buffer's start
; (only an apostrophe grows, by two) and runs there, where neither the
; stack, the arrays nor a CLEAR can reach it.
; CURLINE is FFFFh already: the command level sets it before each line.
DirectStatement:
  LD DE,INBUF
  CALL Tokenise
  LD (DIRECTEND),DE
  LD HL,INBUF - 1
  JP ExecStatement
