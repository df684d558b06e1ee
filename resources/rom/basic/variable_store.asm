; Room for variables and arrays: opening room below the free area, CLEAR,
; the products of an array's sizes, and an array's creation (variables.asm
; describes the layout).
;
; RAM: VARTAB, STREND; CLEAR sets STRSPACE, STACKTOP and MEMTOP.

; Open BC bytes at HL (which lies at or below (40FDh)): what lies from HL to
; (40FDh) moves up, (40FDh) grows. ?OM when the stack comes too near.
; In: HL, BC. Out: -. Keeps: BC HL.
MakeRoom:
  PUSH HL
  PUSH BC
  EX DE,HL                  ; DE: the place
  LD HL,(STREND)
  PUSH HL                   ; the old end
  ADD HL,BC
  JR C,MultiplyDEBC_om
  LD B,H
  LD C,L                    ; BC: the new end
  LD HL,63
  ADD HL,BC
  JR C,MultiplyDEBC_om
  SBC HL,SP                 ; no carry: SP is at most the end + 63
  JR NC,MultiplyDEBC_om
  LD (STREND),BC
  POP HL
  PUSH HL
  OR A
  SBC HL,DE
  LD D,B
  LD E,C
  DEC DE                    ; the new end's last byte
  LD B,H
  LD C,L                    ; bytes to move
  POP HL
  DEC HL                    ; the old end's last byte
  LD A,B
  OR C
  JR Z,MakeRoom_moved
  LDDR
MakeRoom_moved:
  POP BC
  POP HL
  RET

; CLEAR [n]: the variables cleared; n bytes of string space.
ClearStatement:
  JR Z,ClearStatement_clear
  CALL EvalAddress
  PUSH HL
  LD HL,(MEMTOP)
  OR A
  SBC HL,DE
  JR C,MultiplyDEBC_om
  INC HL
  PUSH HL                   ; the new bottom of string space
  LD DE,STACKROOM
  SBC HL,DE                 ; (no carry from the test above)
  JR C,MultiplyDEBC_om
  LD DE,(VARTAB)
  RST 18h
  JR C,MultiplyDEBC_om
  POP HL
  LD (STRSPACE),HL
  LD (STACKTOP),HL
  POP HL
ClearStatement_clear:
  CALL ClearAll
  JP ExecNext

; HL = DE * BC (16 bits; ?OM when it does not fit). Keeps: BC.
MultiplyDEBC:
  CALL MultiplyCarry
  RET NC
MultiplyDEBC_om:            ; for MakeRoom, CLEAR and the array's size too
  JP OMError

; HL = DE * BC, unsigned; carry when it does not fit 16 bits (HL is then
; of no use). In: DE, BC. Out: HL, carry. Keeps: BC.
MultiplyCarry:
  LD HL,0
  LD A,D
  OR E
  RET Z
  LD A,16
MultiplyCarry_bit:
  ADD HL,HL
  RET C
  EX DE,HL
  ADD HL,HL
  EX DE,HL
  JR NC,MultiplyCarry_next
  ADD HL,BC
  RET C
MultiplyCarry_next:
  DEC A
  JR NZ,MultiplyCarry_bit
  RET

; Create the array for GetArrayElement: IX at its dim flag/type/name
; words, the C subscripts below it on the stack (the first at IX-2); the
; array goes to (40FDh). Then on as if it had been found.
ArrayCreate:
  LD HL,1                   ; the number of elements
  LD B,C
  PUSH IX
  POP DE
ArrayCreate_count:
  DEC DE
  DEC DE
  PUSH BC
  PUSH DE
  CALL ArrayDimCount
  EX DE,HL
  CALL MultiplyDEBC
  POP DE
  POP BC
  DJNZ ArrayCreate_count
  PUSH BC                   ; B = 0, C = the subscripts
  LD C,(IX+1)               ; times the element size (the type)
  EX DE,HL
  CALL MultiplyDEBC
  POP BC
  ADD HL,BC
  ADD HL,BC
  INC HL                    ; the rest after the size field
  PUSH BC
  PUSH HL
  LD DE,5
  ADD HL,DE
  JR C,MultiplyDEBC_om
  LD B,H
  LD C,L
  LD HL,(STREND)
  CALL MakeRoom
  EX DE,HL                  ; the type and the name from IX+1
  PUSH IX
  POP HL
  INC HL
  LDI
  LDI
  LDI
  EX DE,HL
  POP DE                    ; the rest's size
  POP BC                    ; C = subscripts
  PUSH HL                   ; the size field
  LD (HL),E
  INC HL
  LD (HL),D
  INC HL
  PUSH HL
ArrayCreate_zero:
  LD (HL),0
  INC HL
  DEC DE
  LD A,D
  OR E
  JR NZ,ArrayCreate_zero
  POP HL
  LD (HL),C
  LD B,C
  PUSH IX
  POP DE
ArrayCreate_dims:
  DEC DE
  DEC DE
  PUSH BC
  CALL ArrayDimCount
  INC HL
  LD (HL),C
  INC HL
  LD (HL),B
  POP BC
  DJNZ ArrayCreate_dims
  POP HL                    ; the size field
  JP GetArrayElement_found

; The element count of one dimension of a new array: the subscript + 1
; under DIM, else 11. In: DE = the subscript's address on the stack, IX.
; Out: BC. Keeps: DE HL.
ArrayDimCount:
  LD BC,11
  LD A,(IX+0)
  OR A
  RET Z
  EX DE,HL
  LD C,(HL)
  INC HL
  LD B,(HL)
  DEC HL
  EX DE,HL
  INC BC
  RET
