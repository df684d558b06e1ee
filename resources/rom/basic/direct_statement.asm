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
; After the text's 00 one byte on comes a 00, where a program line's link
; has its high byte: the statement loop ends the direct statement there as
; it ends a program at its end mark.
; CURLINE is FFFFh already: the command level sets it before each line.
DirectStatement:
  LD DE,INBUF
  CALL Tokenise
  INC DE
  XOR A
  LD (DE),A
  INC DE
  LD (DIRECTEND),DE
  LD HL,INBUF - 1
  JP ExecStatement
