; The banner's free bytes: from the end of the program's data to the room
; kept for the stack below string space. It lies in the second ROM at
; PRINTFREE (second_rom.inc), as the first has no room for it.

; In: -. Out: -. Keeps: nothing.
  AT PRINTFREE
PrintFreeBytes:
  CALL FreeBytes
  CALL PrintHLDecimal
  LD HL,BytesFreeText
  JP PrintString

; In: -. Out: HL = the free bytes (0 when none). Keeps: BC.
FreeBytes:
  LD HL,(STRSPACE)
  LD DE,(STREND)
  OR A
  SBC HL,DE
  LD DE,STACKROOM
  JP FreeMemory_sub         ; MEM's end, in the first ROM
