; Assigning strings and making new ones: a variable gets the descriptor of
; its value; text outside the program and string space is copied into
; string space first (see strings.asm for the layout).
;
; RAM: STRNEXT through AllocString.

; Assign the string in the ACC to the variable at DE. Keeps: -.
StoreString:
  PUSH DE
  CALL PopStringDescriptor  ; B, HL = text
  LD DE,(STRSPACE)          ; a string in string space is shared: strings
  RST 18h                   ; never change, and the collection moves
  JR NC,StoreString_set     ; shared ones together
  LD DE,(TXTTAB)            ; a literal in the program text is not copied
  RST 18h
  JR C,StoreString_copy
  LD DE,(VARTAB)
  RST 18h
  JR C,StoreString_set
StoreString_copy:           ; text outside string space: the collection
  LD A,B                    ; that AllocString may start leaves it where
  OR A                      ; it is
  JR Z,StoreString_set
  EX DE,HL
  CALL AllocString          ; (keeps BC DE)
  PUSH HL
  PUSH BC
  EX DE,HL
  LD C,B
  CALL CopyBytes
  POP BC
  POP HL
StoreString_set:            ; B, HL: the string to refer to
  POP DE
  EX DE,HL
  LD (HL),B
  INC HL
  LD (HL),E
  INC HL
  LD (HL),D
  RET

; Copy the string of the descriptor at HL to DE. Out: DE after it.
; Keeps: -.
StringCopy:
  LD C,(HL)
  INC HL
  LD A,(HL)
  INC HL
  LD H,(HL)
  LD L,A
; Copy C bytes (0 too) from HL to DE. Out: DE after them. Keeps: -.
CopyBytes:
  LD B,0
  LD A,C
  OR A
  RET Z
  LDIR
  RET

