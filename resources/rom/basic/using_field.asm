; PRINT USING: recognising a field of the format and measuring it: '!',
; '%' blanks '%', or a number field ('+' '**' '$$' '**$', '#' and ','
; before the point, '.', '#' after it, '^^^^', a sign after).
;
; RAM: USINGFLAGS, USINGINT, USINGFRAC (print_using.asm describes them).

; In: DE, B = the rest of the format, B > 0. Out: NC: a field, DE and B
; past it, the USING cells set and in HL (L the flags, H the width or the
; positions before the point); carry: no field here, DE and B kept.
; ?FC for more than 24 digit positions. Keeps: C.
UsingField:
  PUSH BC
  PUSH DE
  LD HL,1 * 256 + 80h       ; H = the width, L = a string field
  CALL UsingTake
  DEFB '!'
  JR Z,UsingField_found
  CALL UsingTake
  DEFB '%'
  JR NZ,UsingField_number
UsingField_blank:           ; one position for each '%' and blank
  INC H
  CALL UsingTake
  DEFB '%'
  JR Z,UsingField_found
  CALL UsingTake
  DEFB ' '
  JR Z,UsingField_blank
UsingField_none:
  POP DE
  POP BC
  SCF
  RET
UsingField_found:
  LD (USINGFLAGS),HL
  POP AF                    ; the place in the format at the start
  EX (SP),HL                ; C back from the saved BC
  LD C,L
  POP HL
  OR A
  RET
UsingField_number:
  LD HL,0                   ; L = the flags, H = the positions before the point
  CALL UsingTake
  DEFB '+'
  JR NZ,UsingField_stars
  INC L
UsingField_stars:
  CALL UsingTake
  DEFB '*'
  JR NZ,UsingField_dollars
  CALL UsingTake
  DEFB '*'
  JR NZ,UsingField_none
  SET 2,L
  INC H
  INC H
  CALL UsingTake
  DEFB '$'
  JR NZ,UsingField_digits
  JR UsingField_dollar
UsingField_dollars:
  CALL UsingTake
  DEFB '$'
  JR NZ,UsingField_digits
  CALL UsingTake
  DEFB '$'
  JR NZ,UsingField_none
  INC H
UsingField_dollar:
  SET 3,L
UsingField_digit:
  INC H
UsingField_digits:
  CALL UsingTake
  DEFB '#'
  JR Z,UsingField_digit
  INC H                     ; a comma belongs to the field only after a position
  DEC H
  JR Z,UsingField_point
  CALL UsingTake
  DEFB ','
  JR NZ,UsingField_point
  SET 4,L
  JR UsingField_digit
UsingField_point:
  LD C,0
  CALL UsingTake
  DEFB '.'
  JR NZ,UsingField_measured
  SET 5,L
UsingField_frac:
  CALL UsingTake
  DEFB '#'
  JR NZ,UsingField_measured
  INC C
  JR UsingField_frac
UsingField_measured:
  LD A,H
  ADD A,C
  JR Z,UsingField_none      ; a lone '+', '.' or '+.'
  CP 25
  JP NC,FCError
  LD A,C
  LD (USINGFRAC),A
  PUSH DE
  PUSH BC
  LD C,4
UsingField_caret:           ; the up arrow as the keyboard types it (5Bh),
  CALL UsingTake            ; or '^' from a host's text
  DEFB 5Bh
  JR Z,UsingField_arrow
  CALL UsingTake
  DEFB '^'
  JR NZ,UsingField_nocaret
UsingField_arrow:
  DEC C
  JR NZ,UsingField_caret
  SET 6,L
  POP AF
  POP AF
  JR UsingField_sign
UsingField_nocaret:         ; fewer than four: text after the field
  POP BC
  POP DE
UsingField_sign:
  BIT 0,L
  JR NZ,UsingField_signed
  CALL UsingTake
  DEFB '-'
  JR Z,UsingField_trail
  CALL UsingTake
  DEFB '+'
  JR NZ,UsingField_signed
  INC L
UsingField_trail:
  SET 1,L
UsingField_signed:
  JP UsingField_found

; The character after the CALL is compared with the format's next one.
; In: DE, B = the rest of the format. Out: Z and DE, B past it when the
; format goes on with it (NZ at its end). Keeps: C HL.
UsingTake:
  LD A,B
  CP 1                      ; carry and NZ at the end of the format
  EX (SP),HL
  LD A,(HL)
  INC HL
  EX (SP),HL
  RET C
  EX DE,HL
  CP (HL)
  EX DE,HL
  RET NZ
  INC DE
  DEC B
  CP A
  RET
