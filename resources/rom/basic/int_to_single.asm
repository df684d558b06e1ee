; 16-bit integers to singles and singles to integers (single.asm
; describes the format).
;
; RAM: FAC, FSIGN.

; In: HL integer. Out: ACC = HL as a single. Keeps: BC DE (the second
; name is for the callers that need them).
IntToSingleKeep:
IntToSingle:
  LD A,H
  OR A
  JR Z,IntToSingle_byte
  LD (FSIGN),A
  CALL M,NegHL              ; (the sign from the OR A above)
UIntToSingle_store:         ; HL = the magnitude, 1..FFFFh
  LD A,145
IntToSingle_shift:          ; 16-bit shifts, faster than FNorm's 32-bit ones
  DEC A
  ADD HL,HL
  JR NC,IntToSingle_shift   ; the leading 1 goes out
  RR H                      ; and comes back on top: 16 bits are exact,
  RR L                      ; nothing to round; packed here, not by
  LD (FAC+3),A              ; FNorm, so that BC DE stay
  LD A,(FSIGN)
  OR 7Fh
  AND H
  LD H,A
  LD (FAC+1),HL
  XOR A
  LD (FAC),A
  JP FSetSingle
IntToSingle_exponent:       ; A = the exponent, then normalise (for RND)
  LD (FAC+3),A
  JP FNorm

IntToSingle_byte:           ; 0..255, the common constants: shift to the top
  OR L                      ; (A = H = 0)
  JP Z,FZero
  DEC A                     ; 1, the commonest, at once (A = 0 is its
  LD H,129                  ; top byte)
  JR Z,IntToSingle_store
  INC A
  LD H,137
  CP 16
  JR NC,IntToSingle_top
  LD H,133                  ; 1..15 (most of them): four places at once
  ADD A,A
  ADD A,A
  ADD A,A
  ADD A,A
IntToSingle_top:
  DEC H
  ADD A,A
  JR NC,IntToSingle_top     ; the leading 1 goes out; below it the rest
  SRL A                     ; a positive sign
IntToSingle_store:
  LD L,A                    ; H L: the exponent and the top byte, stored
  LD (FAC+2),HL             ; from HL so that BC DE stay
  LD HL,0
  LD (FAC),HL
  JP FSetSingle

; In: HL unsigned. Out: ACC = HL as a single. Keeps: nothing.
UIntToSingle:
  XOR A
  LD (FSIGN),A
  OR H
  JR Z,IntToSingle_byte     ; (0 too: the shifts would never end)
  JR UIntToSingle_store

; In: ACC single. Out: HL = the ACC truncated toward 0; carry set when it
; is outside -32768..32767. Keeps: BC DE.
SingleToInt:
  LD HL,0
  LD A,(FAC+3)
  CP 129
  CCF
  RET NC                    ; below 1: 0
  CP 137
  JR NC,SingleToInt_wide
  SUB 129                   ; below 256, the common case (indexes, steps):
  LD L,1                    ; the leading 1, then the 0..7 whole bits
  JR Z,SingleToInt_sign     ; below it from the top (H is 0)
  LD H,A
  LD A,(FAC+2)
  ADD A,A                   ; (the sign goes)
SingleToInt_small:
  ADD A,A
  RL L
  DEC H
  JR NZ,SingleToInt_small
SingleToInt_sign:
  LD A,(FAC+2)
  OR A
  RET P                     ; (no carry from the OR)
  JP NegHL                  ; (H is 0: no carry from its last SUB)
SingleToInt_wide:           ; 256 and above: 0..7 places right
  CP 145
  JR NC,SingleToInt_big
  LD HL,(FAC+1)
  SET 7,H
  SUB 144
  JR Z,SingleToInt_shifted
SingleToInt_shift:
  SRL H
  RR L
  INC A
  JR NZ,SingleToInt_shift
SingleToInt_shifted:       ; HL = the magnitude, 100h..FFFFh
  LD A,(FAC+2)
  OR A
  CALL M,NegHL
  LD A,(FAC+2)              ; it fits when the result's sign is the
  XOR H                     ; value's (-1..-8000h negated have bit 7)
  RLA
  RET
SingleToInt_big:
  SCF
  RET
