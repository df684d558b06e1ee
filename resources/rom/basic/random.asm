; Pseudo-random numbers: the generator under RND, and RANDOM.
;
; RAM: RNDSEED.

; A new pseudo-random number: 24 bits, seed = seed * 5 + 3F6B5h, as a
; single in (0,1). Keeps: -.
NextRandom:
  LD HL,(RNDSEED)
  LD A,(RNDSEED+2)
  LD C,A
  LD D,H
  LD E,L
  LD B,C                    ; B D E = seed
  ADD HL,HL
  RL C
  ADD HL,HL
  RL C                      ; C H L = seed * 4
  ADD HL,DE
  LD A,C
  ADC A,B
  LD C,A                    ; * 5
  LD DE,0F6B5h
  ADD HL,DE
  LD A,C
  ADC A,03h
  LD C,A
  LD (RNDSEED),HL
  LD (RNDSEED+2),A
  OR H
  OR L
  JR NZ,NextRandom_value
  INC L
NextRandom_value:
  LD (FAC),HL
  LD A,C
  LD (FAC+2),A
  XOR A
  LD (FACGUARD),A
  LD (FSIGN),A
  LD A,128
  JP IntToSingle_exponent

RandomStatement:
  PUSH HL
  LD A,R
  LD HL,RNDSEED
  XOR (HL)
  LD (HL),A
  INC HL
  LD A,R
  ADD A,(HL)
  LD (HL),A
  POP HL
  JP ExecNext
