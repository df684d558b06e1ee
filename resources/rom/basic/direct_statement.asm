; A line typed at the prompt without a number, run at once.
;
; RAM: INBUF (the statement runs from there).

; A direct statement typed at the prompt: HL at the text in the input
; buffer, ending with 00. It is tokenised below the stack and copied back
; into the buffer to run there: below the stack, GOSUBs and FOR loops
; nested deep enough would overwrite it. (An apostrophe makes the text
; two bytes longer, so it stays well below 256 bytes.)
; CURLINE is FFFFh already: the command level sets it before each line.
DirectStatement:
  CALL TokeniseLine         ; HL = the tokenised text, DE after its 00
  LD A,E
  SUB L
  LD C,A
  LD B,0
  LD DE,INBUF
  LDIR
  LD HL,INBUF - 1
  JP ExecStatement
