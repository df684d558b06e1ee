; Flow of control: the search for a line along the links, the stack
; check, line numbers in the text (IF/THEN/ELSE and ON n GOTO/GOSUB are in
; if_on.asm, CONT, TRON and TROFF in cont_tron.asm; GOTO, GOSUB and RETURN
; lie next to the jump and the statement loop, in run_loop.asm, which also
; describes the FOR and GOSUB entries on the stack).
;
; RAM: STACKTOP, STREND, TXTTAB (read).

; The line DE, found along the links. In: DE. Out: HL = the first line
; numbered DE or more (or the end mark); Z when it is line DE, NC.
; Keeps: BC DE.
FindLineByLink:
  LD HL,(TXTTAB)
; The same from the line at HL on (no line before it numbered DE or more).
FindLineFrom:
  PUSH BC
FindLineFrom_loop:
  LD C,(HL)
  INC HL
  LD B,(HL)                 ; BC = the next line
  LD A,B
  OR C
  JR Z,FindLineFrom_end
  INC HL
  LD A,(HL)
  SUB E
  INC HL
  LD A,(HL)
  SBC A,D                   ; carry: this number is below DE
  JR NC,FindLineFrom_found
  LD H,B
  LD L,C
  JR FindLineFrom_loop
FindLineFrom_found:         ; HL at the high byte of its number; NZ from
  DEC HL                    ; the SBC: above line DE, Z: equal when the
  JR NZ,FindLineFrom_at     ; low bytes are (no borrow was taken)
  LD A,(HL)
  XOR E                     ; (NC)
FindLineFrom_at:
  DEC HL
  DEC HL                    ; at the line; NC, Z when it is line DE
  POP BC
  RET
FindLineFrom_end:           ; HL at the end mark's second byte
  DEC HL
  POP BC
  OR 1                      ; NZ, NC
  RET

; Z when HL is the top of the BASIC stack. Keeps: BC HL.
AtStackTop:
  LD DE,(STACKTOP)
  JP CompareHLDE

; ?OM when the stack would come within 64 bytes of the arrays.
; Keeps: BC DE HL.
CheckStack:
  PUSH HL
  LD HL,-65                 ; - 63, - 2 for the return address: the limit
  ADD HL,SP                 ; counts from the caller's SP
  LD A,(STREND)             ; carry: the end of the arrays lies below
  SUB L                     ; (compared through A: DE is kept without
  LD A,(STREND+1)           ; PUSH/POP)
  SBC A,H
  POP HL
  RET C
  JP OMError

; HL at a line number (blanks first allowed). Out: DE = it, HL at the next
; non-blank character, A = it. Keeps: BC.
ReadLineNumber:
  CALL SkipBlanks
  CALL IsDigit
; The same with HL at the non-blank character and carry for a digit, as a
; statement keyword's NextChar leaves them.
ReadLineNumber_digit:
  JP NC,SNError
  CALL DecimalToBinary
  JP CharFlags

; In: ACC. Out: carry when it is 0 (false); Z also possible.
; Keeps: DE HL.
AccIsTrue:
  LD A,(TYPEFLAG)           ; an integer, as a relation leaves it, first
  CP 2
  JR NZ,AccIsTrue_number
  LD BC,(FAC)
  LD A,B
  OR C
AccIsTrue_test:             ; NC from the OR
  RET NZ
  SCF
  RET
AccIsTrue_number:
  CALL NumericAcc
  LD A,(FAC+3)              ; a single's or double's exponent
  OR A
  JR AccIsTrue_test
