; Garbage collection of string space: the strings still referred to (by
; simple variables, string arrays and the temporary descriptors) move to
; the top of string space, highest first; what lies below them is free.
; Descriptors that share a start move together (the longest counts).
;
; RAM: GCTOP, GCLIMIT, GCOLD, GCFOUND, GCNEW, GCVISIT, GCLEN, STRNEXT.

; Compact string space. Keeps: BC DE HL.
CollectGarbage:
  PUSH HL
  PUSH DE
  PUSH BC
  LD HL,(MEMTOP)
  LD (GCTOP),HL             ; where the next kept string ends
  LD (GCLIMIT),HL           ; strings up to here are still to be moved
CollectGarbage_round:
  LD HL,0
  LD (GCFOUND),HL
  LD HL,CollectGarbage_highest
  CALL ForEachDescriptor
  LD HL,(GCFOUND)
  LD A,H
  OR L
  JR Z,CollectGarbage_done
  ; move the string (length GCLEN) to end at GCTOP
  LD (GCOLD),HL
  DEC HL
  LD (GCLIMIT),HL
  INC HL
  LD A,(GCLEN)
  LD C,A
  LD B,0
  ADD HL,BC
  DEC HL                    ; its last byte
  LD DE,(GCTOP)
  LDDR
  LD (GCTOP),DE             ; below the moved string
  INC DE
  LD (GCNEW),DE
  LD HL,CollectGarbage_update
  CALL ForEachDescriptor
  JR CollectGarbage_round
CollectGarbage_done:
  LD HL,(GCTOP)
  LD (STRNEXT),HL
  POP BC
  POP DE
  POP HL
  RET
; For each descriptor at HL: remember the highest string below GCLIMIT
; that lies in string space.
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
  EX DE,HL
  RET C                     ; above the limit: done already
  LD DE,(GCFOUND)
  RST 18h
  RET C
  JR NZ,CollectGarbage_higher
  LD A,(GCLEN)              ; the same start: the longer one counts
  CP C
  RET NC
CollectGarbage_higher:
  LD (GCFOUND),HL
  LD A,C
  LD (GCLEN),A
  RET
; For each descriptor at HL: the moved string's new address.
CollectGarbage_update:
  LD A,(HL)
  OR A
  RET Z
  INC HL
  LD E,(HL)
  INC HL
  LD D,(HL)
  PUSH HL
  LD HL,(GCOLD)
  RST 18h
  POP HL
  RET NZ
  LD DE,(GCNEW)
  LD (HL),D
  DEC HL
  LD (HL),E
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

