; Variables and arrays: a variable's or an array element's address (LET,
; DIM and the DEF statements are in let_dim.asm; making room, CLEAR and
; creating an array in variable_store.asm).
;
; Simple variables lie from (40F9h) to (40FBh), each: type (2 integer,
; 3 string, 4 single, 8 double; also its value's size), the second name
; character (or 0), the first letter, the value. VARPTR gives the value's
; address K, so K-1 is the first letter and K-2 the second character.
; Arrays lie from (40FBh) to (40FDh), each: type, second and first name
; character, the size of the rest (2 bytes), the number of subscripts,
; each dimension's element count (2 bytes, the first subscript first), the
; elements (the first subscript varies fastest). An array used before DIM
; gets 11 elements (0-10) per subscript. A new simple variable moves the
; arrays up.
;
; RAM: VARTAB, ARYTAB, STREND, DEFTABLE, VARTYPE, DIMFLAG, ARRTEXT,
; ARRPTR, ARROFS, ARRELEM, SUBCOUNT.

GetVar_sn:                  ; within JR reach: a jump not taken costs less
  JP SNError

; In: HL at a name. Out: DE = the address of its value (created as 0 if
; new), VARTYPE = its type, HL at the next non-blank character after the
; name and subscripts, A = it. Keeps: nothing.
GetVar:
  LD A,(HL)
  LD B,A
  SUB 'A'
  CP 26
  JR NC,GetVar_sn
  IF (LOW DEFTABLE) = 1     ; DE: the letter's default type (DEFTABLE does
  INC A                     ; not cross a page; it starts at xx01h, where
  ELSE                      ; INC is shorter and faster than ADD)
  ADD A,LOW DEFTABLE
  ENDIF
  LD E,A
  LD D,HIGH DEFTABLE
  LD C,0
  INC HL
  LD A,(HL)
  CP 'Z' + 1                ; most names end at a token (80h up), which
  JR C,GetVar_short         ; is no suffix, blank or '(' either
GetVar_default:             ; no suffix, blank or '(' follows
  LD A,(DE)
GetVar_store:               ; A = the type, HL after the name
  LD (VARTYPE),A
  LD E,A
  PUSH HL
  LD A,(ARYTAB)
  ADD A,2
  LD D,A                    ; the low byte of the end + 2
  LD HL,(VARTAB)
  INC HL
  INC HL
GetVar_search:              ; HL at an entry's first letter, which differs
  LD A,L                    ; most often; the end is 2 below
GetVar_low:                 ; A = L
  CP D
  JR Z,GetVar_end
GetVar_entry:
  LD A,(HL)
  CP B
  JR Z,GetVar_first
GetVar_next2:
  DEC HL
GetVar_next1:
  DEC HL
GetVar_next:                ; HL at an entry's type, which is also its size
  LD A,(HL)
  ADD A,5                   ; to the next entry's first letter
  ADD A,L
  LD L,A
  JR NC,GetVar_low
  INC H
  JR GetVar_low
GetVar_first:
  DEC HL
  LD A,(HL)
  CP C
  JR NZ,GetVar_next1
  DEC HL
  LD A,(HL)
  CP E
  JR NZ,GetVar_next
  INC HL
  INC HL
  INC HL
  EX DE,HL
  POP HL
  LD A,(HL)
  RET
GetVar_end:                 ; the low byte matches: the end itself?
  DEC HL
  DEC HL
  LD A,(ARYTAB+1)
  CP H
  JR Z,GetVar_create
  INC HL
  INC HL
  JR GetVar_entry
GetVar_create:              ; HL = (ARYTAB): room for 3 + E bytes
  PUSH BC
  LD A,E
  ADD A,3
  LD C,A
  LD B,0
  CALL MakeRoom             ; BC bytes at HL, arrays moved up
  POP BC
  LD A,(VARTYPE)
  LD (HL),A
  INC HL
  LD (HL),C
  INC HL
  LD (HL),B
  INC HL
  PUSH HL
  LD B,A
GetVar_zero:
  LD (HL),0
  INC HL
  DJNZ GetVar_zero
  LD (ARYTAB),HL            ; the entry was made at the old end
  POP DE
  POP HL
  LD A,(HL)
  RET

GetVar_short:               ; A below 'Z' + 1
  CP ')'
  JR C,GetVar_below
  CP '0'                    ; ')' ',' '-' '/' and such end the name
  JR C,GetVar_default
  CALL GetVar_alnum
  JR NC,GetVar_default      ; so do ':' to '@'
  LD C,A
GetVar_skip:                ; further characters do not count
  INC HL
  LD A,(HL)
  CALL GetVar_alnum
  JR C,GetVar_skip
  JR GetVar_suffix
GetVar_alnum:               ; carry for a letter or digit
  CP '0'
  CCF
  RET NC
  CP '9' + 1
  RET C
; A letter? In: A. Out: carry if 'A'-'Z'. Keeps: all but F.
IsLetter:
  CP 'A'
  CCF
  RET NC
  CP 'Z' + 1
  RET
GetVar_below:               ; below ')': the end of the line is common
  OR A
  JP Z,GetVar_default
  CP '('                    ; an array: no suffix, no blank
  JR NZ,GetVar_suffix
  LD A,(DE)
  LD D,A
  JR GetArrayElement
GetVar_suffix:
  CP '%' + 1                ; the suffixes are '!' to '%'
  JR NC,GetVar_deftype
  SUB '!'
  JR C,GetVar_deftype       ; a blank
  INC HL                    ; past it, if it is one
  LD D,4
  JR Z,GetVar_typed
  SUB '#' - '!'
  LD D,8
  JR Z,GetVar_typed
  DEC A                     ; '$'
  LD D,3
  JR Z,GetVar_typed
  DEC A                     ; '%'
  LD D,2
  JR Z,GetVar_typed
  DEC HL
GetVar_deftype:
  LD D,HIGH DEFTABLE
  LD A,(DE)
  LD D,A
GetVar_typed:               ; D = the type; HL after the name
  LD A,(HL)                 ; blanks are rare here: no call for none
  CP ' '
  CALL Z,SkipBlanks
  CP '('
  LD A,D
  JP NZ,GetVar_store

; An array element: HL at '(', name in B (first) and C (second), D its
; type, DIMFLAG set by DIM. Out: as GetVar.
GetArrayElement:
  LD A,(DIMFLAG)
  LD E,A
  PUSH BC
  PUSH DE
  XOR A
  LD (DIMFLAG),A
  LD C,A                    ; subscripts read
GetArrayElement_subscript:  ; each subscript waits on the stack, and one
  CALL CheckStack           ; may hold an array (A(A(A(...))))
  INC HL
  PUSH BC
  CALL Eval
  EX DE,HL                  ; the text in DE: AccToInt keeps it
  LD HL,(FAC)               ; an integer as it is; else not made one
  LD A,(TYPEFLAG)           ; in the ACC, which only HL needs
  CP 2
  CALL NZ,AccToInt_number
  BIT 7,H
  JP NZ,BSError
  EX DE,HL
  POP BC
  INC C
  PUSH DE
  LD A,(HL)
  CP ','
  JR Z,GetArrayElement_subscript
  CP ')'                    ; here, not by RST 08h: Eval left A at it
  JP NZ,SNError
  CALL NextChar
  LD (ARRTEXT),HL
  LD L,C
  LD H,0
  ADD HL,HL
  ADD HL,SP                 ; HL: dim flag, type, second, first name char
  LD A,(HL)
  RRCA                      ; DIM: bit 7 of C (a line holds fewer than 128
  OR C                      ; subscripts)
  LD C,A
  INC HL
  LD D,(HL)                 ; in registers for the search: faster than IX
  INC HL
  LD E,(HL)
  INC HL
  LD B,(HL)
  LD HL,(ARYTAB)
GetArrayElement_search:     ; HL at an array's type
  LD A,(STREND)
  CP L
  JR Z,GetArrayElement_end
GetArrayElement_entry:
  LD A,(HL)
  CP D
  JR NZ,GetArrayElement_next
  INC HL
  LD A,(HL)
  CP E
  JR NZ,GetArrayElement_next1
  INC HL
  LD A,(HL)
  CP B
  JR NZ,GetArrayElement_next2
  INC HL
GetArrayElement_found:      ; HL at the size field
  INC HL
  INC HL
  LD A,(HL)
  CP C                      ; (under DIM, bit 7 of C, never the same)
  JR NZ,GetArrayElement_count
  DEC A
  JR NZ,GetArrayElement_many
GetArrayElement_one:        ; one subscript, the common case: no products
  INC HL
  LD C,(HL)
  INC HL
  LD B,(HL)                 ; its element count
  INC HL
  EX DE,HL                  ; DE: the elements
  POP HL                    ; the subscript
  LD A,L                    ; below the count
  SUB C
  LD A,H
  SBC A,B
  JP NC,BSError
GetArrayElement_scale:      ; HL = the element's number, DE = the first
  POP BC                    ; B = the type (C: the dim flag)
  POP AF                    ; (the name)
  LD A,B
  LD (VARTYPE),A
  CP 4                      ; times the type, the element's size; a
  JR NZ,GetArrayElement_other ; single, the most common, without a loop
  ADD HL,HL
  ADD HL,HL
GetArrayElement_address:
  ADD HL,DE
  EX DE,HL
  LD HL,(ARRTEXT)
  LD A,(HL)
  RET
GetArrayElement_other:
  CP 3
  JR Z,GetArrayElement_three
  RRCA                      ; 2, 8: a doubling for each bit up to the
GetArrayElement_size:       ; one set
  ADD HL,HL
  RRCA
  JR NC,GetArrayElement_size
  JR GetArrayElement_address
GetArrayElement_three:
  LD C,L
  LD B,H
  ADD HL,HL
  ADD HL,BC
  JR GetArrayElement_address
GetArrayElement_end:        ; the low byte matches: the end itself?
  LD A,(STREND+1)
  CP H
  JR NZ,GetArrayElement_entry
  RES 7,C
  LD L,C
  LD H,0
  ADD HL,HL
  ADD HL,SP
  PUSH HL
  POP IX                    ; IX: dim flag, type, second, first name char
  JP ArrayCreate
GetArrayElement_next:       ; out of the way of the array found
  INC HL
GetArrayElement_next1:
  INC HL
GetArrayElement_next2:
  INC HL
  PUSH DE
  LD E,(HL)
  INC HL
  LD D,(HL)
  INC HL
  ADD HL,DE
  POP DE
  JR GetArrayElement_search
GetArrayElement_count:      ; the subscripts do not fit the array, or DIM
  BIT 7,C                   ; names one that exists
  JP Z,BSError
  JP DDError
GetArrayElement_many:       ; more than one subscript: the products
  LD B,0
  ADD HL,BC
  ADD HL,BC
  DEC HL                    ; the last dimension
  LD (ARRPTR),HL
  INC HL
  INC HL
  LD (ARRELEM),HL
  LD HL,0
  LD (ARROFS),HL
  LD A,C
  LD (SUBCOUNT),A
GetArrayElement_index:
  POP DE                    ; the subscripts, last first
  LD HL,(ARRPTR)
  LD C,(HL)
  INC HL
  LD B,(HL)
  DEC HL
  DEC HL
  DEC HL
  LD (ARRPTR),HL
  LD A,E                    ; the subscript below the count
  SUB C
  LD A,D
  SBC A,B
  JP NC,BSError
  PUSH DE
  LD DE,(ARROFS)
  CALL MultiplyDEBC
  POP DE
  ADD HL,DE
  LD (ARROFS),HL
  LD HL,SUBCOUNT
  DEC (HL)
  JR NZ,GetArrayElement_index
  LD HL,(ARROFS)
  LD DE,(ARRELEM)
  JP GetArrayElement_scale
