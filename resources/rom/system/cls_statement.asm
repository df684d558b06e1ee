; CLS as a statement. It lies in the second ROM at ClsStatement
; (second_rom.inc), as the first has no room for it.

; In: HL after CLS. Out: -. Keeps: HL (ClearScreen keeps every register).
  AT ClsStatement
  CALL ClearScreen
  JP ExecNext
