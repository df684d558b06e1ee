; Garbage collection of string space: the strings still referred to (by
; simple variables, string arrays and the temporary descriptors) move to
; the top of string space, the one that ends highest first; what lies below
; them is free. LEFT$, RIGHT$ and MID$ give strings that share text, and a
; part may outlive the string it was taken from, so texts overlap in any
; way. The bytes above GCLIMIT (up to the last one moved) have all gone up
; by STRNEXT - GCLIMIT; a string that reaches above GCLIMIT moves only its
; bytes below it, by that same distance, to join them, and one below a gap
; moves whole. Every descriptor that starts in the bytes moved follows
; them, so shared text stays shared and every string whole.
;
; RAM: GCLIMIT, GCFOUND, GCOLD, GCNEW, GCVISIT, STRNEXT (the top of the
; bytes still to move to, during a collection).

; Compact string space. Out: STRNEXT = the highest free byte. Keeps: BC DE
; HL.
CollectGarbage:
  PUSH HL
  PUSH DE
  PUSH BC
  LD HL,(MEMTOP)
  LD (STRNEXT),HL
  LD (GCLIMIT),HL           ; strings starting up to here are still to move
CollectGarbage_round:
  LD HL,0
  LD (GCFOUND),HL
  LD HL,CollectGarbage_highest
  CALL ForEachDescriptor
  LD HL,(GCFOUND)           ; the highest last byte of a string to move
  LD A,H
  OR L
  JR Z,CollectGarbage_done
  LD DE,(GCLIMIT)
  RST 18h
  JR C,CollectGarbage_move  ; a gap above it: the whole string moves
  EX DE,HL                  ; its bytes above GCLIMIT have moved already
CollectGarbage_move:        ; GCOLD..HL to end at STRNEXT
  LD DE,(GCOLD)
  LD A,L
  SUB E
  LD C,A
  LD A,H
  SBC A,D
  LD B,A
  INC BC
  LD DE,(STRNEXT)
  LDDR                      ; up or in place: never over a byte still to move
  LD (GCLIMIT),HL           ; below the string found
  EX DE,HL
  PUSH HL
  SBC HL,DE                 ; (no carry) how far the bytes moved
  JR Z,CollectGarbage_placed ; not at all: no descriptor changes
  LD (GCNEW),HL
  LD HL,CollectGarbage_update
  CALL ForEachDescriptor
CollectGarbage_placed:
  POP HL
  LD (STRNEXT),HL
  JR CollectGarbage_round
CollectGarbage_done:
  POP BC
  POP DE
  POP HL
  RET
; For each descriptor at HL: of the strings in string space that start
; at or below GCLIMIT, remember the one that ends highest (its last byte
; in GCFOUND, its start in GCOLD). Any of equal ends will do: the others
; reach into its text and follow.
CollectGarbage_highest:
  LD A,(HL)
  OR A
  RET Z
  LD C,A
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  LD HL,(STRSPACE)
  EX DE,HL
  RST 18h
  RET C                     ; below string space
  LD DE,(GCLIMIT)
  EX DE,HL
  RST 18h
  RET C                     ; above the limit: moved already
  LD B,0
  LD H,D
  LD L,E
  ADD HL,BC
  DEC HL                    ; its last byte (FFFFh at the top of 64K)
  PUSH DE
  LD DE,(GCFOUND)
  RST 18h
  POP DE
  RET C
  LD (GCFOUND),HL
  LD (GCOLD),DE
  RET
; For each descriptor at HL: a string that starts in the bytes just moved
; (above GCLIMIT, up to the old STRNEXT) moves by GCNEW with them.
CollectGarbage_update:
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  LD B,H
  LD C,L
  LD HL,(GCLIMIT)
  RST 18h
  RET NC                    ; not moved yet, or not in string space
  LD HL,(STRNEXT)
  RST 18h
  RET C                     ; moved in an earlier round, or above MEMTOP
  LD HL,(GCNEW)
  ADD HL,DE
  LD A,H
  LD (BC),A
  DEC BC
  LD A,L
  LD (BC),A
  RET

; Call the routine at HL with HL at every string descriptor: PRINT USING's
; format, the temporaries, the string variables and the elements of string
; arrays.
; The routine may use A, BC, DE, HL.
ForEachDescriptor:
  LD (GCVISIT),HL
  LD HL,USINGDESC           ; PRINT USING's format
  CALL ForEachDescriptor_call
  LD HL,TEMPDESC
ForEachDescriptor_temp:
  CALL ForEachDescriptor_call
  INC HL
  INC HL
  INC HL
  LD A,L
  CP LOW TEMPDESCEND
  JR NZ,ForEachDescriptor_temp
  LD HL,(VARTAB)
ForEachDescriptor_var:
  LD DE,(ARYTAB)
  RST 18h
  JR Z,ForEachDescriptor_arrays
  LD A,(HL)
  INC HL
  INC HL
  INC HL
  CP 3
  JR NZ,ForEachDescriptor_skip
  CALL ForEachDescriptor_call
ForEachDescriptor_skip:
  LD E,A
  LD D,0
  ADD HL,DE
  JR ForEachDescriptor_var
ForEachDescriptor_arrays:   ; HL = (ARYTAB)
  LD DE,(STREND)
  RST 18h
  RET Z
  LD A,(HL)
  INC HL
  INC HL
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  PUSH HL
  ADD HL,DE
  EX (SP),HL                ; (SP) = the next array, HL at the count
  CP 3
  JR NZ,ForEachDescriptor_nextarray
  LD E,(HL)
  LD D,0
  INC HL
  ADD HL,DE
  ADD HL,DE                 ; the first element
ForEachDescriptor_element:
  POP DE
  PUSH DE
  RST 18h
  JR Z,ForEachDescriptor_nextarray
  CALL ForEachDescriptor_call
  INC HL
  INC HL
  INC HL
  JR ForEachDescriptor_element
ForEachDescriptor_nextarray:
  POP HL
  JR ForEachDescriptor_arrays
ForEachDescriptor_call:     ; the routine for HL, keeping AF DE HL
  PUSH AF
  PUSH DE
  PUSH HL
  CALL ForEachDescriptor_go
  POP HL
  POP DE
  POP AF
  RET
ForEachDescriptor_go:
  LD DE,(GCVISIT)
  PUSH DE
  RET

